#include "store/profilelimits.h"

#include <QCoreApplication>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("myQQuickView", text);
}
QString bytes(const QString& group, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i) {
        bool ok = false;
        const uint value = values.at(i).toString().toUInt(&ok);
        if (!ok || value > 0xFF)
            return tr("The file holds a value the mouse cannot take (%1 entry %2: %3).")
                .arg(group)
                .arg(i)
                .arg(values.at(i).toString());
    }
    return {};
}
} // namespace

namespace profilelimits {

bool isRateCode(uint code)
{
    return code == 1 || code == 2 || code == 4 || code == 8;
}

bool isStage(uint stage)
{
    return stage >= 1 && stage <= kStages;
}

QString problem(const QString& group, const QVariantList& values)
{
    if (!group.endsWith(QLatin1String("_fw")))
        return {};
    if (group != QLatin1String("other_fw"))
        return bytes(group, values);
    const uint rate = values.value(kRateEntry).toUInt();
    if (!isRateCode(rate))
        return tr("The file holds a report rate the mouse cannot take (%1; it takes 1, 2, 4 or 8).")
            .arg(rate);
    const uint stage = values.value(kStageEntry).toUInt();
    if (!isStage(stage))
        return tr("The file holds an active DPI stage the mouse cannot take (%1; it takes 1 to 8).")
            .arg(stage);
    return bytes(group, values);
}

} // namespace profilelimits
