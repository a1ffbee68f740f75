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

// The physical keys the capture knows, written out from the key layout rather than copied
// from the program's tables: name, scan code, extended flag, USB usage.
struct KeyRow {
    QByteArray name;
    int scan;
    std::uint32_t flags;
    int usage;
};

QList<KeyRow> knownKeys()
{
    QList<KeyRow> rows = { { "Esc", 0x01, 0, 0x29 }, { "digit 0", 0x0B, 0, 0x27 }, { "minus", 0x0C, 0, 0x2D },
        { "equals", 0x0D, 0, 0x2E }, { "Backspace", 0x0E, 0, 0x2A }, { "Tab", 0x0F, 0, 0x2B },
        { "left bracket", 0x1A, 0, 0x2F }, { "right bracket", 0x1B, 0, 0x30 }, { "Enter", 0x1C, 0, 0x28 },
        { "keypad Enter", 0x1C, E, 0x58 }, { "left Ctrl", 0x1D, 0, 0xE0 }, { "right Ctrl", 0x1D, E, 0xE4 },
        { "semicolon", 0x27, 0, 0x33 }, { "apostrophe", 0x28, 0, 0x34 }, { "grave", 0x29, 0, 0x35 },
        { "left Shift", 0x2A, 0, 0xE1 }, { "right Shift", 0x36, E, 0xE5 }, { "backslash", 0x2B, 0, 0x31 },
        { "comma", 0x33, 0, 0x36 }, { "period", 0x34, 0, 0x37 }, { "slash", 0x35, 0, 0x38 },
        { "keypad slash", 0x35, E, 0x54 }, { "keypad asterisk", 0x37, 0, 0x55 },
        { "Print Screen", 0x37, E, 0x46 }, { "left Alt", 0x38, 0, 0xE2 }, { "right Alt", 0x38, E, 0xE6 },
        { "Space", 0x39, 0, 0x2C }, { "Caps Lock", 0x3A, 0, 0x39 }, { "F11", 0x57, 0, 0x44 },
        { "F12", 0x58, 0, 0x45 }, { "F23", 0x6E, 0, 0x72 }, { "Pause", 0x45, 0, 0x48 },
        { "Num Lock", 0x45, E, 0x53 }, { "Scroll Lock", 0x46, 0, 0x47 }, { "keypad 7", 0x47, 0, 0x5F },
        { "keypad 8", 0x48, 0, 0x60 }, { "keypad 9", 0x49, 0, 0x61 }, { "keypad minus", 0x4A, 0, 0x56 },
        { "keypad 4", 0x4B, 0, 0x5C }, { "keypad 5", 0x4C, 0, 0x5D }, { "keypad 6", 0x4D, 0, 0x5E },
        { "keypad plus", 0x4E, 0, 0x57 }, { "keypad 1", 0x4F, 0, 0x59 }, { "keypad 2", 0x50, 0, 0x5A },
        { "keypad 3", 0x51, 0, 0x5B }, { "keypad 0", 0x52, 0, 0x62 }, { "keypad period", 0x53, 0, 0x63 },
        { "ISO extra key", 0x56, 0, 0x64 }, { "Home", 0x47, E, 0x4A }, { "Up", 0x48, E, 0x52 },
        { "Page Up", 0x49, E, 0x4B }, { "Left", 0x4B, E, 0x50 }, { "Right", 0x4D, E, 0x4F },
        { "End", 0x4F, E, 0x4D }, { "Down", 0x50, E, 0x51 }, { "Page Down", 0x51, E, 0x4E },
        { "Insert", 0x52, E, 0x49 }, { "Delete", 0x53, E, 0x4C }, { "left Windows", 0x5B, E, 0xE3 },
        { "Application", 0x5D, E, 0x65 } };
    for (int digit = 1; digit <= 9; ++digit)
        rows.append({ "digit " + QByteArray::number(digit), 0x01 + digit, 0, 0x1D + digit });
    const char* const letterRows[] = { "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM" };
    const int rowStarts[] = { 0x10, 0x1E, 0x2C };
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; letterRows[r][i]; ++i) {
            const char letter = letterRows[r][i];
            rows.append({ QByteArray("letter ") + letter, rowStarts[r] + i, 0, 0x04 + (letter - 'A') });
        }
    }
    for (int f = 1; f <= 10; ++f)
        rows.append({ "F" + QByteArray::number(f), 0x3A + f, 0, 0x39 + f });
    return rows;
}
} // namespace

