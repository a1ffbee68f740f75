#include "device/master.h"
#include "device/ms_ht66fb560.h"
#include "device/slave.h"
#include "simfixture.h"

#include <QElapsedTimer>
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

void tst_MS_HT66FB560::detection_data()
{
    QTest::addColumn<Nodes>("nodes");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<QString>("commandPath"); // empty: not found
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
    const int vid = sim::kVendorId;
    const int pid = sim::kProductId;

    QTest::newRow("vendor listed first") << reversed << vid << pid << "sim/hidraw0"
                                         << "sim/hidraw1";
    QTest::newRow("command collection only") << sim::commandOnlyNodes() << vid << pid << ""
                                             << "";
    QTest::newRow("two mice: last of each kind") << sim::twoMiceNodes() << vid << pid << "sim/hidraw2"
                                                 << "sim/hidraw3";
    QTest::newRow("other collections and products ignored") << extras << vid << pid << "sim/hidraw0"
                                                            << "sim/hidraw1";
    QTest::newRow("nothing attached") << Nodes() << vid << pid << ""
                                      << "";
    // hidapi reads an ID of 0 as "any"; such a catalogue entry must match nothing.
    QTest::newRow("vendor ID 0") << sim::standardNodes() << 0 << pid << ""
                                 << "";
    QTest::newRow("product ID 0") << sim::standardNodes() << vid << 0 << ""
                                  << "";
}

void tst_MS_HT66FB560::detection()
{
    QFETCH(Nodes, nodes);
    QFETCH(int, vid);
    QFETCH(int, pid);
    QFETCH(QString, commandPath);
    QFETCH(QString, vendorPath);
    sim::setNodes(nodes);
    DevInfo entry = mouseEntry();
    entry.vid = quint16(vid);
    entry.pid = quint16(pid);
    const bool found = !commandPath.isEmpty();
    QCOMPARE(device->findDevice(1, entry), found);
    const UsbDevice& current = device->currentTask().device;
    QCOMPARE(current.commandPath, commandPath);
    QCOMPARE(current.vendorPath, vendorPath);
    QCOMPARE(current.productName, QStringLiteral("Z4"));
    QCOMPARE(setupCommandsOnWire(), found ? 1 : 0);
    if (found) {
        QCOMPARE(hex(sim::wire().front().bytes), QByteArray("0001080000000000f6"));
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
}

QTEST_GUILESS_MAIN(tst_MS_HT66FB560)
#include "tst_ms_ht66fb560.moc"
