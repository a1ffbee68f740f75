#pragma once

#include <QLocale>
#include <QString>

// Language pack codes number languages and countries as Qt 4 did; Qt 6 renumbered both
// enumerations, so the old numbers are translated here before Qt is asked for a name.
class Qt4Locale {
public:
    struct LanguageEntry {
        QLocale::Language language;
        const char* droppedName; // set where Qt 6 no longer knows the language
    };
    struct TerritoryEntry {
        QLocale::Territory territory;
        const char* droppedName;
    };

    // The names Qt gives them (English); "Unknown" for a number outside the old enumeration.
    static QString languageName(int qt4Number);
    static QString territoryName(int qt4Number);
    // The Qt 6 values; AnyLanguage / AnyTerritory where Qt 6 knows none.
    static QLocale::Language language(int qt4Number);
    static QLocale::Territory territory(int qt4Number);

    static int languageCount();
    static int territoryCount();
};