class tst_InputHook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void eachKeyReportsOncePerTransition_data();
    void eachKeyReportsOncePerTransition();
    void keyTableIsComplete();
    void keyMessages_data();
    void keyMessages();
    void onlyChangesOfKeptStateAreReported();
    void mouseMessages_data();
    void mouseMessages();
    void evdevTranslation_data();
    void evdevTranslation();
    void installWithoutDisplayFails();

private:
    void press(int scan, std::uint32_t flags = 0) { hook->keyboardProc(0, InputHook::KeyDown, scan, flags); }
    void release(int scan, std::uint32_t flags = 0) { hook->keyboardProc(0, InputHook::KeyUp, scan, flags); }

    std::unique_ptr<InputHook> hook;
    int user = 0;
};

void tst_InputHook::initTestCase()
{
    // These tests drive the procedures directly; the X source is tested under Xvfb elsewhere.
    qunsetenv("DISPLAY");
}

// keyState is never reset, so every test starts from a fresh capture.
void tst_InputHook::init()
{
    reports.clear();
    hook.reset();
    hook = std::make_unique<InputHook>();
    QVERIFY(!hook->install());
    hook->setKeyCallback(onKey, &user);
    hook->setMouseCallback(onMouse, &user);
}

void tst_InputHook::eachKeyReportsOncePerTransition_data()
{
    QTest::addColumn<int>("scan");
    QTest::addColumn<uint>("flags");
    QTest::addColumn<int>("usage");
    for (const KeyRow& row : knownKeys())
        QTest::newRow(row.name.constData()) << row.scan << uint(row.flags) << row.usage;
    const uint alt = InputHook::AltDown;
    QTest::newRow("Ctrl+Break is Pause") << 0x46 << uint(E) << 0x48;
    QTest::newRow("Alt+Print Screen") << 0x54 << alt << 0x46;
    QTest::newRow("Alt+Print Screen, extended") << 0x54 << (alt | E) << 0x46;
    QTest::newRow("SysRq without Alt") << 0x54 << 0u << noReport;
    QTest::newRow("right Shift without extended bit") << 0x36 << 0u << noReport;
    QTest::newRow("right Windows key") << 0x5C << uint(E) << noReport;
    for (int scan = 0x64; scan <= 0x6D; ++scan)
        QTest::addRow("F%d", 13 + scan - 0x64) << scan << 0u << noReport;
    QTest::newRow("F24") << 0x76 << 0u << noReport;
    QTest::newRow("international RO") << 0x73 << 0u << noReport;
    QTest::newRow("scan code above 255") << 0x11E << 0u << noReport;
    QTest::newRow("scan code 0") << 0 << 0u << noReport;
    QTest::newRow("Alt flag on a normal key") << 0x1E << alt << 0x04;
}

void tst_InputHook::eachKeyReportsOncePerTransition()
{
    QFETCH(int, scan);
    QFETCH(uint, flags);
    QFETCH(int, usage);
    press(scan, flags);
    press(scan, flags); // auto-repeat
    press(scan, flags);
    release(scan, flags);
    release(scan, flags);
    const QList<Report> expected = usage ? QList<Report> { { usage, 1 }, { usage, 0 } } : QList<Report> {};
    QCOMPARE(reports, expected);
    QCOMPARE(hook->keyState(std::uint8_t(usage)), 0);
}

// A key the table knows but the list above misses would go untested.
void tst_InputHook::keyTableIsComplete()
{
    QCOMPARE(hook->scanTableSize(), std::size_t(knownKeys().size()));
}

void tst_InputHook::keyMessages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<uint>("message");
    QTest::addColumn<int>("reported");

    QTest::newRow("key down") << 0 << uint(InputHook::KeyDown) << 1;
    QTest::newRow("system key down") << 0 << uint(InputHook::SysKeyDown) << 1;
    QTest::newRow("key up") << 0 << uint(InputHook::KeyUp) << 0;
    QTest::newRow("system key up") << 0 << uint(InputHook::SysKeyUp) << 0;
    QTest::newRow("other message counts as release") << 0 << 0x102u << 0;
    QTest::newRow("down with non-action code counts as release") << 3 << uint(InputHook::KeyDown) << 0;
}

