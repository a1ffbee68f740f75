#include "device/master.h"
#include "device/ms_ht66fb560.h"
#include "simfixture.h"

#include <QElapsedTimer>
#include <QTest>

#include <functional>
#include <memory>

using Call = std::function<void(MS_HT66FB560&)>;
Q_DECLARE_METATYPE(Call)

using namespace fixture;

namespace {

// Lower bounds are the protocol's; upper bounds only catch runaway waits on a busy machine.
constexpr double kSlackMs = 250;

uchar block[128];

} // namespace

class tst_Transport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void commandPackets_data();
    void commandPackets();
    void checksum_data();
    void checksum();
    void settingCommandPausesOnce();
    void blockWrite();
    void blockRead();
    void valueReads_data();
    void valueReads();
    void versionText_data();
    void versionText();
    void failedValueReadKeepsOutParameter();
    void getCopiesBackAnswer();
    void getCopiesBackAfterFailedRead();
    void getCopiesBackAfterFailedOpen();
    void scrambledCommands();
    void blockedDeviceSendsNothing();
    void failedOpenSaysWhy_data();
    void failedOpenSaysWhy();
    void unpluggedBetweenExchanges();
    void unpluggedDuringWrite();
    void unpluggedDuringRead();
    void dataReadGivesUp();
    void impossibleSizesFailAtOnce_data();
    void impossibleSizesFailAtOnce();
    void largeReportsStayInsideTheBuffer();

private:
    std::unique_ptr<MS_HT66FB560> device;
};

void tst_Transport::init()
{
    sim::reset();
    device = std::make_unique<MS_HT66FB560>();
    device->openDevice(simDevice());
    sim::clearWire();
}

void tst_Transport::cleanup()
{
    device.reset();
    QCOMPARE(sim::openHandles(sim::Role::Command), 0);
}

void tst_Transport::commandPackets_data()
{
    QTest::addColumn<Call>("call");
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<QString>("reports");
    uchar u = 0;
    QString s;
    auto row = [](const char* name, Call call, const char* packet, const char* reports) {
        QTest::newRow(name) << call << QByteArray(packet) << QString::fromLatin1(reports);
    };
    row(
        "01H", [](MS_HT66FB560& d) { d.hid_01H_SetFunctionOption(8); }, "0001080000000000f6", "F>");
    row(
        "02H", [](MS_HT66FB560& d) { d.hid_02H_SetCurrentProfile(5); }, "0002050000000000f8", "F>");
    row(
        "03H profile first", [](MS_HT66FB560& d) { d.hid_03H_SetReportRate(3, 2); }, "0003020300000000f7",
        "F>");
    row(
        "04H profile first", [](MS_HT66FB560& d) { d.hid_04H_SetDPIStage(2, 4); }, "0004040200000000f5",
        "F>");
    row(
        "08H", [](MS_HT66FB560& d) { d.hid_08H_SetStopMacroSending(); }, "0008aaccee00000093", "F>");
    row(
        "0CH", [](MS_HT66FB560& d) { d.hid_0CH_SetFwProfile(1, block); }, "000c01800000000072", "F> O O");
    row(
        "0DH", [](MS_HT66FB560& d) { d.hid_0DH_SetKeyMatrix(3, block); }, "000d0380000000006f", "F> O O");
    row(
        "0FH", [](MS_HT66FB560& d) { d.hid_0FH_SetMacroKey(100, block); }, "000f6480000000000c", "F> O O");
    row(
        "80H", [=](MS_HT66FB560& d) mutable { d.hid_80H_GetFWVersion(s); }, "00800000000000007f", "F> F<");
    row(
        "81H", [=](MS_HT66FB560& d) mutable { d.hid_81H_GetFunctionOption(u); }, "00810000000000007e",
        "F> F<");
    row(
        "82H", [=](MS_HT66FB560& d) mutable { d.hid_82H_GetCurrentProfile(u); }, "00820000000000007d",
        "F> F<");
    row(
        "83H", [=](MS_HT66FB560& d) mutable { d.hid_83H_GetReportRate(u, 4); },
        "0083040000000000"
        "78",
        "F> F<");
    row(
        "84H", [=](MS_HT66FB560& d) mutable { d.hid_84H_GetDPIStage(u, 4); }, "008404000000000077", "F> F<");
    row(
        "89H", [=](MS_HT66FB560& d) mutable { d.hid_89H_GetRGBLedTwinkle(u); }, "008900000000000076",
        "F> F<");
    row(
        "8CH", [](MS_HT66FB560& d) { d.hid_8CH_GetFwProfile(1, block); }, "008c01000000000072", "F> F< I I");
    row(
        "8DH", [](MS_HT66FB560& d) { d.hid_8DH_GetKeyMatrix(5, block); }, "008d0500000000006d", "F> F< I I");
    row(
        "8FH", [](MS_HT66FB560& d) { d.hid_8FH_GetMacroKey(1, block); }, "008f0100000000006f", "F> F< I I");
}

