#include "system/evdevscan.h"
#include "system/inputhook.h"

#include <QList>
#include <QTest>

namespace {
struct Report {
    int code;
    int isDown;
    int x = 0;
    int y = 0;
    bool operator==(const Report& other) const
    {
        return code == other.code && isDown == other.isDown && x == other.x && y == other.y;
    }
};
QList<Report> reports;

void onKey(std::uint8_t usage, std::uint8_t isDown, void* user)
{
    if (user)
        reports.append({ usage, isDown });
}

void onMouse(std::uint8_t button, std::uint8_t isDown, std::int32_t x, std::int32_t y, void* user)
{
    if (user)
        reports.append({ button, isDown, x, y });
}

constexpr std::uint32_t E = InputHook::Extended;
constexpr int noReport = 0;

// Keys whose scan code alone is ambiguous, or that the table leaves out: name, scan code,
// extended flag, USB usage (0: not reported).
struct KeyRow {
    const char* name;
    int scan;
    std::uint32_t flags;
    int usage;
};
const KeyRow kKeys[] = { { "letter A", 0x1E, 0, 0x04 }, { "keypad Enter", 0x1C, E, 0x58 },
    { "left Ctrl", 0x1D, 0, 0xE0 }, { "right Ctrl", 0x1D, E, 0xE4 }, { "right Shift", 0x36, E, 0xE5 },
    { "right Shift without extended bit", 0x36, 0, noReport }, { "backslash", 0x2B, 0, 0x31 },
    { "Print Screen", 0x37, E, 0x46 }, { "Pause", 0x45, 0, 0x48 }, { "Num Lock", 0x45, E, 0x53 },
    { "keypad 7", 0x47, 0, 0x5F }, { "Home", 0x47, E, 0x4A }, { "left Windows", 0x5B, E, 0xE3 },
    { "right Windows", 0x5C, E, noReport }, { "F13", 0x64, 0, noReport }, { "F23", 0x6E, 0, 0x72 },
    { "scan code above 255", 0x11E, 0, noReport }, { "scan code 0", 0, 0, noReport } };
} // namespace

class tst_InputHook : public QObject {
    Q_OBJECT

    void press(int scan, std::uint32_t flags = 0) { hook->keyboardProc(0, InputHook::KeyDown, scan, flags); }
    void release(int scan, std::uint32_t flags = 0) { hook->keyboardProc(0, InputHook::KeyUp, scan, flags); }

    std::unique_ptr<InputHook> hook;
    int user = 0;

private slots:
    void initTestCase()
    {
        // These tests drive the procedures directly; the X source is tested under Xvfb elsewhere.
        qunsetenv("DISPLAY");
    }
    // keyState is never reset, so every test starts from a fresh capture.
    void init()
    {
        reports.clear();
        hook.reset();
        hook = std::make_unique<InputHook>();
        QVERIFY(!hook->install());
        hook->setKeyCallback(onKey, &user);
        hook->setMouseCallback(onMouse, &user);
    }
    void eachKeyReportsOncePerTransition_data()
    {
        QTest::addColumn<int>("scan");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<int>("usage");
        for (const KeyRow& row : kKeys)
            QTest::newRow(row.name) << row.scan << uint(row.flags) << row.usage;
        const uint alt = InputHook::AltDown;
        QTest::newRow("Ctrl+Break is Pause") << 0x46 << uint(E) << 0x48;
        QTest::newRow("Alt+Print Screen") << 0x54 << alt << 0x46;
        QTest::newRow("Alt+Print Screen, extended") << 0x54 << (alt | E) << 0x46;
        QTest::newRow("SysRq without Alt") << 0x54 << 0u << noReport;
        QTest::newRow("Alt flag on a normal key") << 0x1E << alt << 0x04;
    }
    void eachKeyReportsOncePerTransition()
    {
        QFETCH(int, scan);
        QFETCH(uint, flags);
        QFETCH(int, usage);
        press(scan, flags);
        press(scan, flags); // auto-repeat
        press(scan, flags);
        release(scan, flags);
        release(scan, flags);
        const QList<Report> expected
            = usage ? QList<Report> { { usage, 1 }, { usage, 0 } } : QList<Report> {};
        QCOMPARE(reports, expected);
        QCOMPARE(hook->keyState(std::uint8_t(usage)), 0);
    }
    void mouseMessages_data()
    {
        QTest::addColumn<uint>("message");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("isDown");
        const struct {
            const char* name;
            uint message;
            int button, isDown;
        } rows[] = { { "left down", 0x201, 0xF0, 1 }, { "left up", 0x202, 0xF0, 0 },
            { "left double-click", 0x203, noReport, 0 }, { "wheel", 0x20A, noReport, 0 },
            { "far outside", 0xFFFFFFFF, noReport, 0 } };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.message << row.button << row.isDown;
    }
    void mouseMessages()
    {
        QFETCH(uint, message);
        QFETCH(int, button);
        QFETCH(int, isDown);
        hook->mouseProc(message, 640, -20);
        hook->mouseProc(message, 640, -20); // buttons have no repeat suppression
        const QList<Report> expected = button
            ? QList<Report> { { button, isDown, 640, -20 }, { button, isDown, 640, -20 } }
            : QList<Report> {};
        QCOMPARE(reports, expected);
    }
    // Linux key codes: the direct range's ends and the codes that differ from the scan code set.
    void evdevTranslation_data()
    {
        QTest::addColumn<uint>("evdev");
        QTest::addColumn<int>("usage");
        const struct {
            const char* name;
            uint evdev;
            int usage;
        } rows[] = { { "Esc, first direct code", 1, 0x29 }, { "F12, last direct code", 88, 0x45 },
            { "right Ctrl", 97, 0xE4 }, { "Pause", 119, 0x48 }, { "F23", 193, 0x72 },
            { "F24", 194, noReport }, { "zero", 0, noReport } };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.evdev << row.usage;
    }
    void evdevTranslation()
    {
        QFETCH(uint, evdev);
        QFETCH(int, usage);
        const ScanCode code = scanCodeFromEvdev(evdev);
        QCOMPARE(int(hook->keyboardProc(0, InputHook::KeyDown, code.scan, code.extended ? E : 0)), usage);
    }
};

QTEST_GUILESS_MAIN(tst_InputHook)
#include "tst_inputhook.moc"