void tst_InputHook::keyMessages()
{
    QFETCH(int, code);
    QFETCH(uint, message);
    QFETCH(int, reported);
    press(0x1E); // A is down, so any release is a change
    reports.clear();
    hook->keyboardProc(code, message, 0x1E, 0);
    const QList<Report> expected = reported ? QList<Report> {} : QList<Report> { { 0x04, 0 } };
    QCOMPARE(reports, expected);
}

void tst_InputHook::onlyChangesOfKeptStateAreReported()
{
    release(0x1E); // never pressed
    hook->setKeyCallback(nullptr, nullptr);
    press(0x1E); // before registration: the state changes, nothing is reported
    hook->setKeyCallback(onKey, &user);
    press(0x1E);
    QVERIFY(reports.isEmpty());
    release(0x1E);
    QCOMPARE(reports, (QList<Report> { { 0x04, 0 } }));
}

void tst_InputHook::mouseMessages_data()
{
    QTest::addColumn<uint>("message");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("isDown");
    const struct {
        const char* name;
        uint message;
        int button, isDown;
    } rows[] = { { "left down", 0x201, 0xF0, 1 }, { "left up", 0x202, 0xF0, 0 },
        { "right down", 0x204, 0xF1, 1 }, { "right up", 0x205, 0xF1, 0 }, { "middle down", 0x207, 0xF2, 1 },
        { "middle up", 0x208, 0xF2, 0 }, { "left double-click", 0x203, noReport, 0 },
        { "right double-click", 0x206, noReport, 0 }, { "middle double-click", 0x209, noReport, 0 },
        { "wheel", 0x20A, noReport, 0 }, { "side button down", 0x20B, noReport, 0 },
        { "move", 0x200, noReport, 0 }, { "far outside", 0xFFFFFFFF, noReport, 0 } };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.message << row.button << row.isDown;
}

void tst_InputHook::mouseMessages()
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
void tst_InputHook::evdevTranslation_data()
{
    QTest::addColumn<uint>("evdev");
    QTest::addColumn<int>("usage");
    const struct {
        const char* name;
        uint evdev;
        int usage;
    } rows[] = { { "Esc, first direct code", 1, 0x29 }, { "F12, last direct code", 88, 0x45 },
        { "right Shift", 54, 0xE5 }, { "Num Lock", 69, 0x53 }, { "keypad Enter", 96, 0x58 },
        { "right Ctrl", 97, 0xE4 }, { "keypad slash", 98, 0x54 }, { "Print Screen", 99, 0x46 },
        { "right Alt", 100, 0xE6 }, { "Home", 102, 0x4A }, { "Up", 103, 0x52 }, { "Left", 105, 0x50 },
        { "Delete", 111, 0x4C }, { "Pause", 119, 0x48 }, { "left Windows", 125, 0xE3 },
        { "right Windows", 126, noReport }, { "Application", 127, 0x65 }, { "F13", 183, noReport },
        { "F23", 193, 0x72 }, { "F24", 194, noReport }, { "unknown", 600, noReport },
        { "zero", 0, noReport } };
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.evdev << row.usage;
}

void tst_InputHook::evdevTranslation()
{
    QFETCH(uint, evdev);
    QFETCH(int, usage);
    const ScanCode code = scanCodeFromEvdev(evdev);
    QCOMPARE(int(hook->keyboardProc(0, InputHook::KeyDown, code.scan, code.extended ? E : 0)), usage);
}

void tst_InputHook::installWithoutDisplayFails()
{
    QVERIFY(!hook->installed());
    QVERIFY(!hook->install()); // a second try replaces the first and fails alike
    QVERIFY(!hook->installed());
    press(0x1E); // the tables are in place all the same
    QCOMPARE(reports.size(), 1);
}

QTEST_GUILESS_MAIN(tst_InputHook)
#include "tst_inputhook.moc"
