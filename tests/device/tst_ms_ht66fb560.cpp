#include "device/master.h"
#include "device/ms_ht66fb560.h"
#include "device/slave.h"
#include "simfixture.h"

#include <QElapsedTimer>
#include <QMetaMethod>
#include <QTest>

#include <memory>

using Nodes = std::vector<sim::Node>;
Q_DECLARE_METATYPE(Nodes)

using namespace fixture;

namespace {

int setupCommandsOnWire()
{
    int count = 0;
    for (const sim::Report& r : sim::wire())
        count += r.kind == sim::Kind::Feature && r.dir == sim::Dir::ToMouse;
    return count;
}

} // namespace

class tst_MS_HT66FB560 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void slotTable_data();
    void slotTable();
    void detection_data();
    void detection();
    void codes_data();
    void codes();
    void shortCatalogueDropsTheOldDevice();

private:
    std::unique_ptr<MS_HT66FB560> device;
};

void tst_MS_HT66FB560::init()
{
    sim::reset();
    device = std::make_unique<MS_HT66FB560>();
}

// Destruction stops the listener that detection started and waits for it, within one read.
void tst_MS_HT66FB560::cleanup()
{
    QElapsedTimer timer;
    timer.start();
    device.reset();
    QCOMPARE(sim::openHandles(sim::Role::Vendor), 0);
    QVERIFY2(timer.elapsed() <= Slave::kReadTimeoutMs + 250, "destruction waited too long for the listener");
}

void tst_MS_HT66FB560::slotTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("signature");
    QTest::addColumn<QByteArray>("returnType");
    const char* rows[][2] = {
        { "onVendor(QList<uchar>)", "void" },
        { "hid_Cs(uchar*)", "void" },
        { "hid_SetCmd(uchar*)", "void" },
        { "hid_SetDataCmd(uchar*,uchar*,int)", "void" },
        { "hid_GetCmd(uchar*)", "bool" },
        { "hid_GetDataCmd(uchar*,uchar*,int)", "bool" },
        { "hid_01H_SetFunctionOption(uchar)", "void" },
        { "hid_02H_SetCurrentProfile(uchar)", "void" },
        { "hid_03H_SetReportRate(uchar,uchar)", "void" },
        { "hid_04H_SetDPIStage(uchar,uchar)", "void" },
        { "hid_08H_SetStopMacroSending()", "void" },
        { "hid_0CH_SetFwProfile(uchar,uchar*)", "void" },
        { "hid_0DH_SetKeyMatrix(uchar,uchar*)", "void" },
        { "hid_0FH_SetMacroKey(uchar,uchar*)", "void" },
        { "hid_80H_GetFWVersion(QString&)", "bool" },
        { "hid_81H_GetFunctionOption(uchar&)", "bool" },
        { "hid_82H_GetCurrentProfile(uchar&)", "bool" },
        { "hid_83H_GetReportRate(uchar&,uchar)", "bool" },
        { "hid_84H_GetDPIStage(uchar&,uchar)", "bool" },
        { "hid_89H_GetRGBLedTwinkle(uchar&)", "bool" },
        { "hid_8CH_GetFwProfile(uchar,uchar*)", "bool" },
        { "hid_8DH_GetKeyMatrix(uchar,uchar*)", "bool" },
        { "hid_8FH_GetMacroKey(uchar,uchar*)", "bool" },
    };
    int index = 0;
    for (const auto& row : rows)
        QTest::newRow(row[0]) << index++ << QByteArray(row[0]) << QByteArray(row[1]);
}

// Slots are reached by index through the meta-object, so their order is part of the interface.
void tst_MS_HT66FB560::slotTable()
{
    QFETCH(int, index);
    QFETCH(QByteArray, signature);
    QFETCH(QByteArray, returnType);
    const QMetaObject& meta = MS_HT66FB560::staticMetaObject;
    QCOMPARE(meta.className(), "MS_HT66FB560");
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 23);
    const QMetaMethod method = meta.method(meta.methodOffset() + index);
    QCOMPARE(method.methodSignature(), signature);
    QCOMPARE(method.methodType(), QMetaMethod::Slot);
    QCOMPARE(method.access(), QMetaMethod::Public);
    QCOMPARE(QByteArray(method.typeName()), returnType);
}

