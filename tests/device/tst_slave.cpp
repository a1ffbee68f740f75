#include "device/ms_ht66fb560.h"
#include "device/slave.h"
#include "simfixture.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Reports = QList<QByteArray>;
using Lists = QList<QList<uchar>>;

namespace {

constexpr int kSlackMs = 250;

UsbDevice vendorDevice()
{
    UsbDevice device = fixture::simDevice();
    device.vendorPath = QStringLiteral("sim/hidraw1");
    return device;
}

QList<uchar> list(const QByteArray& hex)
{
    const QByteArray raw = QByteArray::fromHex(hex);
    return QList<uchar>(raw.begin(), raw.end());
}

} // namespace

class tst_Slave : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportsArriveOnTheGuiThread_data();
    void reportsArriveOnTheGuiThread();
    void restartNeverOverlaps();
    void silentMouseIsReopenedEachReadAndStopWaits();
    void unplugEndsTheListener();
    void listenerEndsAtOnce_data();
    void listenerEndsAtOnce();
    void detectionTakesTurnsWithTheListener();

private:
    std::unique_ptr<Slave> slave;
};

void tst_Slave::initTestCase()
{
    qRegisterMetaType<QList<uchar>>("QList<uchar>");
}

void tst_Slave::init()
{
    sim::reset();
    slave = std::make_unique<Slave>();
}

void tst_Slave::cleanup()
{
    slave.reset();
    QCOMPARE(sim::openHandles(sim::Role::Vendor), 0);
}

void tst_Slave::reportsArriveOnTheGuiThread_data()
{
    QTest::addColumn<Reports>("sent");
    QTest::addColumn<Lists>("received");
    QTest::newRow("one report") << Reports { "01020304" } << Lists { list("01020304") };
    QTest::newRow("in order") << Reports { "0a000000", "0b000000" }
                              << Lists { list("0a000000"), list("0b000000") };
    QTest::newRow("longer report keeps first four")
        << Reports { "0102030405060708" } << Lists { list("01020304") };
    QTest::newRow("short report dropped") << Reports { "0102", "05060708" } << Lists { list("05060708") };
}

void tst_Slave::reportsArriveOnTheGuiThread()
{
    QFETCH(Reports, sent);
    QFETCH(Lists, received);
    Lists delivered;
    bool offGuiThread = false;
    connect(slave.get(), &Slave::onVendor, this, [&](QList<uchar> vCmd) {
        offGuiThread |= QThread::currentThread() != thread();
        delivered << vCmd;
    });
    for (const QByteArray& report : sent) {
        const QByteArray raw = QByteArray::fromHex(report);
        sim::queueVendorReport(sim::Bytes(raw.begin(), raw.end()));
    }
    slave->startListening(vendorDevice(), 4);
    QTRY_COMPARE(sim::pendingVendorReports(), 0);
    QTRY_COMPARE(delivered, received);
    QVERIFY2(!offGuiThread, "a report was delivered off the GUI thread");
}

void tst_Slave::restartNeverOverlaps()
{
    for (int i = 0; i < 4; ++i) {
        slave->startListening(vendorDevice(), 4);
        QVERIFY(slave->isRunning());
        QTRY_COMPARE(sim::openHandles(sim::Role::Vendor), 1);
    }
    QCOMPARE(sim::peakOpenHandles(sim::Role::Vendor), 1);
    // A run that ended on its own still counts as running until the next start.
    sim::unplug();
    QTRY_VERIFY(slave->isFinished());
    sim::plug();
    slave->startListening(vendorDevice(), 4);
    QTRY_COMPARE(sim::openHandles(sim::Role::Vendor), 1);
}

void tst_Slave::silentMouseIsReopenedEachReadAndStopWaits()
{
    QSignalSpy spy(slave.get(), &Slave::onVendor);
    slave->startListening(vendorDevice(), 4);
    QTest::qWait(Slave::kReadTimeoutMs * 2 + kSlackMs / 2);
    const int opens = sim::openCount(sim::Role::Vendor);
    QVERIFY2(opens >= 2 && opens <= 4, qPrintable(QStringLiteral("%1 opens, not one per read").arg(opens)));
    QElapsedTimer timer;
    timer.start();
    slave->stopListening();
    QVERIFY(slave->isFinished());
    QCOMPARE(sim::openHandles(sim::Role::Vendor), 0);
    QVERIFY2(timer.elapsed() <= Slave::kReadTimeoutMs + kSlackMs, "stopping waited longer than one read");
    QCOMPARE(spy.count(), 0);
    QCOMPARE(sim::peakOpenHandles(sim::Role::Vendor), 1);
    slave->stopListening();
}

void tst_Slave::unplugEndsTheListener()
{
    QTest::failOnWarning(QRegularExpression("Cannot open"));
    slave->startListening(vendorDevice(), 4);
    QTRY_COMPARE(sim::openHandles(sim::Role::Vendor), 1);
    QElapsedTimer timer;
    timer.start();
    sim::unplug();
    QTRY_VERIFY_WITH_TIMEOUT(slave->isFinished(), Slave::kReadTimeoutMs + kSlackMs);
    QVERIFY(timer.elapsed() <= Slave::kReadTimeoutMs + kSlackMs);
}

void tst_Slave::listenerEndsAtOnce_data()
{
    QTest::addColumn<int>("readLength");
    QTest::addColumn<bool>("openFails");
    QTest::newRow("read length zero") << 0 << false;
    QTest::newRow("read length negative") << -4 << false;
    QTest::newRow("read length beyond a report") << 513 << false;
    QTest::newRow("vendor interface cannot be opened") << 4 << true;
}

void tst_Slave::listenerEndsAtOnce()
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
void tst_Slave::detectionTakesTurnsWithTheListener()
{
    MS_HT66FB560 device;
    for (int i = 0; i < 20000; ++i)
        sim::queueVendorReport({ 1, 2, 3, 4 });
    for (int round = 0; round < 5; ++round)
        QVERIFY(device.findDevice(1, fixture::mouseEntry()));
    QCOMPARE(sim::globalErrorOverlaps(), 0);
}

QTEST_GUILESS_MAIN(tst_Slave)
#include "tst_slave.moc"
