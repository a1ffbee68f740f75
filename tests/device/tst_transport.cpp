#include "device/master.h"
#include "device/ms_ht66fb560.h"
#include "simfixture.h"

#include <QElapsedTimer>
#include <QTest>

#include <functional>
#include <memory>

using D = MS_HT66FB560;
// Runs one command; a read hands back what it read in the uchar.
using Call = std::function<bool(D&, uchar&)>;
Q_DECLARE_METATYPE(Call)

using namespace fixture;

namespace {

// Lower bounds are the protocol's; upper bounds only catch runaway waits on a busy machine.
constexpr double kSlackMs = 250;

uchar block[128];
QString readVersion;

bool allBytes(const sim::Bytes& data, size_t from, uchar value)
{
    return std::all_of(data.begin() + qsizetype(from), data.end(), [value](uchar b) { return b == value; });
}

} // namespace

class tst_Transport : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        sim::reset();
        device = std::make_unique<D>();
        device->openDevice(simDevice());
        sim::clearWire();
    }
    void cleanup()
    {
        device.reset();
        QCOMPARE(sim::openHandles(sim::Role::Command), 0);
    }

    void commandPackets_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QByteArray>("packet");
        QTest::addColumn<QString>("reports");
        QTest::addColumn<int>("answer"); // -1: a setting command, nothing read
        auto row = [](const char* name, const char* packet, const char* reports, int answer, Call call) {
            QTest::newRow(name) << call << QByteArray(packet) << QString::fromLatin1(reports) << answer;
        };
#define SET(command) [](D& d, uchar&) { return d.command, true; }
#define GET(command) [](D& d, [[maybe_unused]] uchar& v) { return d.command; }
        row("01H", "0001080000000000f6", "F>", -1, SET(hid_01H_SetFunctionOption(8)));
        row("03H profile first", "0003020300000000f7", "F>", -1, SET(hid_03H_SetReportRate(3, 2)));
        row("04H profile first", "0004040200000000f5", "F>", -1, SET(hid_04H_SetDPIStage(2, 4)));
        row("08H", "0008aaccee00000093", "F>", -1, SET(hid_08H_SetStopMacroSending()));
        row("0CH", "000c01800000000072", "F> O O", -1, SET(hid_0CH_SetFwProfile(1, block)));
        row("0FH", "000f6480000000000c", "F> O O", -1, SET(hid_0FH_SetMacroKey(100, block)));
        row("80H", "00800000000000007f", "F> F<", -1, GET(hid_80H_GetFWVersion(readVersion)));
        row("82H", "00820000000000007d", "F> F<", 5, GET(hid_82H_GetCurrentProfile(v)));
        row("83H", "008304000000000078", "F> F<", 8, GET(hid_83H_GetReportRate(v, 4)));
        row("84H", "008404000000000077", "F> F<", 2, GET(hid_84H_GetDPIStage(v, 4)));
        row("89H", "008900000000000076", "F> F<", 3, GET(hid_89H_GetRGBLedTwinkle(v)));
        row("8CH", "008c01000000000072", "F> F< I I", -1, GET(hid_8CH_GetFwProfile(1, block)));
        row("8FH", "008f0100000000006f", "F> F< I I", -1, GET(hid_8FH_GetMacroKey(1, block)));