void tst_Transport::commandPackets()
{
    QFETCH(Call, call);
    QFETCH(QByteArray, packet);
    QFETCH(QString, reports);
    call(*device);
    const auto wire = sim::wire();
    QCOMPARE(shape(wire), reports);
    QCOMPARE(hex(wire.front().bytes), packet);
    QCOMPARE(sim::rejectedCommands(), 0);
}

void tst_Transport::checksum_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<int>("sum");
    QTest::newRow("02H profile 1") << QByteArray("0002010000000000") << 0xFC;
    QTest::newRow("all zero") << QByteArray("0000000000000000") << 0xFF;
    QTest::newRow("sum wraps") << QByteArray("00ffffffffffffff") << 0x06;
    QTest::newRow("report ID not summed") << QByteArray("ff02010000000000") << 0xFC;
}

void tst_Transport::checksum()
{
    QFETCH(QByteArray, packet);
    QFETCH(int, sum);
    QByteArray bytes = QByteArray::fromHex(packet) + QByteArray(1, '\x55');
    device->hid_Cs(reinterpret_cast<uchar*>(bytes.data()));
    QCOMPARE(int(uchar(bytes.at(8))), sum);
}

void tst_Transport::settingCommandPausesOnce()
{
    QElapsedTimer timer;
    timer.start();
    device->hid_02H_SetCurrentProfile(3);
    const qint64 took = timer.elapsed();
    QCOMPARE(shape(sim::wire()), QStringLiteral("F>"));
    QVERIFY2(took >= kCommandDelayMs && took < kCommandDelayMs + kSlackMs, qPrintable(QString::number(took)));
    QCOMPARE(sim::currentProfile(), 3);
}

void tst_Transport::blockWrite()
{
    const sim::Bytes image = pattern(128, 3);
    sim::Bytes data = image;
    const std::int64_t start = sim::nowNs();
    device->hid_0CH_SetFwProfile(2, data.data());
    const std::int64_t end = sim::nowNs();

    const auto wire = sim::wire();
    QCOMPARE(shape(wire), QStringLiteral("F> O O"));
    for (int i : { 1, 2 }) {
        const sim::Bytes& report = wire[size_t(i)].bytes;
        QCOMPARE(report.size(), size_t(65));
        QCOMPARE(report[0], uchar(0x00));
        QVERIFY(std::equal(report.begin() + 1, report.end(), image.begin() + (i - 1) * 64));
    }
    QCOMPARE(sim::profileImage(2), image);
    QVERIFY(msBetween(wire[0].timeNs, wire[1].timeNs) >= kCommandDelayMs);
    QVERIFY(msBetween(wire[1].timeNs, wire[2].timeNs) >= kChunkDelayMs);
    QVERIFY(msBetween(wire[2].timeNs, end) >= kChunkDelayMs);
    QVERIFY(msBetween(start, end) < 50 + kSlackMs);
}

