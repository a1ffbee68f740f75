#pragma once

#include "focus/focussource.h"

// Proton and Steam games carry their Steam id in the class: steam_app_<digits>.
inline void fillSteamAppId(FocusInfo& info)
{
    static const QLatin1String prefix("steam_app_");
    if (!info.appId.startsWith(prefix, Qt::CaseInsensitive))
        return;
    const QString id = info.appId.mid(prefix.size());
    bool digits = !id.isEmpty();
    for (QChar c : id)
        digits = digits && c.isDigit();
    if (digits)
        info.steamAppId = id;
}
