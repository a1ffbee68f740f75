#include "macro/keynamemap.h"

#include <initializer_list>

namespace {

// Names that take consecutive codes starting at `first`.
void insertRun(KeyNameMap& table, uchar first, std::initializer_list<const char*> names)
{
    uchar code = first;
    for (const char* name : names)
        table.insert(QString::fromUtf8(name), code++);
}

void insertNumbered(KeyNameMap& table, uchar first, const char* prefix, int from, int to)
{
    uchar code = first;
    for (int n = from; n <= to; ++n)
        table.insert(QString::fromUtf8(prefix) + QString::number(n), code++);
}

KeyNameMap buildTable()
{
    KeyNameMap table;
    for (int letter = 0; letter < 26; ++letter)
        table.insert(QString(QChar('A' + letter)), uchar(0x04 + letter));
    insertRun(table, 0x1E, { "1", "2", "3", "4", "5", "6", "7", "8", "9", "0" });
    insertRun(table, 0x28, { "Enter", "Esc", "Back", "Tab", "Space" });
    insertRun(table, 0x2D, { "- _", "= +", "[ {", "] }", "\\ |" });
    // 0x32 (the non-US hash key) has no name.
    insertRun(table, 0x33, { "; :", "' \"", "` ~", ", <", ". >", "/ ?" });
    insertRun(table, 0x39, { "Caps" });
    insertNumbered(table, 0x3A, "F", 1, 12);
    insertRun(table, 0x46, { "Prt", "Scr", "Pau", "Ins", "Hom", "PgU", "Del", "End", "PgD" });
    // Right, left, down and up arrows, from their code points: a narrow literal's bytes would
    // depend on the compiler's execution character set.
    uchar arrow = 0x4F;
    for (char16_t point : { 0x25BA, 0x25C4, 0x25BC, 0x25B2 })
        table.insert(QString(QChar(point)), arrow++);
    // "KP 7 " keeps the trailing blank that macro files written by the scene carry.
    insertRun(table, 0x53,
        { "Num", "KP /", "KP *", "KP -", "KP +", "KP Enter", "KP 1", "KP 2", "KP 3", "KP 4", "KP 5", "KP 6",
            "KP 7 ", "KP 8", "KP 9", "KP 0", "KP ." });
    insertRun(table, 0x64, { "Eur 2", "App", "Power", "KP =" });
    insertNumbered(table, 0x68, "F", 13, 24);
    insertRun(table, 0x85, { "Keypad" });
    // Two spellings for 0x88 and 0x89 are what existing macro files hold.
    insertRun(table, 0x87, { "Int'l 1", "Intl'2", "Int'l 2", "Int'l 4", "Int'l 5" });
    insertRun(table, 0x90, { "Lang 1", "Lang 2" });
    insertRun(table, 0xE0, { "L Ctrl", "L Shift", "L Alt", "L Win", "R Ctrl", "R Shift", "R Alt", "R Win" });
    insertRun(table, 0xF0, { "MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5" });
    return table;
}

// Built on first use, so an encoder that runs before the bridge exists still knows every name.
KeyNameMap& table()
{
    static KeyNameMap map = buildTable();
    return map;
}

} // namespace

void initKeyNameMap()
{
    table() = buildTable();
}

const KeyNameMap& keyNameMap()
{
    return table();
}

uchar keyCodeForName(const QString& name)
{
    return table().value(name, 0);
}