void tst_Transport::blockRead()
{
    const sim::Bytes image = pattern(128, 11);
    sim::setProfileImage(4, image);
    sim::Bytes data(128, 0xEE);
    QVERIFY(device->hid_8CH_GetFwProfile(4, data.data()));
    QCOMPARE(data, image);
    const auto wire = sim::wire();
    QCOMPARE(shape(wire), QStringLiteral("F> F< I I"));
    QCOMPARE(wire[1].bytes.size(), size_t(9));
    QCOMPARE(wire[2].bytes.size(), size_t(64));
    QVERIFY(msBetween(wire[1].timeNs, wire[2].timeNs) >= kCommandDelayMs);
}

void tst_Transport::valueReads_data()
{
    QTest::addColumn<Call>("arrange");
    QTest::addColumn<std::function<bool(MS_HT66FB560&, uchar&)>>("read");
    QTest::addColumn<int>("expected");
    using Read = std::function<bool(MS_HT66FB560&, uchar&)>;
    QTest::newRow("81H option") << Call([](MS_HT66FB560&) {
        sim::setFunctionOption(0x42);
    }) << Read([](MS_HT66FB560& d, uchar& v) { return d.hid_81H_GetFunctionOption(v); })
                                << 0x42;
    QTest::newRow("82H current") << Call([](MS_HT66FB560&) {
        sim::setCurrentProfile(5);
    }) << Read([](MS_HT66FB560& d, uchar& v) { return d.hid_82H_GetCurrentProfile(v); })
                                 << 5;
    QTest::newRow("83H rate of 3") << Call([](MS_HT66FB560&) {
        sim::setReportRate(3, 8);
    }) << Read([](MS_HT66FB560& d, uchar& v) { return d.hid_83H_GetReportRate(v, 3); })
                                   << 8;
    QTest::newRow("84H stage of 4") << Call([](MS_HT66FB560&) {
        sim::setDpiStage(4, 2);
    }) << Read([](MS_HT66FB560& d, uchar& v) { return d.hid_84H_GetDPIStage(v, 4); })
                                    << 2;
    QTest::newRow("89H lighting") << Call([](MS_HT66FB560&) {
        sim::setLightingType(3);
    }) << Read([](MS_HT66FB560& d, uchar& v) { return d.hid_89H_GetRGBLedTwinkle(v); })
                                  << 3;
}

void tst_Transport::valueReads()
{
    using Read = std::function<bool(MS_HT66FB560&, uchar&)>;
    QFETCH(Call, arrange);
    QFETCH(Read, read);
    QFETCH(int, expected);
    arrange(*device);
    uchar value = 0xAB;
    QVERIFY(read(*device, value));
    QCOMPARE(int(value), expected);
}

void tst_Transport::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.05") << 0x01 << 0x05 << "1.05";
    QTest::newRow("only minor upper-cased") << 0x1A << 0x0B << "1a.0B";
    QTest::newRow("zeros") << 0x00 << 0x00 << "0.00";
    QTest::newRow("largest") << 0xFF << 0xFF << "ff.FF";
}

void tst_Transport::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, text);
    sim::setFirmwareVersion(major, minor);
    QString version;
    QVERIFY(device->hid_80H_GetFWVersion(version));
    QCOMPARE(version, text);
}

void tst_Transport::failedValueReadKeepsOutParameter()
{
    sim::failCall(sim::Op::GetFeature);
    uchar stage = 7;
    QVERIFY(!device->hid_84H_GetDPIStage(stage, 4));
    QCOMPARE(stage, uchar(7));
    sim::unplug();
    QString version = QStringLiteral("1.05");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("sim/hidraw0"));
    QVERIFY(!device->hid_80H_GetFWVersion(version));
    QCOMPARE(version, QStringLiteral("unknown"));
}

void tst_Transport::getCopiesBackAnswer()
{
    sim::setDpiStage(1, 3);
    uchar packet[9] = { 0x00, 0x84, 0x01 };
    QVERIFY(device->hid_GetCmd(packet));
    QCOMPARE(hex(sim::Bytes(packet, packet + 9)), hex(sim::wire().at(1).bytes));
    QCOMPARE(packet[0], uchar(0x00));
    QCOMPARE(packet[3], uchar(3));
}

