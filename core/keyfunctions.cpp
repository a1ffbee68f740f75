#include "core/keyfunctions.h"

#include "macro/keynamemap.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

constexpr uchar kKeyboard = 0x00;
constexpr uchar kMedia = 0x03;
constexpr uchar kMacro = 0x09;
constexpr uchar kFire = 0x0A;
constexpr uchar kFirstButton = 0xF0; // F0..F4: left, right, middle, backward, forward
constexpr uchar kFirstModifier = 0xE0; // E0..E7: the combination's modifier keys
constexpr int kSpeedSteps = 7;
const QStringList kButtons = { "left", "right", "middle", "backward", "forward" };
const QStringList kModes = { "normal-play", "always-repeat", "repeat-on-pressed" };
const QStringList kArrows = { "right", "left", "down", "up" }; // the table's 4F..52

// The key and colour pages' table (functiontable.json), which the scene reads through the bridge.
const QJsonObject& table()
{
    static const QJsonObject loaded = [] {
        QFile file(QStringLiteral(":/functiontable.json"));
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                              : QJsonObject();
    }();
    return loaded;
}

QString cliName(const QString& shown)
{
    static const QRegularExpression gaps(QStringLiteral("[^a-z0-9+]+"));
    QString name = shown.toLower().replace(gaps, QStringLiteral("-"));
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    return name;
}

keyfunctions::Slot slotOf(const QJsonValue& bytes)
{
    keyfunctions::Slot slot {};
    const QJsonArray list = bytes.toArray();
    for (int i = 0; i < 4 && i < list.size(); ++i)
        slot[size_t(i)] = uchar(list.at(i).toInt());
    return slot;
}

// The key table's names as typed: lower case, blanks as "-", arrows by direction.
QString keyCliName(const QString& name, uchar code)
{
    if (code >= 0x4F && code <= 0x52)
        return kArrows.at(code - 0x4F);
    return name.trimmed().toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

int keyCode(const QString& typed)
{
    const QString name = typed.toLower();
    static const QStringList plainModifiers = { "ctrl", "shift", "alt", "win" };
    if (plainModifiers.contains(name))
        return kFirstModifier + int(plainModifiers.indexOf(name));
    bool hex = false;
    const int code = name.startsWith(QLatin1String("0x")) ? name.mid(2).toInt(&hex, 16) : 0;
    if (hex)
        return code >= 0x04 && code <= 0xE7 ? code : -1;
    const KeyNameMap& keys = keyNameMap();
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        if (it.value() < kFirstButton && keyCliName(it.key(), it.value()) == name)
            return it.value();
    }
    return -1;
}

QString keyName(uchar code)
{
    if (code >= kFirstModifier && code < kFirstModifier + 4)
        return QStringList { "ctrl", "shift", "alt", "win" }.at(code - kFirstModifier);
    const QString name = keyNameMap().key(code);
    return name.isEmpty() ? QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0'))
                          : keyCliName(name, code);
}

bool refuse(QString* problem, const QString& text)
{
    if (problem)
        *problem = text;
    return false;
}

int number(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? value : -1;
}

bool parseCombo(const QString& keysText, keyfunctions::Slot& slot, QString* problem)
{
    int keys = 0;
    for (const QString& token : keysText.split(QLatin1Char('+'))) {
        const int code = keyCode(token);
        if (code < 0)
            return refuse(problem,
                QStringLiteral("unknown key '%1' in combo:%2 (key names as in 'key:')").arg(token, keysText));
        const bool modifier = code >= kFirstModifier && code < kFirstModifier + 8;
        if (modifier && slot[1] == 0 && keys == 0) {
            slot[1] = uchar(1 << (code - kFirstModifier));
        } else if (keys < 2) {
            slot[size_t(2 + keys++)] = uchar(code);
        } else {
            return refuse(
                problem, QStringLiteral("combo:%1 has more than one modifier and two keys").arg(keysText));
        }
    }
    return keys > 0 || refuse(problem, QStringLiteral("combo:%1 names no key").arg(keysText));
}

bool parseFire(const QStringList& parts, keyfunctions::Slot& slot, QString* problem)
{
    if (parts.size() != 3)
        return refuse(problem, QStringLiteral("fire takes KEY:SPEED:COUNT, e.g. fire:left:7:10"));
    const int button = int(kButtons.indexOf(parts.at(0).toLower()));
    const int source = button >= 0 ? kFirstButton + button : keyCode(parts.at(0));
    const int speed = number(parts.at(1), 0, kSpeedSteps);
    const int count = number(parts.at(2), 0, 255);
    if (source < 0)
        return refuse(problem,
            QStringLiteral("unknown fire key '%1' (left, right, middle, backward, forward or a key name)")
                .arg(parts.at(0)));
    if (speed < 0)
        return refuse(problem, QStringLiteral("fire speed '%1' is not 0..7").arg(parts.at(1)));
    if (count < 0)
        return refuse(problem, QStringLiteral("fire count '%1' is not 0..255").arg(parts.at(2)));
    slot = { kFire, uchar(source), uchar((kSpeedSteps - speed) * 35 + 10), uchar(count) };
    return true;
}

