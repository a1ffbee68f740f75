// Language packs: the language menu, the interface texts with the host's message texts, and
// the key page's button names. Read-only; never talks to the device.
#include "bridge/myqquickview.h"

#include "i18n/languagepacks.h"

QStringList myQQuickView::z4_getProductLayoutStrings(QString langCode)
{
    return LanguagePacks().read(langCode).buttonNames;
}

QVariantMap myQQuickView::chkLanguages()
{
    return LanguagePacks().available();
}

QStringList myQQuickView::getGlobalStrings(QString langCode)
{
    LanguagePack pack = LanguagePacks().read(langCode);
    msgStrings = pack.messages;
    uiStrings = pack.strings;
    return pack.strings;
}
