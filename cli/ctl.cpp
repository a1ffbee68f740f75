#include "cli/ctl.h"

#include "cli/ctlsession.h"
#include "cli/ctlshow.h"
#include "cli/ctltable.h"
#include "core/keyfunctions.h"
#include "core/mousevalues.h"
#include "core/transaction.h"
#include "device/devinfo.h"
#include "macro/macroencoder.h"
#include "macro/macrolibrary.h"
#include "store/profilefiles.h"
#include "store/profilelimits.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSettings>
#include <QTextStream>

#include <optional>

#ifndef Q_OS_WIN
#include "switcher/switchcommand.h"
#endif

namespace {

using namespace ctl;
constexpr int kStages = 8;
const QString kDefaultProfiles = QStringLiteral("./modules/setting/pD_Z4.bin");
const QString kSettingsFolder = QStringLiteral("./modules/setting");

// One command line: the words left after the global options, and where the answers go.
struct Call {
    bool json = false;
    bool dryRun = false;
    QString command;
    QStringList words;
    QTextStream& out;
    QTextStream& err;
    QString caller; // the folder relative paths mean
    qsizetype optionEnd = 0; // words from here on came after "--"

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
        if (at < 0 || at >= optionEnd)
            return std::nullopt;
        const qsizetype taken = at + 1 < optionEnd ? 2 : 1;
        const QString value = taken == 2 ? words.at(at + 1) : QString();
        words.remove(at, taken);
        optionEnd -= taken;
        return value;
    }
    // Removes the flag "--name"; true when it was given.
    bool flag(const QString& name)
    {
        const qsizetype at = words.indexOf(name);
        if (at < 0 || at >= optionEnd)
            return false;
        words.remove(at);
        --optionEnd;
        return true;
    }
    QString path(const QString& given) const { return QDir(caller).absoluteFilePath(given); }
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
    const bool connected = s.connect();
    if (s.denied())
        return kNoMouse;
    if (!connected && wanted > 0) {
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
    const bool connected = s.connect();
    if (s.denied())
        return kNoMouse;
    if (!connected)
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
// the mouse's other settings and nobody else's change comes in between. A mouse that cannot be
// opened (the session told why) ends the command before anything changes.
template <typename Apply> int edit(Call& c, Session& s, int wanted, Apply apply)
{
    Transaction change(s.profiles());
    if (!change.held())
        return s.busy();
    s.connect();
    if (s.denied())
        return kNoMouse;
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
    const bool write = c.flag(QStringLiteral("--write"));
    const bool keep = c.flag(QStringLiteral("--keep"));
    if (write == keep || !c.words.isEmpty())
        return c.refuse(QStringLiteral("sync takes --write or --keep"));
    Session s(c.dryRun, c.err);
    Transaction change(s.profiles());
    if (!change.held())
        return s.busy();
    const bool connected = s.connect();
    if (s.denied())
        return kNoMouse;
    if (!connected) {
        c.err << "z4ctl: no mouse connected: the changes wait in the profile file\n";
        return kNoMouse;
    }
    if (!s.profiles().hasDirty()) {
        c.out << "nothing waits for the mouse\n";
        return s.finish(kOk, false, c.out);
    }
    // A macro a button is to play goes before the key matrix that plays it.
    if (write)
        s.settings().sendUnsentMacros();
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
        if (!ok || !profilelimits::isStage(uint(stage)))
            return c.refuse(QStringLiteral("active stage '%1' is not 1..8").arg(*active));
    } else {
        const QStringList values = c.words.takeFirst().split(QLatin1Char(','));
        if (values.size() > kStages)
            return c.refuse(QStringLiteral("%1 DPI stages given: at most 8").arg(values.size()));
        const QList<int> offered = dpiChoices();
        QVariantList dpis;
        for (const QString& v : values) {
            const int dpi = v.toInt();
            if (v != QLatin1String("0") && (dpi <= 0 || !offered.contains(dpi))) {
                QStringList accepted;
                for (int o : offered)
                    accepted << QString::number(o);
                return c.refuse(QStringLiteral("DPI '%1' is not offered: %2, or 0 for none")
                                    .arg(v, accepted.join(QLatin1Char(','))));
            }
            dpis << dpi;
        }
        codes = mousevalues::stageCodes(dpis, dpiBase());
    }
    Session s(c.dryRun, c.err);
    int status = kOk;
    const int result = edit(c, s, profile, [&](int p) {
        if (!active)
            s.settings().setDpiStages(p, codes);
        else if (!s.settings().setActiveStage(p, stage))
            status
                = c.refuse(QStringLiteral("active stage '%1' is not a stage of profile %2 (none, or \"x\")")
                               .arg(*active)
                               .arg(p));
    });
    return status == kOk ? result : status;
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
    if (speed && !mousevalues::effectUsesSpeed(effect))
        return c.refuse(QStringLiteral("effect '%1' has no speed").arg(c.words.first()));
    if (brightness && !mousevalues::effectUsesBrightness(effect))
        return c.refuse(QStringLiteral("effect '%1' has no brightness").arg(c.words.first()));
    c.words.clear();
    Session s(c.dryRun, c.err);
    return edit(c, s, profile, [&](int p) {
        s.settings().setLighting(p, effect, s7, l7);
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
    const MacroLibrary live(MacroLibrary::folderForModel(1));
    if (!f.macro.isEmpty() && !live.exists(f.macro))
        return c.refuse(QStringLiteral("no macro named '%1' (see: z4ctl macro list)").arg(f.macro));
    if (!f.macro.isEmpty() && MacroEncoder::encode(live.lines(f.macro)).size() > MacroEncoder::kBlockSize)
        return c.refuse(QStringLiteral("macro '%1' does not fit the mouse's macro block").arg(f.macro));
    c.words.clear();
    Session s(c.dryRun, c.err);
    int status = kOk;
    const int result = edit(c, s, profile, [&](int p) {
        if (f.macro.isEmpty()) {
            s.settings().setKeySlot(
                p, slot, { int(f.bytes[0]), int(f.bytes[1]), int(f.bytes[2]), int(f.bytes[3]) });
            return;
        }
        const auto refusal = s.settings().assignMacro(p, slot, f.macro, f.macroMode, f.macroCount);
        if (refusal == MouseSettings::MacroRefusal::NoPlace)
            status = c.refuse(QStringLiteral("all 100 macro places of the mouse are in use"));
        else if (refusal == MouseSettings::MacroRefusal::BadRepeat)
            status = c.refuse(QStringLiteral("repeat count '%1' is not 0..65535").arg(f.macroCount));
        else if (refusal == MouseSettings::MacroRefusal::NotSent)
            s.noteFailure(QStringLiteral("0FH"));
        else if (refusal != MouseSettings::MacroRefusal::None)
            status = c.refuse(QStringLiteral("macro '%1' does not fit the mouse's macro block").arg(f.macro));
        else if (const MacroLibrary saved(s.macroFolder());
                 saved.index(f.macro) < 0 || saved.repeat(f.macro) != f.macroCount) {
            // The mouse has the macro, but the file does not know its place: a failed save.
            c.err << "z4ctl: cannot save "
                  << QDir::toNativeSeparators(QFileInfo(saved.filePath(f.macro)).absoluteFilePath()) << '\n';
            status = kFailed;
        }
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

bool inFolder(const QString& path, const QString& folder)
{
    const QString dir = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !dir.isEmpty() && dir == QFileInfo(folder).canonicalFilePath();
}

// Everything an import or export can be refused for, checked before the first exchange.
int checkFile(const Call& c, bool exporting, const QString& path)
{
    if (exporting) {
        if (inFolder(path, kSettingsFolder))
            return c.refuse(QStringLiteral("'%1' is in the program's settings folder").arg(path));
        return kOk;
    }
    if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable())
        return c.refuse(QStringLiteral("cannot read '%1'").arg(path));
    int source = 0;
    const QString problem = ProfileFiles::importProblem(QSettings(path, QSettings::IniFormat), &source);
    return problem.isEmpty() ? kOk : c.refuse(path + QStringLiteral(": ") + problem);
}

int exportFile(Call& c, Session& s, ProfileFiles& files, int profile, const QString& path)
{
    if (!s.readFromMouse(profile))
        return s.finish(kFailed, false, c.out);
    const QFileInfo target(path);
    QString problem;
    if (c.dryRun) {
        if (target.isDir() || !QFileInfo(target.absolutePath()).isDir())
            problem = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
    } else {
        s.profiles().file()->sync();
        problem = files.exportTo(profile, path);
    }
    if (!problem.isEmpty())
        c.err << "z4ctl: " << problem << '\n';
    return s.finish(problem.isEmpty() ? kOk : kFailed, false, c.out);
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
    const QString path = reset ? QString() : c.path(exporting ? c.words.at(1) : c.words.at(0));
    const int profile = profileNumber(numberText);
    if (profile < 0)
        return badProfile(c, numberText);
    if (!reset && checkFile(c, exporting, path) != kOk)
        return kUsage;
    Session s(c.dryRun, c.err);
    Transaction change(s.profiles());
    if (!change.held())
        return s.busy();
    s.connect();
    if (s.denied())
        return kNoMouse;
    if (const int refused = exporting ? 0 : s.refuseWhileFlagged())
        return refused;
    ProfileFiles files(s.profiles(), kDefaultProfiles);
    if (exporting)
        return exportFile(c, s, files, profile, path);
    if (reset) {
        s.settings().resetProfile(files, profile);
        s.settings().sendWholeProfile(profile);
        s.settings().sendWholeProfile(0);
    } else {
        const QString problem = files.importFrom(profile, path);
        if (!problem.isEmpty())
            return c.refuse(QString(problem).replace(QLatin1Char('\n'), QLatin1String(": ")));
        s.settings().sendWholeProfile(profile);
    }
    change.finish(true);
    return s.finish(s.failedStep().isEmpty() ? kOk : kFailed, true, c.out);
}

// The profile switcher's rules and state live in switcher/; this only hands the words over.
int cmdSwitch(Call& c)
{
#ifdef Q_OS_WIN
    return c.refuse(QStringLiteral("switch is not offered on Windows"));
#else
    return switchcommand::run(c.words, c.json, c.out, c.err);
#endif
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
        "  switch list [--json] | add MATCH PROFILE [--title REGEX] [--exe NAME] | remove N\n"
        "         | base N|none | pause | resume | on | off | status [--json]\n"
        "                                     profile by the application in front (z4switch)\n"
        "  sync --write | sync --keep         settle changes made without the mouse: send them, or keep\n"
        "                                     the mouse's settings\n"
        "Options may stand anywhere on the line; \"--\" ends them. FILE is relative to the current folder.\n"
        "Exit status: 0 done, 1 an exchange or a save failed, or the mouse was busy with another program,\n"
        "2 usage error (nothing sent or written), 3 no mouse, or no permission to open it.\n");
}

namespace {
using Handler = int (*)(Call&);
Handler handler(const QString& name)
{
    static const std::pair<const char*, Handler> handlers[] = { { "list", cmdList },
        { "profile", cmdProfile }, { "show", cmdShow }, { "rate", cmdRate }, { "dpi", cmdDpi },
        { "button", cmdButton }, { "light", cmdLight }, { "macro", cmdMacro }, { "export", cmdFiles },
        { "import", cmdFiles }, { "reset", cmdFiles }, { "switch", cmdSwitch }, { "sync", cmdSync } };
    for (const auto& [known, h] : handlers) {
        if (name == QLatin1String(known))
            return h;
    }
    return nullptr;
}

// Options of the command that the table does not list are refused before anything else.
int unknownOption(Call& c, const Command& command)
{
    for (qsizetype i = 0; i < c.optionEnd; ++i) {
        const QString& word = c.words.at(i);
        if (!word.startsWith(QLatin1String("--")))
            continue;
        const Option* known = option(&command, word);
        if (!known) {
            QStringList names;
            for (const Option& o : command.options)
                names << o.name;
            return c.refuse(
                QStringLiteral("unknown option '%1' for %2 (%3)")
                    .arg(word, command.name, names.isEmpty() ? QStringLiteral("none") : names.join(", ")));
        }
        if (known->value != Value::None)
            ++i;
    }
    return kOk;
}

int printCompletion(const QStringList& args, QTextStream& out)
{
    const Offers offers = complete(args.mid(1), args.value(0).toInt());
    if (offers.files)
        out << ":files\n";
    for (const QString& word : offers.words)
        out << word << '\n';
    return kOk;
}
} // namespace

int run(const QStringList& args, const QString& caller, QTextStream& out, QTextStream& err)
{
    if (args.value(0) == QLatin1String("--complete"))
        return printCompletion(args.mid(1), out);
    Call c { false, false, {}, {}, out, err, caller, 0 };
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    const QStringList before = end < 0 ? args : args.mid(0, end);
    for (const QString& word : before) {
        if (word == QLatin1String("--json"))
            c.json = true;
        else if (word == QLatin1String("--dry-run"))
            c.dryRun = true;
        else if (word == QLatin1String("--help"))
            return out << usage(), kOk;
        else if (word == QLatin1String("--version"))
            return out << "z4ctl " << QStringLiteral(Z4_VERSION) << '\n', kOk;
        else
            c.words << word;
    }
    c.optionEnd = c.words.size();
    if (end >= 0)
        c.words += args.mid(end + 1);
    if (c.optionEnd > 0 && c.words.first().startsWith(QLatin1String("--")))
        return c.refuse(QStringLiteral("unknown option '%1' (--json, --dry-run, --help, --version)")
                            .arg(c.words.first()));
    c.command = c.words.isEmpty() ? QString() : c.words.takeFirst();
    c.optionEnd = std::max<qsizetype>(0, c.optionEnd - 1);
    const Command* known = command(c.command);
    if (known && unknownOption(c, *known) == kOk)
        return handler(c.command)(c);
    if (known)
        return kUsage;
    if (c.command.isEmpty())
        return c.refuse(QStringLiteral("no command given (try --help)"));
    QStringList names;
    for (const Command& each : commands())
        names << each.name;
    return c.refuse(QStringLiteral("unknown command '%1' (%2)").arg(c.command, names.join(", ")));
}

} // namespace ctl
