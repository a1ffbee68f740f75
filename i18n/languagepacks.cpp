#include "i18n/languagepacks.h"

#include "core/readablefile.h"
#include "i18n/qt4locale.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

constexpr int kSimplifiedChina = 44;
constexpr int kTraditionalTaiwan = 208;
const QString kPrefix = QStringLiteral("lang_");
const QString kSuffix = QStringLiteral(".ini");

int numberOrZero(const QString& digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok ? value : 0;
}

QString capitalised(const QString& name, const QLocale& locale)
{
    return name.isEmpty() ? name : locale.toUpper(name.left(1)) + name.mid(1);
}

// The language's name in itself without a regional variant: Qt names each locale's variant
// ("American English", "español de España"); the plain name is the shortest of them.
QString plainNativeName(QLocale::Language language)
{
    QString shortest;
    for (const QLocale& locale :
        QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString name = locale.nativeLanguageName();
        if (!name.isEmpty() && (shortest.isEmpty() || name.size() < shortest.size()))
            shortest = name;
    }
    return capitalised(shortest, QLocale(language));
}

// For a language Qt cannot name.
QString englishCountrySuffix(int country)
{
    switch (country) {
    case 0:
        return QString();
    case kSimplifiedChina:
        return QStringLiteral(" (Simp)");
    case kTraditionalTaiwan:
        return QStringLiteral(" (Trad)");
    default:
        return QStringLiteral(" (") + Qt4Locale::territoryName(country).toUpper() + QLatin1Char(')');
    }
}

// An unquoted text with a comma reads back as a list; give the text as it was written.
QString textValue(const QSettings& pack, const QString& key)
{
    const QVariant value = pack.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QStringList numberedTexts(const QSettings& pack, const QString& group, int first, int count)
{
    QStringList texts;
    texts.reserve(count);
    for (int i = first; i < first + count; ++i)
        texts << textValue(pack, group + QLatin1Char('/') + QString::number(i));
    return texts;
}

} // namespace

LanguagePacks::LanguagePacks(const QString& folder)
    : dir(folder)
{
}

QVariantMap LanguagePacks::available() const
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    const QDir::Filters caseRule {};
#else
    const QDir::Filters caseRule = QDir::CaseSensitive;
#endif
    QVariantMap map;
    const QStringList files = QDir(dir).entryList({ kPrefix + QLatin1Char('*') + kSuffix },
        QDir::AllEntries | QDir::NoDotAndDotDot | caseRule, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        // Offered only when read() reads it: a name too short for a code would lead elsewhere.
        const QString code = file.mid(kPrefix.size(), 6);
        if (readablefile::fits(packPath(code)))
            map.insert(displayName(code), code);
    }
    return map;
}

QString LanguagePacks::displayName(const QString& code)
{
    const int language = numberOrZero(code.left(3));
    const int country = numberOrZero(code.mid(3, 3));
    // Each language is named in itself: whoever looks for theirs recognises it.
    const QLocale::Language own = Qt4Locale::language(language);
    const QString plain = own == QLocale::AnyLanguage ? QString() : plainNativeName(own);
    if (plain.isEmpty())
        return Qt4Locale::languageName(language).toUpper() + englishCountrySuffix(country);
    const QLocale::Territory territory = Qt4Locale::territory(country);
    // The two written forms of Chinese go by the names of their scripts.
    if (country == kSimplifiedChina || country == kTraditionalTaiwan)
        return QLocale(own, territory).nativeLanguageName();
    if (country == 0)
        return plain;
    const QLocale there(own, territory);
    const QString place = there.territory() == territory ? there.nativeTerritoryName() : QString();
    return plain + QStringLiteral(" (") + (place.isEmpty() ? Qt4Locale::territoryName(country) : place)
        + QLatin1Char(')');
}

QString LanguagePacks::packPath(const QString& code) const
{
    if (code.contains(QLatin1Char('/')) || code.contains(QLatin1Char('\\')) || code.contains(QChar(0)))
        return QString();
    return dir + kPrefix + code + kSuffix;
}

LanguagePack LanguagePacks::read(const QString& code) const
{
    const QString path = packPath(code);
    if (path.isEmpty() || !readablefile::fits(path))
        return { QStringList(1), QStringList(kMessageCount), QStringList(kButtonNameCount) };
    const QSettings pack(path, QSettings::IniFormat);
    LanguagePack result;
    bool ok = false;
    const int total = std::clamp(pack.value(QStringLiteral("font/total")).toInt(&ok), 0, kMaxStrings);
    result.strings << textValue(pack, QStringLiteral("font/family"));
    result.strings << numberedTexts(pack, QStringLiteral("strings"), 1, ok ? total : 0);
    result.messages = numberedTexts(pack, QStringLiteral("msg"), 0, kMessageCount);
    result.buttonNames = numberedTexts(pack, QStringLiteral("Z4_4E2B9D1"), 0, kButtonNameCount);
    return result;
}
