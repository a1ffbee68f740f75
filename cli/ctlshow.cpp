#include "cli/ctlshow.h"

#include "cli/ctlsession.h"
#include "core/keyfunctions.h"
#include "core/mousevalues.h"
#include "i18n/languagepacks.h"
#include "macro/macrolibrary.h"

#include <QJsonArray>
#include <QSettings>
#include <QTextStream>

namespace {
const QString kEnglish = QStringLiteral("031000");

QSettings config()
{
    return QSettings(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
}

QJsonArray colors(const QVariantList& rgb)
{
    QJsonArray out;
    for (int i = 0; i + 2 < rgb.size(); i += 3)
        out.append(ctl::colorText(rgb.at(i).toUInt(), rgb.at(i + 1).toUInt(), rgb.at(i + 2).toUInt()));
    return out;
}

// The macro file that holds a mouse macro id, from the library's bookkeeping.
QString macroName(int id)
{
    const MacroLibrary library(MacroLibrary::folderForModel(1));
    for (const QString& file : library.names()) {
        const QString name = file.chopped(4);
        if (library.index(name) == id - 1)
            return name;
    }
    return {};
}

QJsonArray buttons(const ctl::Session& session, int profile)
{
    QStringList names;
    for (const QString& name : LanguagePacks().read(kEnglish).buttonNames) {
        if (!name.isEmpty())
            names << name;
    }
    const QStringList builtin = keyfunctions::builtinButtonNames();
    QJsonArray out;
    for (int b = 1; b <= keyfunctions::buttonCount(); ++b) {
        const QVariantList bytes
            = const_cast<ctl::Session&>(session).settings().keySlot(profile, keyfunctions::slotOfButton(b));
        keyfunctions::Slot slot {};
        for (int i = 0; i < 4 && i < bytes.size(); ++i)
            slot[size_t(i)] = uchar(bytes.at(i).toUInt());
        out.append(QJsonObject { { "button", b }, { "name", names.value(b - 1, builtin.value(b - 1)) },
            { "function", keyfunctions::describe(slot, macroName) } });
    }
    return out;
}
} // namespace

namespace ctl {

int dpiBase()
{
    const int base = config().value(QStringLiteral("Z4/dpiBase")).toInt();
    return base > 0 ? base : 100;
}

QList<int> dpiChoices()
{
    QList<int> out;
    for (const QString& v : config().value(QStringLiteral("Z4/dpiValue")).toStringList())
        out << v.trimmed().toInt();
    return out;
}

int rateHz(uint rateByte)
{
    return mousevalues::rateHz(rateByte);
}

QList<int> rateChoices()
{
    return { 125, 250, 500, 1000 };
}

int rateByte(int hz)
{
    return int(mousevalues::rateByteOfHz(hz));
}

QString colorText(uint r, uint g, uint b)
{
    return QStringLiteral("#%1%2%3")
        .arg(r & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(g & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(b & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QJsonObject showObject(Session& session, int profile)
{
    MouseSettings& s = session.settings();
    const int shown = mousevalues::stageCount(s.maxDpiStage(profile));
    const QJsonArray stages = QJsonArray::fromVariantList(s.dpiStageValues(profile, dpiBase()).mid(0, shown));
    const QVariantList effect = s.lighting(profile);
    const int id = effect.at(0).toInt();
    const QStringList effects = keyfunctions::effectNames();
    QJsonObject lighting { { "effect", effects.value(id, QStringLiteral("effect-%1").arg(id)) },
        { "speed", effect.at(1).toInt() }, { "brightness", effect.at(2).toInt() },
        { "colors", colors(s.ledColors()) } };
    return QJsonObject { { "profile", profile }, { "report_rate_hz", rateHz(s.reportRate(profile)) },
        { "dpi", QJsonObject { { "stages", stages }, { "active", int(s.dpiStage(profile)) } } },
        { "indicator_colors", colors(s.indicatorColors(profile)) }, { "lighting", lighting },
        { "buttons", buttons(session, profile) } };
}

void printShow(const QJsonObject& show, QTextStream& out)
{
    const QJsonObject dpi = show.value("dpi").toObject();
    const QJsonObject light = show.value("lighting").toObject();
    QStringList stages;
    for (const QJsonValue& v : dpi.value("stages").toArray())
        stages << (v.toInt() == 0 ? QStringLiteral("x") : QString::number(v.toInt()));
    const auto join
        = [](const QJsonValue& list) { return list.toVariant().toStringList().join(QLatin1Char(',')); };
    out << "profile      P0" << show.value("profile").toInt() << '\n'
        << "report rate  " << show.value("report_rate_hz").toInt() << " Hz\n"
        << "dpi stages   " << stages.join(QLatin1Char(',')) << " (active " << dpi.value("active").toInt()
        << ")\n"
        << "indicators   " << join(show.value("indicator_colors")) << '\n'
        << "lighting     " << light.value("effect").toString() << " speed " << light.value("speed").toInt()
        << " brightness " << light.value("brightness").toInt() << " colors " << join(light.value("colors"))
        << '\n';
    for (const QJsonValue& b : show.value("buttons").toArray()) {
        const QJsonObject button = b.toObject();
        out << "button " << qSetFieldWidth(2) << button.value("button").toInt() << qSetFieldWidth(0) << "    "
            << button.value("function").toString() << "  (" << button.value("name").toString() << ")\n";
    }
}

} // namespace ctl
