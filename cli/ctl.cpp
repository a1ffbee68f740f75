#include "cli/ctl.h"

#include "cli/ctlsession.h"
#include "cli/ctlshow.h"
#include "core/keyfunctions.h"
#include "core/transaction.h"
#include "device/devinfo.h"
#include "macro/macrolibrary.h"
#include "store/profilefiles.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSettings>
#include <QTextStream>

#include <optional>

namespace {

using namespace ctl;
constexpr int kStages = 8;
constexpr uchar kStageCross = 0xFF;
constexpr uchar kStageMaxWire = 0xCF; // the code 160, as the firmware wants it
const QString kDefaultProfiles = QStringLiteral("./modules/setting/pD_Z4.bin");

// One command line: the words left after the global options, and where the answers go.
struct Call {
    bool json = false;
    bool dryRun = false;
    QString command;
    QStringList words;
    QTextStream& out;
    QTextStream& err;

    int refuse(const QString& text) const
    {
        err << "z4ctl: " << text << '\n';
        return kUsage;
    }
    // Removes "--name VALUE" and answers VALUE; nullopt when absent, an empty text when the
    // value is missing.
    std::optional<QString> option(const QString& name)
    {
        const qsizetype at = words.indexOf(name);
        if (at < 0)
            return std::nullopt;
        const QString value = at + 1 < words.size() ? words.at(at + 1) : QString();
        words.remove(at, at + 1 < words.size() ? 2 : 1);
        return value;
    }
};

// Profiles as the window numbers them, P01..P05; -1 otherwise.
int profileNumber(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 5 ? n : -1;
}

int badProfile(const Call& c, const QString& text)
{
    return c.refuse(QStringLiteral("profile '%1' is not 1..5").arg(text));
}

// Takes "--profile N" out of the words: 0 when absent (the current profile), -1 after a refusal.
int profileOption(Call& c)
{
    const std::optional<QString> given = c.option(QStringLiteral("--profile"));
    if (!given)
        return 0;
    const int n = profileNumber(*given);
    return n < 0 ? (badProfile(c, *given), -1) : n;
}

int extraWords(const Call& c, int allowed)
{
    return c.refuse(QStringLiteral("unexpected '%1'").arg(c.words.value(allowed)));
}

bool parseColors(const QString& text, QVariantList* rgb, QString* bad)
{
    static const QRegularExpression color(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    const QStringList list = text.split(QLatin1Char(','));
    if (list.size() > kStages) {
        *bad = QStringLiteral("more than 8 colours");
        return false;
    }
    for (const QString& c : list) {
        if (!color.match(c).hasMatch()) {
            *bad = QStringLiteral("colour '%1' is not #RRGGBB").arg(c);
            return false;
        }
        const uint v = c.mid(1).toUInt(nullptr, 16);
        *rgb << int(v >> 16) << int((v >> 8) & 0xFF) << int(v & 0xFF);
    }
    return true;
}

int cmdList(Call& c)
{
    if (!c.words.isEmpty())
        return extraWords(c, 0);
    const QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    const QList<DevInfo> catalogue = loadCatalogue(
        QStringLiteral(":/DevInfo.ini"), config.value(QStringLiteral("common/product_name")).toStringList());
    QJsonArray mice;
    if (catalogue.size() > MS_HT66FB560::kDetectedEntry) {
        for (const FoundMouse& m : MS_HT66FB560::listMice(catalogue.at(MS_HT66FB560::kDetectedEntry))) {
            const QString id = QStringLiteral("%1:%2")
                                   .arg(m.vendorId, 4, 16, QLatin1Char('0'))
                                   .arg(m.productId, 4, 16, QLatin1Char('0'));
            if (!c.json)
                c.out << m.path << "  " << id << "  " << m.name << '\n';
            mice.append(QJsonObject { { "path", m.path }, { "vendor_id", id.left(4) },
                { "product_id", id.mid(5) }, { "name", m.name } });
        }
    }
    if (c.json)
        c.out << QJsonDocument(mice).toJson(QJsonDocument::Compact) << '\n';
    return kOk;
}

// The optional profile of `profile` and `show`: 0 when absent, -1 after a refusal.
int profileWord(Call& c)
{
    if (c.words.size() > 1)
        return extraWords(c, 1), -1;
    const int wanted = c.words.isEmpty() ? 0 : profileNumber(c.words.first());
    return wanted < 0 ? (badProfile(c, c.words.first()), -1) : wanted;
}

int cmdProfile(Call& c)
{
    const int wanted = profileWord(c);
    if (wanted < 0)
        return kUsage;
    Session s(c.dryRun, c.err);
    std::optional<Transaction> change;
    if (wanted > 0 && !change.emplace(s.profiles()).held())
        return s.busy();
    if (!s.connect() && wanted > 0) {
        c.err << "z4ctl: no mouse connected: the current profile can only be chosen on the mouse\n";
        return kNoMouse;
    }
    if (wanted > 0) {
        if (const int refused = s.refuseWhileFlagged())
            return refused;
        const auto result = transaction::selectProfile(s.profiles(), &s.device(), wanted);
        if (result == transaction::Result::Failed)
            s.noteFailure(QStringLiteral("02H P0%1").arg(wanted));
        change->finish(true);
        return s.finish(s.failedStep().isEmpty() ? kOk : kFailed, true, c.out);
    }
    const int current = s.currentProfile();
    if (!s.connected())
        c.err << "z4ctl: no mouse connected: answered from the profile file\n";
    if (c.json)
        c.out << QJsonDocument(QJsonObject { { "profile", current } }).toJson(QJsonDocument::Compact) << '\n';
    else
        c.out << current << '\n';
    return s.finish(s.failedStep().isEmpty() ? kOk : kFailed, false, c.out);
}

int cmdShow(Call& c)
{
    const int wanted = profileWord(c);
    if (wanted < 0)
        return kUsage;
    Session s(c.dryRun, c.err);
    if (!s.connect())
        c.err << "z4ctl: no mouse connected: answered from the profile file\n";
    const int profile = wanted > 0 ? wanted : s.currentProfile();
    if (!s.readFromMouse(profile))
        return s.finish(kFailed, false, c.out);
    const QJsonObject show = showObject(s, profile);
    if (c.json)
        c.out << QJsonDocument(show).toJson(QJsonDocument::Compact) << '\n';
    else
        printShow(show, c.out);
    return s.finish(s.failedStep().isEmpty() ? kOk : kFailed, false, c.out);
}

// Runs a setter on a profile (0: the current one), validated beforehand, as one transaction:
// the profile is read from the mouse under the lock first, so the block that goes back holds
// the mouse's other settings and nobody else's change comes in between.
template <typename Apply> int edit(Call& c, Session& s, int wanted, Apply apply)
{
    Transaction change(s.profiles());
    if (!change.held())
        return s.busy();
    s.connect();
    if (const int refused = s.refuseWhileFlagged())
        return refused;
    const int profile = wanted > 0 ? wanted : s.currentProfile();
    if (!s.readFromMouse(profile))
        return s.finish(kFailed, false, c.out);
    apply(profile);
    change.finish(true);
    return s.finish(s.failedStep().isEmpty() ? kOk : kFailed, true, c.out);
}

// Settles the edits made without the mouse: --write sends them, --keep takes the mouse's.
int cmdSync(Call& c)
{
    const bool write = c.words == QStringList { QStringLiteral("--write") };
    if (!write && c.words != QStringList { QStringLiteral("--keep") })
        return c.refuse(QStringLiteral("sync takes --write or --keep"));
    Session s(c.dryRun, c.err);
    Transaction change(s.profiles());
    if (!change.held())
        return s.busy();
    if (!s.connect()) {
        c.err << "z4ctl: no mouse connected: the changes wait in the profile file\n";
        return kNoMouse;
    }
    if (!s.profiles().hasDirty()) {
        c.out << "nothing waits for the mouse\n";
        return s.finish(kOk, false, c.out);
    }
    const bool settled = s.profiles().settleDirty(s.device(), write);
    if (!settled)
        s.noteFailure(QStringLiteral("sync"));
    change.finish(true);
    return s.finish(settled ? kOk : kFailed, true, c.out);
}

int cmdRate(Call& c)
{
    const int profile = profileOption(c);
    if (profile < 0)
        return kUsage;
    if (c.words.size() != 1)
        return c.refuse(QStringLiteral("rate takes one value: 125, 250, 500 or 1000"));
    const QString hz = c.words.takeFirst();
    const int rate = rateByte(hz.toInt());
    if (rate == 0 || hz != QString::number(hz.toInt()))
        return c.refuse(QStringLiteral("rate '%1' is not offered: 125, 250, 500 or 1000").arg(hz));
    Session s(c.dryRun, c.err);
    return edit(c, s, profile, [&](int p) { s.settings().setReportRate(p, uchar(rate)); });
}

int cmdDpi(Call& c)
{
    const int profile = profileOption(c);
    if (profile < 0)
        return kUsage;
    const std::optional<QString> active = c.option(QStringLiteral("--active"));
    if (c.words.size() != (active ? 0 : 1))
        return c.refuse(QStringLiteral("dpi takes V1,V2,... (1 to 8 values) or --active K"));
    QVariantList codes;
    int stage = 0;
    if (active) {
        bool ok = false;
        stage = active->toInt(&ok);
        if (!ok || stage < 1 || stage > kStages)
            return c.refuse(QStringLiteral("active stage '%1' is not 1..8").arg(*active));
    } else {
        const QStringList values = c.words.takeFirst().split(QLatin1Char(','));
        if (values.size() > kStages)
            return c.refuse(QStringLiteral("%1 DPI stages given: at most 8").arg(values.size()));
        const QList<int> offered = dpiChoices();
        for (const QString& v : values) {
            const int dpi = v.toInt();
            if (v != QLatin1String("0") && (dpi <= 0 || !offered.contains(dpi))) {
                QStringList accepted;
                for (int o : offered)
                    accepted << QString::number(o);
                return c.refuse(QStringLiteral("DPI '%1' is not offered: %2, or 0 for none")
                                    .arg(v, accepted.join(QLatin1Char(','))));
            }
            const int code = dpi / dpiBase() - 1;
            codes << int(dpi == 0 ? kStageCross : code == 160 ? kStageMaxWire : uchar(code));
        }
        while (codes.size() < kStages)
            codes << int(kStageCross);
        codes += codes;
    }
    Session s(c.dryRun, c.err);
    return edit(c, s, profile, [&](int p) {
        if (active)
            s.settings().setDpiStage(p, uchar(stage));
        else
            s.settings().setDpiStages(p, codes);
    });
}

int cmdLight(Call& c)
{
    const int profile = profileOption(c);
    if (profile < 0)
        return kUsage;
    const std::optional<QString> speed = c.option(QStringLiteral("--speed"));
    const std::optional<QString> brightness = c.option(QStringLiteral("--brightness"));
    const std::optional<QString> colors = c.option(QStringLiteral("--colors"));
    if (c.words.size() != 1)
        return c.refuse(
            QStringLiteral("light takes one effect: %1").arg(keyfunctions::effectNames().join(", ")));
    const int effect = keyfunctions::effectId(c.words.first());
    if (effect < 0)
        return c.refuse(QStringLiteral("unknown effect '%1' (%2)")
                            .arg(c.words.first(), keyfunctions::effectNames().join(", ")));
    c.words.clear();
    bool ok = true;
    const int s7 = speed ? speed->toInt(&ok) : -1;
    if (speed && (!ok || s7 < 0 || s7 > 7))
        return c.refuse(QStringLiteral("speed '%1' is not 0..7").arg(*speed));
    const int l7 = brightness ? brightness->toInt(&ok) : -1;
    if (brightness && (!ok || l7 < 0 || l7 > 7))
        return c.refuse(QStringLiteral("brightness '%1' is not 0..7").arg(*brightness));
    QVariantList rgb;
    QString bad;
    if (colors && !parseColors(*colors, &rgb, &bad))
        return c.refuse(bad);
    Session s(c.dryRun, c.err);
    return edit(c, s, profile, [&](int p) {
        const QVariantList now = s.settings().ledEffect(p);
        const uchar light = l7 < 0 ? uchar(now.at(1).toUInt()) : keyfunctions::brightnessValue(l7);
        const int keptSpeed = keyfunctions::speedIndex(now.at(0).toInt(), now.at(2).toUInt());
        s.settings().setLedEffect(
            p, uchar(effect), light, keyfunctions::speedValue(effect, s7 < 0 ? keptSpeed : s7));
        if (!rgb.isEmpty())
            s.settings().setLedColors(rgb);
    });
}

int cmdButton(Call& c)
{
    const int profile = profileOption(c);
    if (profile < 0)
        return kUsage;
    if (c.words.size() != 2)
        return c.refuse(QStringLiteral("button takes B (1..10) and a FUNCTION"));
    const int slot = keyfunctions::slotOfButton(c.words.first().toInt());
    if (slot < 0)
        return c.refuse(
            QStringLiteral("button '%1' is not 1..%2").arg(c.words.first()).arg(keyfunctions::buttonCount()));
    keyfunctions::Function f;
    QString problem;
    if (!keyfunctions::parse(c.words.at(1), &f, &problem))
        return c.refuse(problem);
    if (!f.macro.isEmpty() && !MacroLibrary(MacroLibrary::folderForModel(1)).exists(f.macro))
        return c.refuse(QStringLiteral("no macro named '%1' (see: z4ctl macro list)").arg(f.macro));
    c.words.clear();
    Session s(c.dryRun, c.err);
    int status = kOk;
    const int result = edit(c, s, profile, [&](int p) {
        if (f.macro.isEmpty()) {
            s.settings().setKeySlot(
                p, slot, { int(f.bytes[0]), int(f.bytes[1]), int(f.bytes[2]), int(f.bytes[3]) });
            return;
        }
        MacroLibrary library(MacroLibrary::folderForModel(1));
        const auto refusal = s.settings().assignMacro(p, slot, f.macro, f.macroMode, f.macroCount, library);
        if (refusal == MouseSettings::MacroRefusal::NoPlace)
            status = c.refuse(QStringLiteral("all 100 macro places of the mouse are in use"));
        else if (refusal != MouseSettings::MacroRefusal::None)
            status = c.refuse(QStringLiteral("macro '%1' does not fit the mouse's macro block").arg(f.macro));
    });
    return status == kOk ? result : status;
}

int cmdMacro(Call& c)
{
    const MacroLibrary library(MacroLibrary::folderForModel(1));
    const QString sub = c.words.value(0);
    if (sub == QLatin1String("list") && c.words.size() == 1) {
        QStringList names;
        for (const QString& file : library.names())
            names << file.chopped(4);
        if (c.json)
            c.out << QJsonDocument(QJsonArray::fromStringList(names)).toJson(QJsonDocument::Compact) << '\n';
        else
            for (const QString& name : names)
                c.out << name << '\n';
        return kOk;
    }
    if (sub != QLatin1String("show") || c.words.size() != 2)
        return c.refuse(QStringLiteral("macro takes 'list' or 'show NAME'"));
    const QString name = c.words.at(1);
    if (!library.exists(name))
        return c.refuse(QStringLiteral("no macro named '%1' (see: z4ctl macro list)").arg(name));
    const QStringList lines = library.lines(name);
    if (c.json) {
        c.out << QJsonDocument(
            QJsonObject { { "name", name }, { "index", library.index(name) },
                { "repeat", library.repeat(name) }, { "actions", QJsonArray::fromStringList(lines) } })
                     .toJson(QJsonDocument::Compact)
              << '\n';
    } else {
        for (const QString& line : lines)
            c.out << line << '\n';
    }
    return kOk;
}

// After an import or a reset the whole profile goes to the mouse, or waits in the dirty lists.
void sendWhole(Session& s, int profile)
{
    MouseSettings& m = s.settings();
    ProfileStore& p = s.profiles();
    if (!s.connected()) {
        for (FwGroup group : { FwGroup::Profile, FwGroup::Matrix, FwGroup::Other })
            p.markDirty(group, profile);
        return;
    }
    m.setDpiStages(profile, m.dpiStages(profile)); // the whole image goes with it
    m.setKeyMatrix(profile, p.entries(FwGroup::Matrix, profile, 0, 64));
    m.setDpiStage(profile, m.dpiStage(profile));
    m.setReportRate(profile, m.reportRate(profile));
}

int cmdFiles(Call& c)
{
    const QString& command = c.command;
    const bool reset = command == QLatin1String("reset");
    if (c.words.size() != (reset ? 1 : 2))
        return c.refuse(reset ? QStringLiteral("reset takes N")
                              : QStringLiteral("%1 takes %2")
                                    .arg(command, command == QLatin1String("export") ? "N FILE" : "FILE N"));
    const bool exporting = command == QLatin1String("export");
    const QString numberText = exporting || reset ? c.words.at(0) : c.words.at(1);
    const QString path = reset ? QString() : exporting ? c.words.at(1) : c.words.at(0);
    const int profile = profileNumber(numberText);
    if (profile < 0)
        return badProfile(c, numberText);
    if (command == QLatin1String("import") && !QFileInfo(path).isReadable())
        return c.refuse(QStringLiteral("cannot read '%1'").arg(path));
    Session s(c.dryRun, c.err);
    Transaction change(s.profiles());
    if (!change.held())
        return s.busy();
    s.connect();
    if (const int refused = exporting ? 0 : s.refuseWhileFlagged())
        return refused;
    ProfileFiles files(s.profiles(), kDefaultProfiles);
    if (exporting) {
        if (!s.readFromMouse(profile))
            return s.finish(kFailed, false, c.out);
        s.profiles().file()->sync();
        const QString problem = c.dryRun ? QString() : files.exportTo(profile, path);
        return problem.isEmpty() ? s.finish(kOk, false, c.out) : c.refuse(problem);
    }
    if (reset) {
        files.resetProfile(profile);
        sendWhole(s, profile);
        sendWhole(s, 0);
    } else {
        const QString problem = files.importFrom(profile, path);
        if (!problem.isEmpty())
            return c.refuse(QString(problem).replace(QLatin1Char('\n'), QLatin1String(": ")));
        sendWhole(s, profile);
    }
    change.finish(true);
    return s.finish(s.failedStep().isEmpty() ? kOk : kFailed, true, c.out);
}

} // namespace

namespace ctl {

QString usage()
{
    return QStringLiteral(
        "usage: z4ctl [--json] [--dry-run] COMMAND [ARGS]\n"
        "  list                               mice found: path, vendor:product, name\n"
        "  profile [N]                        print the current profile, or select profile N (1..5)\n"
        "  show [N]                           every setting of profile N (default: the current one)\n"
        "  rate [--profile N] HZ              report rate: 125, 250, 500 or 1000\n"
        "  dpi [--profile N] V1,V2,...        DPI stages (1 to 8 values the model offers; 0 for none)\n"
        "  dpi [--profile N] --active K       active stage K (1-based)\n"
        "  button [--profile N] B FUNCTION    B = 1..10; FUNCTION: key:NAME, combo:ctrl+shift+k, "
        "mouse:left,\n"
        "                                     media:NAME, dpi:up, profile:switch, fire:KEY:SPEED:COUNT,\n"
        "                                     macro:NAME[:MODE[:COUNT]], led, disable\n"
        "  light [--profile N] EFFECT [--speed S] [--brightness L] [--colors #RRGGBB,...]\n"
        "  macro list | macro show NAME\n"
        "  export N FILE | import FILE N | reset N\n"
        "  sync --write | sync --keep         settle changes made without the mouse: send them, or keep\n"
        "                                     the mouse's settings\n"
        "Exit status: 0 done, 1 an exchange with the mouse failed, 2 usage error, 3 no mouse.\n");
}

int run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Call c { false, false, {}, args, out, err };
    while (!c.words.isEmpty() && c.words.first().startsWith(QLatin1String("--"))) {
        const QString flag = c.words.takeFirst();
        if (flag == QLatin1String("--json"))
            c.json = true;
        else if (flag == QLatin1String("--dry-run"))
            c.dryRun = true;
        else if (flag == QLatin1String("--help"))
            return out << usage(), kOk;
        else if (flag == QLatin1String("--version"))
            return out << "z4ctl " << QStringLiteral(Z4_VERSION) << '\n', kOk;
        else
            return c.refuse(
                QStringLiteral("unknown option '%1' (--json, --dry-run, --help, --version)").arg(flag));
    }
    c.command = c.words.isEmpty() ? QString() : c.words.takeFirst();
    const QString& command = c.command;
    using Handler = int (*)(Call&);
    static const std::pair<const char*, Handler> commands[]
        = { { "list", cmdList }, { "profile", cmdProfile }, { "show", cmdShow }, { "rate", cmdRate },
              { "dpi", cmdDpi }, { "button", cmdButton }, { "light", cmdLight }, { "macro", cmdMacro },
              { "export", cmdFiles }, { "import", cmdFiles }, { "reset", cmdFiles }, { "sync", cmdSync } };
    QStringList names;
    for (const auto& [name, handler] : commands) {
        if (command == QLatin1String(name))
            return handler(c);
        names << QLatin1String(name);
    }
    if (command.isEmpty())
        return c.refuse(QStringLiteral("no command given (try --help)"));
    return c.refuse(QStringLiteral("unknown command '%1' (%2)").arg(command, names.join(", ")));
}

} // namespace ctl