void tst_Transport::getCopiesBackAfterFailedRead()
{
    sim::setKeyMatrix(2, pattern(128, 5));
    sim::failCall(sim::Op::Read, 2);
    sim::Bytes data(128, 0xEE);
    QVERIFY(!device->hid_8DH_GetKeyMatrix(2, data.data()));
    const sim::Bytes first = pattern(128, 5);
    QVERIFY(std::equal(data.begin(), data.begin() + 64, first.begin()));
    QVERIFY(std::all_of(data.begin() + 64, data.end(), [](uchar b) { return b == 0; }));
}

void tst_Transport::getCopiesBackAfterFailedOpen()
{
    sim::unplug();
    sim::Bytes data(128, 0xEE);
    uchar packet[9] = { 0x00, 0x8C, 0x01 };
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("sim/hidraw0"));
    QVERIFY(!device->hid_GetDataCmd(packet, data.data(), 128));
    QCOMPARE(data, sim::Bytes(128, 0xEE));
    QCOMPARE(hex(sim::Bytes(packet, packet + 9)), QByteArray(18, '0'));
}

void tst_Transport::scrambledCommands()
{
    UsbDevice coded = simDevice();
    coded.scrambleOn = true;
    const std::string code = "Z4cfg1";
    std::copy(code.begin(), code.end(), coded.codeBytes.begin() + 1);
    sim::setCode(code);
    device->openDevice(coded);
    sim::clearWire();

    device->hid_03H_SetReportRate(3, 2);
    sim::Bytes sent = sim::wire().front().bytes;
    QCOMPARE(sent[0], uchar(0x00));
    QCOMPARE(hex(sent), QByteArray("0007ec80d16915afee"));
    sim::unscramblePacket(sent.data() + 1, code);
    QCOMPARE(hex(sent), QByteArray("0003020300000000f7"));
    QCOMPARE(sim::reportRate(2), 3);
    QCOMPARE(hex(sim::Bytes(device->currentTask().command.begin(), device->currentTask().command.end())),
        QByteArray("0003020300000000f7"));

    sim::setProfileImage(0, pattern(128, 9));
    sim::Bytes data(128, 0);
    QVERIFY(device->hid_8CH_GetFwProfile(0, data.data()));
    QCOMPARE(data, pattern(128, 9));
    QCOMPARE(sim::rejectedCommands(), 0);
}

void tst_Transport::blockedDeviceSendsNothing()
{
    device->master()->blocked = true;
    const int opensBefore = sim::openCount(sim::Role::Command);
    uchar value = 9;
    QString version;
    for (int i = 0; i < 4; ++i)
        QTest::ignoreMessage(QtDebugMsg, "true");
    device->hid_02H_SetCurrentProfile(1);
    device->hid_0CH_SetFwProfile(1, block);
    QVERIFY(!device->hid_82H_GetCurrentProfile(value));
    QVERIFY(!device->hid_8CH_GetFwProfile(1, block));
    QCOMPARE(value, uchar(9));
    QVERIFY(sim::wire().empty());
    QCOMPARE(sim::openCount(sim::Role::Command), opensBefore);
}

void tst_Transport::failedOpenSaysWhy_data()
{
    QTest::addColumn<Call>("arrange");
    QTest::addColumn<QString>("message");
    QTest::newRow("no permission") << Call([](MS_HT66FB560&) { sim::failCall(sim::Op::Open); })
                                   << "Cannot open HID device sim/hidraw0: Permission denied";
    QTest::newRow("absent") << Call([](MS_HT66FB560&) { sim::unplug(); })
                            << "Cannot open HID device sim/hidraw0: No such file or directory";
    QTest::newRow("nothing detected")
        << Call([](MS_HT66FB560& d) { d.openDevice(UsbDevice {}); }) << QString();
}

