#include "device/master.h"
#include "device/ms_ht66fb560.h"
#include "device/slave.h"
#include "simfixture.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Nodes = std::vector<sim::Node>;
Q_DECLARE_METATYPE(Nodes)
using Reports = QList<QByteArray>;

using namespace fixture;

namespace {

constexpr int kSlackMs = 250;

int setupCommandsOnWire()
{
    int count = 0;
    for (const sim::Report& r : sim::wire())
        count += r.kind == sim::Kind::Feature && r.dir == sim::Dir::ToMouse;
    return count;
}

UsbDevice vendorDevice()
{
    UsbDevice device = simDevice();
    device.vendorPath = QStringLiteral("sim/hidraw1");
    return device;
}

} // namespace

// The catalogue, detection and the vendor listener of the device object.
class tst_MS_HT66FB560 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QList<uchar>>("QList<uchar>"); }
    void init()
    {
        sim::reset();
        device = std::make_unique<MS_HT66FB560>();
        slave = std::make_unique<Slave>();
    }
    // Destruction stops the listeners and waits for them.
    void cleanup()
    {
        device.reset();
        slave.reset();
        QCOMPARE(sim::openHandles(sim::Role::Vendor), 0);
    }

    // Missing or malformed values become 0 or empty; a damaged count cannot make loading run away.
    void damagedValues_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("pid");
        QTest::addColumn<QString>("sCode");
        QTest::newRow("missing keys") << QByteArray("total=2\n[1]\n") << 2 << 0 << QString();
        QTest::newRow("lower-case hex") << QByteArray("total=2\n[1]\npid=a269\n") << 2 << 0xA269 << QString();
        QTest::newRow("too large for 16 bits")
            << QByteArray("total=2\n[1]\npid=1A269\n") << 2 << 0 << QString();
        QTest::newRow("quoted code") << QByteArray("total=2\n[1]\nsCode=\"Ab3dE9\"\n") << 2 << 0 << "Ab3dE9";
        QTest::newRow("list-looking code") << QByteArray("total=2\n[1]\nsCode=a,b\n") << 2 << 0 << QString();
        QTest::newRow("negative count") << QByteArray("total=-5\n") << 0 << 0 << QString();
        QTest::newRow("huge count") << QByteArray("total=2000000000\n") << kMaxCatalogueEntries << 0
                                    << QString();
    }
    void damagedValues()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, entries);
        const QList<DevInfo> loaded = load("[common]\n" + ini);
        QCOMPARE(loaded.size(), entries);
        if (entries > 1) {
            QTEST(int(loaded.at(1).pid), "pid");
            QTEST(loaded.at(1).sCode, "sCode");
        }
    }
    void detection_data()
    {
        QTest::addColumn<Nodes>("nodes");
        QTest::addColumn<int>("vid");
        QTest::addColumn<int>("pid");
        QTest::addColumn<QString>("paths"); // command and vendor path; empty: not found
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
        QTest::newRow("vendor listed first") << reversed << vid << pid << "sim/hidraw0 sim/hidraw1";
        QTest::newRow("command collection only") << sim::commandOnlyNodes() << vid << pid << "";
        QTest::newRow("two mice: last of each")
            << sim::twoMiceNodes() << vid << pid << "sim/hidraw2 sim/hidraw3";
        QTest::newRow("other devices ignored") << extras << vid << pid << "sim/hidraw0 sim/hidraw1";
        // hidapi reads an ID of 0 as "any"; such a catalogue entry must match nothing.
        QTest::newRow("vendor ID 0") << sim::standardNodes() << 0 << pid << "";
        QTest::newRow("product ID 0") << sim::standardNodes() << vid << 0 << "";
    }
    void detection()
    {
        QFETCH(Nodes, nodes);
        QFETCH(int, vid);
        QFETCH(int, pid);
        QFETCH(QString, paths);
        sim::setNodes(nodes);
        DevInfo entry = mouseEntry();
        entry.vid = quint16(vid);
        entry.pid = quint16(pid);
        const bool found = !paths.isEmpty();
        QCOMPARE(device->findDevice(1, entry), found);
        const UsbDevice& current = device->currentTask().device;
        QCOMPARE((current.commandPath + ' ' + current.vendorPath).trimmed(), paths);
        QCOMPARE(setupCommandsOnWire(), found ? 1 : 0);
        if (found) {
            QCOMPARE(hex(sim::wire().front().bytes), QByteArray("0001080000000000f6"));
            QTRY_COMPARE(sim::openHandles(sim::Role::Vendor), 1);
        }
    }
    void codes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<QByteArray>("codeBytes");
        QTest::newRow("six characters") << "Ab3dE9" << false << QByteArray("0041623364453900");
        QTest::newRow("blocking code") << "q-beacon" << true << QByteArray("0000000000000000");
        QTest::newRow("blocking code, other case") << "Q-beacon" << false << QByteArray("0000000000000000");
    }
    void codes()
    {
        QFETCH(QString, code);
        QFETCH(bool, blocked);
        if (blocked)
            QTest::ignoreMessage(QtDebugMsg, "true");
        QVERIFY(device->findDevice(1, mouseEntry(code)));
        const UsbDevice& current = device->currentTask().device;
        QVERIFY(current.scrambleOn); // any catalogued code turns scrambling on
        QCOMPARE(device->master()->blocked, blocked);
        QTEST(QByteArray(reinterpret_cast<const char*>(current.codeBytes.data()), 8).toHex(), "codeBytes");
        if (blocked)
            QCOMPARE(setupCommandsOnWire(), 0);
    }
    void shortCatalogueDropsTheOldDevice()
    {
        QVERIFY(device->detect({ mouseEntry(), mouseEntry() }));
        QCOMPARE(device->currentTask().device.commandPath, QStringLiteral("sim/hidraw0"));
        sim::clearWire();
        QVERIFY(!device->detect({ mouseEntry() }));
        QCOMPARE(device->currentTask().device.commandPath, QString());
        QVERIFY(sim::wire().empty());
    }
    void reportsArriveOnTheGuiThread_data()
    {
        QTest::addColumn<Reports>("sent");
        QTest::addColumn<Reports>("received"); // in hex, as sent
        QTest::newRow("in order") << Reports { "0a000000", "0b000000" } << Reports { "0a000000", "0b000000" };
        QTest::newRow("longer report keeps first four")
            << Reports { "0102030405060708" } << Reports { "01020304" };
        QTest::newRow("short report dropped") << Reports { "0102", "05060708" } << Reports { "05060708" };
    }
    void reportsArriveOnTheGuiThread()
    {
        QFETCH(Reports, sent);
        QFETCH(Reports, received);
        Reports delivered;
        bool offGuiThread = false;
        connect(slave.get(), &Slave::onVendor, this, [&](QList<uchar> vCmd) {
            offGuiThread |= QThread::currentThread() != thread();
            delivered << QByteArray(reinterpret_cast<const char*>(vCmd.data()), vCmd.size()).toHex();
        });
        for (const QByteArray& report : sent) {
            const QByteArray raw = QByteArray::fromHex(report);
            sim::queueVendorReport(sim::Bytes(raw.begin(), raw.end()));
        }
        slave->startListening(vendorDevice(), 4);
        QTRY_COMPARE(delivered, received);
        QVERIFY2(!offGuiThread, "a report was delivered off the GUI thread");
    }
    // Each restart stops a listener that waits in a read of the silent mouse: within one read.
    // Unplugging ends it as quickly, quietly, and a run that ended so still restarts.
    void restartNeverOverlaps()
    {
        QTest::failOnWarning(QRegularExpression("Cannot open"));
        for (int i = 0; i < 4; ++i) {
            QElapsedTimer timer;
            timer.start();
            slave->startListening(vendorDevice(), 4);
            QVERIFY(timer.elapsed() <= Slave::kReadTimeoutMs + kSlackMs);
            QVERIFY(slave->isRunning());
            QTRY_COMPARE(sim::openHandles(sim::Role::Vendor), 1);
        }
        QCOMPARE(sim::peakOpenHandles(sim::Role::Vendor), 1);
        sim::unplug();
        QTRY_VERIFY_WITH_TIMEOUT(slave->isFinished(), Slave::kReadTimeoutMs + kSlackMs);
        sim::plug();
        slave->startListening(vendorDevice(), 4);
        QTRY_COMPARE(sim::openHandles(sim::Role::Vendor), 1);
    }
    void listenerEndsAtOnce_data()
    {
        QTest::addColumn<int>("readLength");
        QTest::addColumn<bool>("openFails");
        QTest::newRow("read length zero") << 0 << false;
        QTest::newRow("read length beyond a report") << 513 << false;
        QTest::newRow("vendor interface cannot be opened") << 4 << true;
    }
    void listenerEndsAtOnce()
    {
        QFETCH(int, readLength);
        QFETCH(bool, openFails);
        QSignalSpy spy(slave.get(), &Slave::onVendor);
        sim::queueVendorReport({ 1, 2, 3, 4 });
        if (openFails) {
            sim::failCall(sim::Op::Open, 1, sim::Role::Vendor);
            QTest::ignoreMessage(QtWarningMsg, "Cannot open HID device sim/hidraw1: Permission denied");
        }
        slave->startListening(vendorDevice(), readLength);
        QTRY_VERIFY_WITH_TIMEOUT(slave->isFinished(), kSlackMs);
        QCOMPARE(sim::openCount(sim::Role::Vendor), 0);
        QCOMPARE(spy.count(), 0);
    }
    // hidapi frees and replaces one global error text on every enumeration and every open by path.
    // Detection enumerates on this thread while the listener, kept busy here by a stream of
    // reports, reopens the vendor interface on its own.
    void detectionTakesTurnsWithTheListener()
    {
        for (int i = 0; i < 20000; ++i)
            sim::queueVendorReport({ 1, 2, 3, 4 });
        for (int round = 0; round < 5; ++round)
            QVERIFY(device->findDevice(1, mouseEntry()));
        QCOMPARE(sim::globalErrorOverlaps(), 0);
    }

private:
    QList<DevInfo> load(const QByteArray& ini)
    {
        if (!dir.write(QStringLiteral("catalogue.ini"), ini))
            qFatal("cannot write the catalogue");
        return loadCatalogue(dir.filePath(QStringLiteral("catalogue.ini")), {});
    }
    testsupport::WorkDir dir;
    std::unique_ptr<MS_HT66FB560> device;
    std::unique_ptr<Slave> slave;
};

QTEST_GUILESS_MAIN(tst_MS_HT66FB560)
#include "tst_ms_ht66fb560.moc"
