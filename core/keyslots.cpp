#include "core/keyslots.h"

#include "macro/macrolibrary.h"
#include "store/profilestore.h"

namespace keyslots {
namespace {

using keyfunctions::Slot;
constexpr uchar kKeyboardType = 0x00;
constexpr uchar kButtonType = 0x01;
constexpr uchar kMediaType = 0x03;
constexpr uchar kScrollType = 0x04;
constexpr uchar kDpiType = 0x07;
constexpr uchar kProfileType = 0x08;
constexpr uchar kMacroType = 0x09;
constexpr uchar kFireType = 0x0A;
constexpr uchar kLedType = 0x0C;
constexpr uchar kFirstButton = 0xF0;
constexpr Slot kLeftButton { kButtonType, 0, kFirstButton, 0 };
constexpr Slot kDefaults[ProfileStore::kKeySlots] = { { 1, 0, 0xF0, 0 }, { 1, 0, 0xF1, 0 }, { 1, 0, 0xF2, 0 },
    { 1, 0, 0xF4, 0 }, { 1, 0, 0xF3, 0 }, { 7, 0, 1, 0 }, { 7, 0, 2, 0 }, { 0x0A, 0xF0, 0x22, 3 },
    { 5, 0, 3, 0 }, { 3, 0, 0x8A, 1 }, { 3, 0, 0x23, 2 }, { 3, 0, 0x94, 1 }, { 0, 0, 0, 0 }, { 0, 0, 0, 0 },
    { 4, 0, 1, 0 }, { 4, 0, 2, 0 } };

QVariantMap withCategory(int category, const QVariantMap& fields = {})
{
    QVariantMap out = clearedView();
    out[QStringLiteral("category")] = category;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        out[it.key()] = it.value();
    return out;
}

int lowestBit(uchar bits)
{
    for (int bit = 0; bit < 8; ++bit) {
        if (bits & (1 << bit))
            return bit + 1;
    }
    return 0;
}

QVariantMap mouseView(const Slot& s)
{
    if (s[0] == kButtonType && s[1] == 0 && s[2] != 0 && s[3] == 0)
        return withCategory(Mouse, { { "mouse", s[2] >= 0xF0 && s[2] <= 0xF4 ? s[2] - 0xF0 : -1 } });
    if (s[0] == kScrollType && s[1] == 0 && (s[2] == 1 || s[2] == 2) && s[3] == 0)
        return withCategory(Mouse, { { "mouse", kScrollUpRow + s[2] - 1 } });
    // Only the three DPI functions have a row; other codes show the category without one.
    if (s[0] == kDpiType && s[1] == 0 && s[3] == 0)
        return withCategory(Mouse, { { "mouse", s[2] >= 1 && s[2] <= 3 ? s[2] + 5 : -1 } });
    return {};
}

QVariantMap macroView(const Slot& s, const MacroLibrary* library)
{
    QString name;
    int count = 1;
    for (const QString& file : library ? library->names() : QStringList()) {
        const QString macro = file.chopped(4);
        if (library->index(macro) == s[2] - 1) {
            name = macro;
            count = library->repeat(macro);
            break;
        }
    }
    return withCategory(Macro, { { "macroName", name }, { "macroMode", s[1] }, { "macroCount", count } });
}

QVariantMap fireView(const Slot& s)
{
    if (s[1] == kFirstButton && s[2] == 0x21 && s[3] == 0x03)
        return withCategory(Mouse, { { "mouse", kTripleClickRow } });
    const bool button = s[1] >= kFirstButton && s[1] <= kFirstButton + 4;
    const int speed = 7 - qRound((qMax(int(s[2]), 10) - 10) / 35.0);
    return withCategory(Fire,
        { { "fireUsesKey", !button }, { "fireButton", button ? s[1] - kFirstButton : -1 },
            { "fireKey", button ? 0 : s[1] }, { "fireSpeed", qBound(0, speed, 7) }, { "fireCount", s[3] } });
}

int field(const QVariantMap& choice, const char* name, int fallback = -1)
{
    bool ok = false;
    const int value = choice.value(QLatin1String(name)).toInt(&ok);
    return ok ? value : fallback;
}

std::optional<Slot> fireChoice(const QVariantMap& c)
{
    const int button = field(c, "fireButton");
    const int source = c.value(QStringLiteral("fireUsesKey")).toBool()
        ? field(c, "fireKey")
        : (button >= 0 && button <= 4 ? kFirstButton + button : 0);
    if (source <= 0 || source > 255)
        return std::nullopt;
    const int speed = qBound(0, field(c, "fireSpeed", kFireSpeedDefault), 7);
    return Slot { kFireType, uchar(source), uchar((7 - speed) * 35 + 10),
        uchar(field(c, "fireCount", 0) & 0xFF) };
}

} // namespace

std::optional<Slot> fromList(const QVariantList& list)
{
    if (list.size() < 4)
        return std::nullopt;
    Slot slot {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const QString text = list.at(i).toString().trimmed();
        const int v = text.toInt(&ok);
        if (!ok || v < 0 || v > 255)
            return std::nullopt;
        slot[size_t(i)] = uchar(v);
    }
    return slot;
}

QVariantList toList(const Slot& slot)
{
    return { slot[0], slot[1], slot[2], slot[3] };
}

QVariantMap clearedView()
{
    return { { "category", None }, { "key", 0 }, { "mouse", -1 }, { "media", -1 }, { "modifier", 0 },
        { "key1", 0 }, { "key2", 0 }, { "macroName", QString() }, { "macroMode", 0 }, { "macroCount", 1 },
        { "fireUsesKey", false }, { "fireButton", -1 }, { "fireKey", 0 }, { "fireSpeed", kFireSpeedDefault },
        { "fireCount", 10 } };
}

QVariantMap view(const Slot& s, const MacroLibrary* library)
{
    switch (s[0]) {
    case kKeyboardType:
        if (s == Slot {})
            return clearedView(); // nothing: z4ctl's "disable"
        if (s[1] == 0 && s[2] != 0 && s[3] == 0)
            return withCategory(Keyboard, { { "key", s[2] } });
        return withCategory(Combo, { { "modifier", lowestBit(s[1]) }, { "key1", s[2] }, { "key2", s[3] } });
    case kButtonType:
    case kScrollType:
    case kDpiType:
        return mouseView(s);
    case kMediaType:
        if (s[1] != 0 || s[2] == 0)
            return {};
        return withCategory(
            Media, { { "media", int(keyfunctions::mediaUsages().indexOf(s[3] * 256 + s[2])) } });
    case kMacroType:
        return macroView(s, library);
    case kFireType:
        return fireView(s);
    case kLedType:
        return s == keyfunctions::ledControl() ? withCategory(Led) : QVariantMap();
    case kProfileType:
        return s == keyfunctions::profileSwitch() ? withCategory(Profile) : QVariantMap();
    default:
        return clearedView();
    }
}

std::optional<Slot> fromChoice(const QVariantMap& c)
{
    const QList<Slot> rows = keyfunctions::mouseRowSlots();
    const QList<int> media = keyfunctions::mediaUsages();
    switch (field(c, "category")) {
    case Keyboard: {
        const int key = field(c, "key");
        return key > 0 && key <= 255 ? std::optional<Slot>(Slot { kKeyboardType, 0, uchar(key), 0 })
                                     : std::nullopt;
    }
    case Mouse: {
        const int row = field(c, "mouse");
        return row >= 0 && row < rows.size() ? std::optional<Slot>(rows.at(row)) : std::nullopt;
    }
    case Media: {
        const int row = field(c, "media");
        if (row < 0 || row >= media.size())
            return std::nullopt;
        return Slot { kMediaType, 0, uchar(media.at(row) & 0xFF), uchar(media.at(row) >> 8) };
    }
    case None:
        return Slot {};
    case Combo: {
        if (field(c, "key1") < 0 || field(c, "key2") < 0)
            return std::nullopt;
        const int modifier = field(c, "modifier", 0);
        const uchar bits = modifier > 0 && modifier <= 8 ? uchar(1 << (modifier - 1)) : 0;
        return Slot { kKeyboardType, bits, uchar(field(c, "key1", 0) & 0xFF),
            uchar(field(c, "key2", 0) & 0xFF) };
    }
    case Fire:
        return fireChoice(c);
    case Led:
        return keyfunctions::ledControl();
    case Profile:
        return keyfunctions::profileSwitch();
    default:
        return std::nullopt;
    }
}

QVariantList flatten(const QVariantList& keySlots)
{
    QVariantList matrix;
    for (int i = 0; i < ProfileStore::kKeySlots; ++i)
        matrix += toList(fromList(keySlots.value(i).toList()).value_or(Slot {}));
    return matrix;
}

Slot defaultSlot(int slot)
{
    return slot >= 0 && slot < ProfileStore::kKeySlots ? kDefaults[slot] : Slot {};
}

bool needsLeftGuard(const QVariantList& matrix, int slot, int reachableButtons)
{
    const auto slotAt = [&matrix](int s) { return fromList(matrix.mid(s * 4, 4)); };
    if (slot < 0 || slotAt(slot) != kLeftButton)
        return false;
    int lefts = 0;
    for (int b = 1; b <= qMin(reachableButtons, keyfunctions::buttonCount()); ++b)
        lefts += slotAt(keyfunctions::slotOfButton(b)) == kLeftButton ? 1 : 0;
    return lefts <= 1;
}

QList<int> playedMacros(const QVariantList& matrix)
{
    QList<int> played;
    for (int at = 0; at + 4 <= qMin(int(matrix.size()), ProfileStore::kKeySlots * 4); at += 4) {
        const std::optional<Slot> s = fromList(matrix.mid(at, 4));
        if (s && (*s)[0] == kMacroType && (*s)[3] == 0 && (*s)[2] >= 1 && (*s)[2] <= ProfileStore::kMacroSlots
            && !played.contains((*s)[2] - 1))
            played << (*s)[2] - 1;
    }
    return played;
}

} // namespace keyslots