void tst_Transport::failedOpenSaysWhy()
{
    QFETCH(Call, arrange);
    QFETCH(QString, message);
    arrange(*device);
    if (!message.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(message));
    QTest::failOnWarning(QRegularExpression(".*"));
    uchar value = 0;
    QVERIFY(!device->hid_82H_GetCurrentProfile(value));
    QVERIFY(sim::wire().empty());
}

void tst_Transport::unpluggedBetweenExchanges()
{
    uchar value = 0;
    QVERIFY(device->hid_82H_GetCurrentProfile(value));
    sim::unplug();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such file"));
    QVERIFY(!device->hid_82H_GetCurrentProfile(value));
    QCOMPARE(shape(sim::wire()), QStringLiteral("F> F<"));
    sim::plug();
    QVERIFY(device->hid_82H_GetCurrentProfile(value));
}

void tst_Transport::unpluggedDuringWrite()
{
    sim::unplugAfter(sim::Op::Write, 1);
    const sim::Bytes before = sim::profileImage(1);
    sim::Bytes data = pattern(128, 1);
    device->hid_0CH_SetFwProfile(1, data.data());
    QCOMPARE(shape(sim::wire()), QStringLiteral("F> O"));
    sim::plug();
    QCOMPARE(sim::profileImage(1), before);
}

void tst_Transport::unpluggedDuringRead()
{
    sim::setProfileImage(3, pattern(128, 2));
    sim::unplugAfter(sim::Op::Read, 1);
    sim::Bytes data(128, 0xEE);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!device->hid_8CH_GetFwProfile(3, data.data()));
    QVERIFY2(timer.elapsed() < kCommandDelayMs + kSlackMs, "a removed mouse must not be waited for");
    const sim::Bytes first = pattern(128, 2);
    QVERIFY(std::equal(data.begin(), data.begin() + 64, first.begin()));
    QVERIFY(std::all_of(data.begin() + 64, data.end(), [](uchar b) { return b == 0; }));
}

void tst_Transport::dataReadGivesUp()
{
    sim::setWithholdBlocks(true);
    sim::Bytes data(128, 0xEE);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!device->hid_8CH_GetFwProfile(0, data.data()));
    const qint64 took = timer.elapsed();
    QVERIFY2(took >= 2 * kDataReadTimeoutMs && took < 2 * kDataReadTimeoutMs + kCommandDelayMs + kSlackMs,
        qPrintable(QString::number(took)));
    QCOMPARE(data, sim::Bytes(128, 0));
}

void tst_Transport::impossibleSizesFailAtOnce_data()
{
    QTest::addColumn<int>("reportLength");
    QTest::addColumn<int>("length");
    QTest::newRow("report length 0") << 0 << 128;
    QTest::newRow("report length negative") << -1 << 128;
    QTest::newRow("report length 513") << 513 << 128;
    QTest::newRow("data 513") << 64 << 513;
    QTest::newRow("data negative") << 64 << -1;
    QTest::newRow("data huge") << 64 << (1 << 30);
}

void tst_Transport::impossibleSizesFailAtOnce()
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
    QVERIFY(std::all_of(data.begin(), data.end(), [](uchar b) { return b == 0x11; }));
}

// Whole chunks of 300 bytes would reach past the 512-byte buffer for 400 bytes of data.
void tst_Transport::largeReportsStayInsideTheBuffer()
{
    UsbDevice wide = simDevice();
    wide.reportLength = 300;
    device->openDevice(wide);
    sim::clearWire();
    sim::Bytes data = pattern(400, 4);
    uchar packet[9] = { 0x00, 0x0C, 0x01, 0x80 };
    device->hid_SetDataCmd(packet, data.data(), 400);
    const auto wire = sim::wire();
    QCOMPARE(shape(wire), QStringLiteral("F> O O"));
    QCOMPARE(wire[1].bytes.size(), size_t(301));
    QCOMPARE(wire[2].bytes.size(), size_t(301));
    QVERIFY(std::equal(wire[2].bytes.begin() + 1, wire[2].bytes.begin() + 101, data.begin() + 300));
}

QTEST_GUILESS_MAIN(tst_Transport)
#include "tst_transport.moc"