void tst_MS_HT66FB560::detection_data()
{
    QTest::addColumn<Nodes>("nodes");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("commandPath");
    QTest::addColumn<QString>("vendorPath");
    sim::Node keyboard;
    keyboard.path = "sim/hidraw9";
    keyboard.usagePage = 0x0001;
    keyboard.usage = 0x0006;
    sim::Node otherMouse = sim::standardNodes().front();
    otherMouse.path = "sim/hidraw8";
    otherMouse.pid = 0x8008;
    Nodes reversed = sim::standardNodes();
    std::swap(reversed[0], reversed[1]);
    Nodes extras = sim::standardNodes();
    extras.insert(extras.begin(), keyboard);
    extras.push_back(otherMouse);

    QTest::newRow("both interfaces") << sim::standardNodes() << true << "sim/hidraw0"
                                     << "sim/hidraw1";
    QTest::newRow("vendor listed first") << reversed << true << "sim/hidraw0"
                                         << "sim/hidraw1";
    QTest::newRow("command collection only") << sim::commandOnlyNodes() << false << ""
                                             << "";
    QTest::newRow("two mice: last of each kind") << sim::twoMiceNodes() << true << "sim/hidraw2"
                                                 << "sim/hidraw3";
    QTest::newRow("other collections and products ignored") << extras << true << "sim/hidraw0"
                                                            << "sim/hidraw1";
    QTest::newRow("nothing attached") << Nodes() << false << ""
                                      << "";
}

void tst_MS_HT66FB560::detection()
{
    QFETCH(Nodes, nodes);
    QFETCH(bool, found);
    QFETCH(QString, commandPath);
    QFETCH(QString, vendorPath);
    sim::setNodes(nodes);
    QCOMPARE(device->findDevice(1, mouseEntry()), found);
    const UsbDevice& current = device->currentTask().device;
    QCOMPARE(current.commandPath, commandPath);
    QCOMPARE(current.vendorPath, vendorPath);
    QCOMPARE(current.deviceIndex, 1);
    QCOMPARE(current.productName, QStringLiteral("Z4"));
    QCOMPARE(current.reportLength, 64);
    QCOMPARE(device->currentTask().dataLength, 0);
    QCOMPARE(setupCommandsOnWire(), found ? 1 : 0);
    if (found) {
        QCOMPARE(hex(sim::wire().front().bytes), QByteArray("0001080000000000f6"));
        QCOMPARE(sim::functionOption(), 8);
        QTRY_COMPARE(sim::openHandles(sim::Role::Vendor), 1);
    }
}

void tst_MS_HT66FB560::codes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("scrambleOn");
    QTest::addColumn<bool>("blocked");
    QTest::addColumn<QByteArray>("codeBytes");
    QTest::newRow("empty") << QString() << false << false << QByteArray("0000000000000000");
    QTest::newRow("six characters") << "Ab3dE9" << true << false << QByteArray("0041623364453900");
    QTest::newRow("other length") << "abc" << true << false << QByteArray("0000000000000000");
    QTest::newRow("blocking code") << "q-beacon" << true << true << QByteArray("0000000000000000");
    QTest::newRow("blocking code, other case")
        << "Q-beacon" << true << false << QByteArray("0000000000000000");
}

void tst_MS_HT66FB560::codes()
{
    QFETCH(QString, code);
    QFETCH(bool, scrambleOn);
    QFETCH(bool, blocked);
    QFETCH(QByteArray, codeBytes);
    if (blocked)
        QTest::ignoreMessage(QtDebugMsg, "true");
    QVERIFY(device->findDevice(1, mouseEntry(code)));
    const UsbDevice& current = device->currentTask().device;
    QCOMPARE(current.scrambleOn, scrambleOn);
    QCOMPARE(device->master()->blocked, blocked);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(current.codeBytes.data()), 8).toHex(), codeBytes);
    if (blocked)
        QCOMPARE(setupCommandsOnWire(), 0);
}

void tst_MS_HT66FB560::shortCatalogueDropsTheOldDevice()
{
    QVERIFY(device->detect({ mouseEntry(), mouseEntry() }));
    QCOMPARE(device->currentTask().device.commandPath, QStringLiteral("sim/hidraw0"));
    sim::clearWire();
    QVERIFY(!device->detect({ mouseEntry() }));
    QCOMPARE(device->currentTask().device.commandPath, QString());
    QVERIFY(sim::wire().empty());
    QVERIFY(!device->detect({}));
}

QTEST_GUILESS_MAIN(tst_MS_HT66FB560)
#include "tst_ms_ht66fb560.moc"