#undef SET
#undef GET
    }
    void commandPackets()
    {
        QFETCH(Call, call);
        QFETCH(int, answer);
        sim::setCurrentProfile(5);
        sim::setReportRate(4, 8);
        sim::setDpiStage(4, 2);
        sim::setLightingType(3);
        QElapsedTimer timer;
        timer.start();
        uchar value = 0xAB;
        QVERIFY2(call(*device, value), "the exchange failed");
        QVERIFY2(timer.elapsed() >= kCommandDelayMs, "no pause after the command");
        const auto wire = sim::wire();
        QTEST(shape(wire), "reports");
        QTEST(hex(wire.front().bytes), "packet");
        QCOMPARE(sim::rejectedCommands(), 0);
        if (answer >= 0)
            QCOMPARE(int(value), answer);
    }
    void dataWrite_data()
    {
        QTest::addColumn<int>("reportLength");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("reports"); // that reach the mouse
        QTest::newRow("128 bytes in two reports") << 64 << 128 << 2;
        // Whole 300-byte chunks would reach past the 512-byte buffer for 400 bytes of data.
        QTest::newRow("large reports stay inside the buffer") << 300 << 400 << 2;
        QTest::newRow("unplugged after the first report") << 64 << 128 << 1;
    }
    void dataWrite()
    {
        QFETCH(int, reportLength);
        QFETCH(int, length);
        QFETCH(int, reports);
        UsbDevice changed = simDevice();
        changed.reportLength = reportLength;
        device->openDevice(changed);
        sim::clearWire();
        if (reports == 1)
            sim::unplugAfter(sim::Op::Write, 1);
        const sim::Bytes before = sim::profileImage(1);
        sim::Bytes data = pattern(length, 3);
        uchar packet[9] = { 0x00, 0x0C, 0x01, 0x80 };
        device->hid_SetDataCmd(packet, data.data(), length);
        const std::int64_t end = sim::nowNs();
        sim::plug();

        const auto wire = sim::wire();
        QCOMPARE(wire.size(), size_t(1 + reports));
        for (int i = 1; i <= reports; ++i) {
            const sim::Bytes& report = wire[size_t(i)].bytes;
            QCOMPARE(report.size(), size_t(reportLength + 1));
            QCOMPARE(report[0], uchar(0x00));
            const int from = (i - 1) * reportLength;
            const int count = std::min(reportLength, length - from);
            QVERIFY2(std::equal(data.begin() + from, data.begin() + from + count, report.begin() + 1),
                "the data reached the mouse changed");
            QVERIFY2(msBetween(wire[size_t(i - 1)].timeNs, wire[size_t(i)].timeNs)
                    >= (i == 1 ? kCommandDelayMs : kChunkDelayMs),
                "no pause before a data report");
        }
        QVERIFY2(msBetween(wire.back().timeNs, end) >= kChunkDelayMs, "no pause after the last report");
        if (length == 128)
            QCOMPARE(sim::profileImage(1), reports == 2 ? data : before);
    }
    void dataReadCopiesBackWhatArrived_data()
    {
        QTest::addColumn<Call>("arrange");
        QTest::addColumn<int>("arrived"); // bytes copied from the mouse; -1: the buffer is untouched
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        const int pause = kCommandDelayMs;
        const int slack = int(kSlackMs);
        QTest::newRow("both data reports arrive")
            << Call([](D&, uchar&) { return true; }) << 128 << pause << pause + slack;
        // A removed mouse must not be waited for.
        QTest::newRow("unplugged after the first data report")
            << Call([](D&, uchar&) { return sim::unplugAfter(sim::Op::Read, 1), true; }) << 64 << pause
            << pause + slack;
        QTest::newRow("data reports never come")
            << Call([](D&, uchar&) { return sim::setWithholdBlocks(true), true; }) << 0
            << 2 * kDataReadTimeoutMs << 2 * kDataReadTimeoutMs + pause + slack;
        QTest::newRow("open fails") << Call([](D&, uchar&) {
            QTest::ignoreMessage(
                QtWarningMsg, "Cannot open HID device sim/hidraw0: No such file or directory");
            return sim::unplug(), true;
        }) << -1 << 0 << slack;
    }
    void dataReadCopiesBackWhatArrived()
    {
        QFETCH(Call, arrange);
        QFETCH(int, arrived);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        const sim::Bytes image = pattern(128, 5);
        sim::setProfileImage(3, image);
        uchar unused = 0;
        arrange(*device, unused);
        sim::Bytes data(128, 0xEE);
        uchar packet[9] = { 0x00, 0x8C, 0x03 };
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(device->hid_GetDataCmd(packet, data.data(), 128), arrived == 128);
        const qint64 took = timer.elapsed();
        const auto wire = sim::wire();
        for (const sim::Report& report : wire)
            QVERIFY2(
                report.kind != sim::Kind::Input || report.bytes.size() == 64, "a data read is not 64 bytes");
        if (wire.size() > 2)
            QVERIFY2(
                msBetween(wire[1].timeNs, wire[2].timeNs) >= kCommandDelayMs, "no pause before the data");
        QVERIFY2(took >= minMs && took < maxMs, qPrintable(QStringLiteral("took %1 ms").arg(took)));
        if (arrived < 0) {
            QVERIFY2(allBytes(data, 0, 0xEE), "a failed open wrote into the caller's buffer");
            QCOMPARE(hex(sim::Bytes(packet, packet + 9)), QByteArray(18, '0'));
            return;
        }
        QVERIFY(std::equal(data.begin(), data.begin() + arrived, image.begin()));
        QVERIFY2(allBytes(data, size_t(arrived), 0), "the part that never arrived is not zero");
    }
    // A device whose reports are longer than the block fills the block and not a byte past it.
    void longReportsReadStayInsideTheBlock()
    {
        UsbDevice changed = simDevice();
        changed.reportLength = 300;
        device->openDevice(changed);
        sim::setProfileImage(3, pattern(128, 5));
        sim::Bytes data(128 + 16, 0xEE);
        uchar packet[9] = { 0x00, 0x8C, 0x03 };
        device->hid_GetDataCmd(packet, data.data(), 128);
        QVERIFY2(allBytes(data, 128, 0xEE), "the read wrote past the block");
    }
    void scrambledCommands()
    {
        UsbDevice coded = simDevice();
        coded.scrambleOn = true;
        const std::string code = "Z4cfg1";
        std::copy(code.begin(), code.end(), coded.codeBytes.begin() + 1);
        sim::setCode(code);
        device->openDevice(coded);
        sim::clearWire();

        // The first byte, the report ID, is never scrambled.
        device->hid_03H_SetReportRate(3, 2);
        QCOMPARE(hex(sim::wire().front().bytes), QByteArray("0007ec80d16915afee"));
        QCOMPARE(sim::reportRate(2), 3);

        sim::setProfileImage(0, pattern(128, 9));
        sim::Bytes data(128, 0);
        QVERIFY(device->hid_8CH_GetFwProfile(0, data.data()));
        QCOMPARE(data, pattern(128, 9));
        QCOMPARE(sim::rejectedCommands(), 0);
    }
    void impossibleSizesFailAtOnce_data()
    {
        QTest::addColumn<int>("reportLength");
        QTest::addColumn<int>("length");
        QTest::newRow("report length 0") << 0 << 128;
        QTest::newRow("report length 513") << 513 << 128;
        QTest::newRow("data 513") << 64 << 513;
        QTest::newRow("data huge") << 64 << (1 << 30);
    }
    void impossibleSizesFailAtOnce()
    {
        QFETCH(int, reportLength);
        QFETCH(int, length);
        UsbDevice odd = simDevice();
        odd.reportLength = reportLength;
        device->openDevice(odd);
        sim::clearWire();
        std::vector<uchar> data(1024, 0x11);
        uchar readPacket[9] = { 0x00, 0x8C, 0x01 };
        uchar writePacket[9] = { 0x00, 0x0C, 0x01, 0x80 };
        QVERIFY(!device->hid_GetDataCmd(readPacket, data.data(), length));
        device->hid_SetDataCmd(writePacket, data.data(), length);
        QVERIFY(sim::wire().empty());
        QVERIFY2(allBytes(data, 0, 0x11), "the caller's buffer was touched");
    }

private:
    std::unique_ptr<D> device;
};

QTEST_GUILESS_MAIN(tst_Transport)
#include "tst_transport.moc"
