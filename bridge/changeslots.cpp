// The window's changes as transactions: one per turn of the event loop, addressed to the
// profile the page shows, sending only what the person changed.
#include "bridge/myqquickview.h"

#include <QTimer>

namespace {
QString pageOf(ShownValues::Region region)
{
    switch (region) {
    case ShownValues::Matrix:
        return QStringLiteral("page_Keydefine");
    case ShownValues::Effect:
    case ShownValues::LedColors:
        return QStringLiteral("page_Color");
    default:
        return QStringLiteral("page_Sensor");
    }
}

bool sameValues(const QVariantList& a, const QVariantList& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i).toUInt() != b.at(i).toUInt())
            return false;
    }
    return true;
}

bool shared(ShownValues::Region region)
{
    return region == ShownValues::DpiIo || region == ShownValues::LedColors;
}
} // namespace

bool myQQuickView::beginChange(ShownValues::Region region)
{
    if (!pagesOfTurn.contains(pageOf(region)))
        pagesOfTurn.append(pageOf(region));
    if (change || changeBusy)
        return !changeBusy;
    // The lock's wait serves events, so the turn's end is arranged only once it is over.
    auto opened = std::make_unique<Transaction>(*store);
    QTimer::singleShot(0, this, &myQQuickView::finishChange);
    changeBusy = !opened->held();
    if (!changeBusy)
        change = std::move(opened);
    return !changeBusy;
}

void myQQuickView::finishChange()
{
    if (change)
        change->finish(true);
    change.reset();
    if (changeBusy) {
        tellScene(message(kMsgBusy, "The mouse is busy with another program: nothing lost, try again"), true);
        invokeRoot("keepUnapplied", Qt::QueuedConnection, { pagesOfTurn });
    } else if (changedElsewhere) {
        tellScene(
            message(kMsgChangedElsewhere,
                "Another program changed %1 meanwhile: its values are shown, apply again to overwrite them",
                profileLabel(store->curProfile())),
            true);
    }
    // The pages show what went to the mouse where other programs' changes came in.
    if (!changeBusy && rereadAfter)
        invokeRoot("rereadStore", Qt::QueuedConnection);
    rereadAfter = false;
    changeBusy = false;
    changedElsewhere = false;
    pagesOfTurn.clear();
}

QVariantList myQQuickView::currentValues(ShownValues::Region region, int profile) const
{
    switch (region) {
    case ShownValues::Rate:
        return { int(settings->reportRate(profile)) };
    case ShownValues::Stage:
        return { int(settings->dpiStage(profile)) };
    case ShownValues::Effect:
        return settings->ledEffect(profile);
    case ShownValues::DpiColors:
        return settings->dpiColors(profile);
    case ShownValues::DpiIo:
        return settings->dpiIo();
    case ShownValues::Stages:
        // As stored: the page's stage codes spell the top stage as the mouse wants it.
        return store->entries(FwGroup::Profile, profile, MouseSettings::kDpiStageFirst, 16);
    case ShownValues::Matrix:
        return store->entries(
            FwGroup::Matrix, profile, 0, ProfileStore::kKeySlots * ProfileStore::kSlotBytes);
    case ShownValues::LedColors:
        return settings->ledColors();
    case ShownValues::kRegions:
        break;
    }
    return {};
}

QVariantList myQQuickView::noteShown(ShownValues::Region region, const QVariantList& values)
{
    shown.note(region, store->curProfile(), values);
    return values;
}

void myQQuickView::applyRegion(ShownValues::Region region, const QVariantList& edited,
    const std::function<void(int, const QVariantList&)>& write, int unit)
{
    if (!beginChange(region))
        return;
    const int profile = shown.profile(region, store->curProfile());
    const ShownValues::Merge merged = shown.merge(region, edited, currentValues(region, profile), unit);
    changedElsewhere = changedElsewhere || !merged.conflicts.isEmpty();
    rereadAfter = rereadAfter || !sameValues(merged.values, edited);
    write(shared(region) ? 0 : profile, merged.values);
    shown.note(region, profile, merged.values);
}

QString myQQuickView::z4_editsOf(QString page)
{
    static const std::pair<const char*, ShownValues::Region> first[] = { { "page_Sensor", ShownValues::Rate },
        { "page_Color", ShownValues::Effect }, { "page_Keydefine", ShownValues::Matrix } };
    for (const auto& [name, region] : first) {
        const int profile = shown.profile(region, store->curProfile());
        if (page == QLatin1String(name) && profile != store->curProfile())
            return message(kMsgEditsOf, "edits of %1", profileLabel(profile));
    }
    return {};
}