bool parseMacro(const QStringList& parts, keyfunctions::Function* out, QString* problem)
{
    if (parts.isEmpty() || parts.at(0).isEmpty() || parts.size() > 3)
        return refuse(problem, QStringLiteral("macro takes NAME[:MODE[:COUNT]]"));
    out->macro = parts.at(0);
    if (parts.size() > 1) {
        out->macroMode = int(kModes.indexOf(parts.at(1).toLower()));
        if (out->macroMode < 0)
            out->macroMode = number(parts.at(1), 0, 2);
        if (out->macroMode < 0)
            return refuse(
                problem, QStringLiteral("unknown macro mode '%1' (%2)").arg(parts.at(1), kModes.join(", ")));
    }
    if (parts.size() > 2 && (out->macroCount = number(parts.at(2), 0, 65535)) < 0)
        return refuse(problem, QStringLiteral("macro count '%1' is not 0..65535").arg(parts.at(2)));
    out->bytes = { kMacro, uchar(out->macroMode), 0, 0 };
    return true;
}

QString fireName(const keyfunctions::Slot& s)
{
    const QString source
        = s[1] >= kFirstButton && s[1] <= kFirstButton + 4 ? kButtons.at(s[1] - kFirstButton) : keyName(s[1]);
    const int speed = kSpeedSteps - qRound((qMax(int(s[2]), 10) - 10) / 35.0);
    return QStringLiteral("fire:%1:%2:%3").arg(source).arg(qBound(0, speed, kSpeedSteps)).arg(s[3]);
}

QString comboName(const keyfunctions::Slot& s)
{
    QStringList parts;
    for (int bit = 0; bit < 8; ++bit) {
        if (s[1] & (1 << bit)) {
            parts << keyName(uchar(kFirstModifier + bit));
            break; // the page shows the lowest bit only
        }
    }
    for (int i = 2; i < 4; ++i) {
        if (s[size_t(i)])
            parts << keyName(s[size_t(i)]);
    }
    return QStringLiteral("combo:") + parts.join(QLatin1Char('+'));
}

} // namespace

namespace keyfunctions {

QStringList names(const QString& kind)
{
    QStringList out;
    if (kind == QLatin1String("key")) {
        const KeyNameMap& keys = keyNameMap();
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            if (it.value() < kFirstButton)
                out << keyCliName(it.key(), it.value());
        }
    } else if (kind == QLatin1String("media")) {
        for (const QJsonValue& name : table().value("mediaFallbacks").toArray())
            out << cliName(name.toString());
    } else {
        const QString prefix = kind + QLatin1Char(':');
        for (const QJsonValue& row : table().value("mouseRows").toArray()) {
            const QString cli = row.toObject().value("cli").toString();
            if (cli.startsWith(prefix))
                out << cli.mid(prefix.size());
        }
    }
    return out;
}

QVariantMap tableMap()
{
    return table().toVariantMap();
}

QList<Slot> mouseRowSlots()
{
    QList<Slot> rows;
    for (const QJsonValue& row : table().value("mouseRows").toArray())
        rows << slotOf(row.toObject().value("bytes"));
    return rows;
}

QList<int> mediaUsages()
{
    QList<int> usages;
    for (const QJsonValue& usage : table().value("mediaUsages").toArray())
        usages << usage.toInt();
    return usages;
}

Slot ledControl()
{
    return slotOf(table().value("ledControl"));
}

Slot profileSwitch()
{
    return slotOf(table().value("profileSwitch"));
}

QStringList macroModeNames()
{
    return kModes;
}

