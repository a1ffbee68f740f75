#include "device/devinfo.h"

#include <QSettings>

#include <algorithm>

namespace {

quint16 hexValue(const QSettings& ini, const QString& key)
{
    bool ok = false;
    const quint16 value = ini.value(key).toString().trimmed().toUShort(&ok, 16);
    return ok ? value : 0;
}

DevInfo readEntry(QSettings& ini, int index, const QStringList& productNames)
{
    ini.beginGroup(QString::number(index));
    DevInfo entry;
    entry.vid = hexValue(ini, QStringLiteral("vid"));
    entry.pid = hexValue(ini, QStringLiteral("pid"));
    entry.usagePage = hexValue(ini, QStringLiteral("usagePage"));
    entry.usage = hexValue(ini, QStringLiteral("usage"));
    entry.usagePage2 = hexValue(ini, QStringLiteral("usagePage2"));
    entry.usage2 = hexValue(ini, QStringLiteral("usage2"));
    entry.productName = productNames.value(index);
    entry.reportLength = ini.value(QStringLiteral("reportLength")).toString().trimmed().toUInt();
    entry.sCode = ini.value(QStringLiteral("sCode")).toString();
    ini.endGroup();
    return entry;
}

} // namespace

QList<DevInfo> loadCatalogue(const QString& path, const QStringList& productNames)
{
    QSettings ini(path, QSettings::IniFormat);
    const int total = std::clamp(ini.value(QStringLiteral("common/total")).toInt(), 0, kMaxCatalogueEntries);
    QList<DevInfo> entries;
    entries.reserve(total);
    for (int i = 0; i < total; ++i)
        entries.append(readEntry(ini, i, productNames));
    return entries;
}