bool parse(const QString& text, Function* out, QString* problem)
{
    *out = Function {};
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString kind = text.left(colon).toLower();
    const QString rest = colon < 0 ? QString() : text.mid(colon + 1);
    if (colon < 0 && (kind == QLatin1String("led") || kind == QLatin1String("disable"))) {
        out->bytes = kind == QLatin1String("led") ? slotOf(table().value("ledControl")) : Slot {};
        return true;
    }
    for (const QJsonValue& row : table().value("mouseRows").toArray()) {
        if (row.toObject().value("cli").toString() == text.toLower()) {
            out->bytes = slotOf(row.toObject().value("bytes"));
            return true;
        }
    }
    if (kind == QLatin1String("key")) {
        const int code = keyCode(rest);
        out->bytes = { kKeyboard, 0, uchar(qMax(code, 0)), 0 };
        return code >= 0
            || refuse(problem,
                QStringLiteral("unknown key name '%1' (e.g. key:b, key:f5, key:enter, key:0x2c)").arg(rest));
    }
    if (kind == QLatin1String("media")) {
        const int row = int(names("media").indexOf(rest.toLower()));
        const int usage = table().value("mediaUsages").toArray().at(qMax(row, 0)).toInt();
        out->bytes = { kMedia, 0, uchar(usage & 0xFF), uchar(usage >> 8) };
        return row >= 0
            || refuse(
                problem, QStringLiteral("unknown media name '%1' (%2)").arg(rest, names("media").join(", ")));
    }
    if (kind == QLatin1String("profile") && rest.toLower() == QLatin1String("switch")) {
        out->bytes = slotOf(table().value("profileSwitch"));
        return true;
    }
    if (kind == QLatin1String("combo"))
        return parseCombo(rest, out->bytes, problem);
    if (kind == QLatin1String("fire"))
        return parseFire(rest.split(QLatin1Char(':')), out->bytes, problem);
    if (kind == QLatin1String("macro"))
        return parseMacro(rest.split(QLatin1Char(':')), out, problem);
    return refuse(problem,
        QStringLiteral("unknown function '%1' (key:, combo:, mouse:, media:, dpi:, profile:switch, fire:, "
                       "macro:, led, disable)")
            .arg(text));
}

QString describe(const Slot& slot, const std::function<QString(int id)>& macroName)
{
    for (const QJsonValue& row : table().value("mouseRows").toArray()) {
        if (slotOf(row.toObject().value("bytes")) == slot)
            return row.toObject().value("cli").toString();
    }
    if (slot == Slot {})
        return QStringLiteral("disable");
    if (slot == slotOf(table().value("ledControl")))
        return QStringLiteral("led");
    if (slot == slotOf(table().value("profileSwitch")))
        return QStringLiteral("profile:switch");
    if (slot[0] == kKeyboard)
        return slot[1] == 0 && slot[3] == 0 ? QStringLiteral("key:") + keyName(slot[2]) : comboName(slot);
    const int usage = slot[3] * 256 + slot[2];
    const int media = int(table().value("mediaUsages").toArray().toVariantList().indexOf(usage));
    if (slot[0] == kMedia && slot[1] == 0 && media >= 0)
        return QStringLiteral("media:") + names("media").at(media);
    if (slot[0] == kFire)
        return fireName(slot);
    if (slot[0] == kMacro && slot[1] < 3 && slot[3] == 0) {
        const QString name = macroName ? macroName(slot[2]) : QString();
        return QStringLiteral("macro:%1:%2")
            .arg(name.isEmpty() ? QStringLiteral("#%1").arg(slot[2]) : name, kModes.at(slot[1]));
    }
    return QStringLiteral("raw:%1%2%3%4")
        .arg(slot[0], 2, 16, QLatin1Char('0'))
        .arg(slot[1], 2, 16, QLatin1Char('0'))
        .arg(slot[2], 2, 16, QLatin1Char('0'))
        .arg(slot[3], 2, 16, QLatin1Char('0'));
}

int slotOfButton(int button)
{
    const QJsonArray slotTable = table().value("buttonSlots").toArray();
    return button >= 1 && button <= slotTable.size() ? slotTable.at(button - 1).toInt() : -1;
}

int buttonCount()
{
    return int(table().value("buttonSlots").toArray().size());
}

QStringList builtinButtonNames()
{
    return table().value("buttonNames").toVariant().toStringList();
}

QStringList effectNames()
{
    QStringList out;
    for (const QJsonValue& name : table().value("effectNames").toArray())
        out << cliName(name.toString());
    return out;
}

int effectId(const QString& name)
{
    return int(effectNames().indexOf(name.toLower()));
}

bool hasSpeedRange(int effect)
{
    return table().value("effectSpeedRanges").toArray().at(effect).toArray().size() == 2;
}

// The device value falls as the slider rises; effects without a range keep 0.
uchar speedValue(int effect, int index)
{
    const QJsonArray range = table().value("effectSpeedRanges").toArray().at(effect).toArray();
    if (range.size() != 2)
        return 0;
    const int s = qBound(0, index, kSpeedSteps);
    return uchar(qRound((kSpeedSteps - s) * range.at(1).toDouble() / kSpeedSteps) + range.at(0).toInt());
}

int speedIndex(int effect, uint value)
{
    const QJsonArray range = table().value("effectSpeedRanges").toArray().at(effect).toArray();
    if (range.size() != 2)
        return 0;
    const double steps = (double(value) - range.at(0).toInt()) * kSpeedSteps / range.at(1).toDouble();
    return qBound(0, kSpeedSteps - int(qRound(steps)), kSpeedSteps);
}

uchar brightnessValue(int index)
{
    return uchar(qRound(qBound(0, index, kSpeedSteps) * 255.0 / kSpeedSteps));
}

int brightnessIndex(uint value)
{
    return qBound(0, int(qRound(qMin(value, 255u) * double(kSpeedSteps) / 255)), kSpeedSteps);
}

} // namespace keyfunctions
