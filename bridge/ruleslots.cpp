// What the person chose on the key, sensor and colour pages, handed to the core, which alone
// turns choices into the bytes the mouse keeps and back.
#include "bridge/myqquickview.h"

#include "core/keyfunctions.h"
#include "core/keyslots.h"
#include "core/mousevalues.h"
#include "macro/macrolibrary.h"

#include <QMessageBox>

namespace {
constexpr int kEffectFirst = MouseSettings::kEffectFirst;

int toInt(const QVariant& value, int fallback)
{
    bool ok = false;
    const int v = value.toString().trimmed().toInt(&ok);
    return ok ? v : fallback;
}
} // namespace

int myQQuickView::dpiBase() const
{
    const int base = toInt(appConfig->modelValue(QStringLiteral("dpiBase")), mousevalues::kDefaultDpiBase);
    return base > 0 ? base : mousevalues::kDefaultDpiBase;
}

QVariantMap myQQuickView::z4_functionTable()
{
    return keyfunctions::tableMap();
}

QVariantList myQQuickView::z4_keyMatrix()
{
    QVariantList keySlots;
    for (int slot = 0; slot < ProfileStore::kKeySlots; ++slot) {
        const auto bytes = keyslots::fromList(settings->keySlot(store->curProfile(), slot));
        keySlots << (bytes ? QVariant(keyslots::toList(*bytes)) : QVariant::fromValue(nullptr));
    }
    noteShown(ShownValues::Matrix, currentValues(ShownValues::Matrix, store->curProfile()));
    return keySlots;
}

QVariantList myQQuickView::z4_defaultKeySlots()
{
    QVariantList keySlots;
    for (int slot = 0; slot < ProfileStore::kKeySlots; ++slot)
        keySlots << QVariant(keyslots::toList(keyslots::defaultSlot(slot)));
    return keySlots;
}

void myQQuickView::z4_applyKeySlots(QVariantList keySlots)
{
    applyRegion(
        ShownValues::Matrix, keyslots::flatten(keySlots),
        [this](int p, const QVariantList& v) { settings->setKeyMatrix(p, v); }, ProfileStore::kSlotBytes);
}

QVariantMap myQQuickView::z4_keySlotView(QVariantList slot)
{
    const auto bytes = keyslots::fromList(slot);
    const MacroLibrary library(MacroLibrary::folderForModel(modelId));
    return bytes ? keyslots::view(*bytes, &library) : keyslots::clearedView();
}

QVariantList myQQuickView::z4_keySlotBytes(QVariantMap choice)
{
    const auto bytes = keyslots::fromChoice(choice);
    return bytes ? keyslots::toList(*bytes) : QVariantList();
}

bool myQQuickView::z4_needsLeftGuard(QVariantList keySlots, int slot, int reachableButtons)
{
    return keyslots::needsLeftGuard(keyslots::flatten(keySlots), slot, reachableButtons);
}

QVariantList myQQuickView::z4_assignMacro(QString name, int mode, int count, QVariantList keySlots)
{
    // The upload is a change like any other: it waits its turn, or places nothing.
    if (!beginChange(ShownValues::Matrix))
        return {};
    QVariantList bytes;
    using Refusal = MouseSettings::MacroRefusal;
    const Refusal refusal = settings->placeMacro(name, mode, count, keyslots::flatten(keySlots), -1, &bytes);
    if (refusal == Refusal::None && connected())
        macroAwaitsApply = true;
    if (refusal == Refusal::BadRepeat)
        QMessageBox::warning(nullptr, tr("MACRO"),
            tr("The repeat count must be 0 to 65535,\nthe macro was not sent to the mouse."),
            QMessageBox::Ok);
    if (refusal == Refusal::TooLong)
        QMessageBox::warning(nullptr, tr("MACRO"),
            tr("Out of memory,\nthe macro is too long and was not sent to the mouse."), QMessageBox::Ok);
    if (refusal == Refusal::NoPlace)
        QMessageBox::warning(nullptr, tr("MACRO"),
            tr("All 100 macro places of the mouse are in use,\nthe button was not changed."),
            QMessageBox::Ok);
    return bytes;
}

// Only the library's bookkeeping changes, nothing on the mouse: no turn of its own, which would
// read the store again under the pages that are being shown staged values.
void myQQuickView::z4_releaseMacros(QVariantList keySlots)
{
    settings->releaseMacros(keyslots::flatten(keySlots));
}

int myQQuickView::z4_reportRateIndex()
{
    const int profile = store->curProfile();
    return mousevalues::rateIndex(
        uchar(noteShown(ShownValues::Rate, currentValues(ShownValues::Rate, profile)).value(0).toUInt()));
}

void myQQuickView::z4_setReportRateIndex(int index)
{
    applyRegion(ShownValues::Rate, { mousevalues::rateByteOfIndex(index) },
        [this](int p, const QVariantList& v) { settings->setReportRate(p, uchar(v.value(0).toUInt())); });
}

QVariantList myQQuickView::z4_dpiStageValues()
{
    noteShown(ShownValues::Stages, currentValues(ShownValues::Stages, store->curProfile()));
    return settings->dpiStageValues(store->curProfile(), dpiBase());
}

void myQQuickView::z4_setDpiStageValues(QVariantList dpis)
{
    applyRegion(ShownValues::Stages, mousevalues::stageCodes(dpis, dpiBase()),
        [this](int p, const QVariantList& v) { settings->setDpiStages(p, v); });
}

void myQQuickView::z4_setActiveDpiStage(int stage)
{
    applyRegion(ShownValues::Stage, { stage },
        [this](int p, const QVariantList& v) { settings->setActiveStage(p, v.value(0).toInt()); });
}

QVariantList myQQuickView::z4_eightColors()
{
    return mousevalues::eightColors();
}

QVariantMap myQQuickView::z4_sensorDefaults(int profile)
{
    const QVariantList image = files->defaultGroup(QStringLiteral("profile_fw"), uchar(profile));
    const QVariantList other = files->defaultGroup(QStringLiteral("other_fw"), uchar(profile));
    QVariantMap out { { "colors", z4_colorCells(mousevalues::defaultIndicatorColors()) },
        { "indices", mousevalues::defaultIndicatorIndices() } };
    if (other.size() > 1) {
        out[QStringLiteral("activeStage")] = toInt(other.at(0), 1);
        out[QStringLiteral("rateIndex")] = mousevalues::rateIndex(mousevalues::toByte(other.at(1)));
    }
    // The default file holds the stage table as the mouse does.
    if (image.size() >= MouseSettings::kDpiStageFirst + mousevalues::kStages)
        out[QStringLiteral("stageValues")] = mousevalues::stageDpis(
            image.mid(MouseSettings::kDpiStageFirst, mousevalues::kStages), dpiBase());
    return out;
}

QVariantList myQQuickView::z4_colorCells(QVariantList list24)
{
    if (list24.size() != 3 * mousevalues::kStages)
        return {};
    QVariantList cells;
    for (int i = 0; i < list24.size(); i += 3)
        cells << QVariant(QVariantList { mousevalues::toByte(list24.at(i)),
            mousevalues::toByte(list24.at(i + 1)), mousevalues::toByte(list24.at(i + 2)) });
    return cells;
}

QVariantList myQQuickView::z4_colorList(QVariantList cells)
{
    QVariantList out;
    for (int i = 0; i < mousevalues::kStages; ++i) {
        const QVariantList rgb = cells.value(i).toList();
        for (int c = 0; c < 3; ++c)
            out << mousevalues::toByte(rgb.value(c));
    }
    return out;
}

QVariantList myQQuickView::z4_lighting()
{
    noteShown(ShownValues::Effect, currentValues(ShownValues::Effect, store->curProfile()));
    return settings->lighting(store->curProfile());
}

QVariantMap myQQuickView::z4_lightingDefaults()
{
    const QVariantList image = files->defaultGroup(QStringLiteral("profile_fw"), 0);
    if (image.size() < kEffectFirst + 3)
        return {};
    const int effect = toInt(image.at(kEffectFirst), 0);
    return { { "colors", z4_colorCells(image.mid(MouseSettings::kLedColorFirst, 3 * mousevalues::kStages)) },
        { "lighting",
            QVariantList { effect,
                keyfunctions::speedIndex(effect, mousevalues::toByte(image.at(kEffectFirst + 2))),
                keyfunctions::brightnessIndex(mousevalues::toByte(image.at(kEffectFirst + 1))) } } };
}

void myQQuickView::z4_setLighting(int effect, int speedIndex, int brightnessIndex)
{
    // A value the effect does not use keeps what the page was shown.
    const int profile = shown.profile(ShownValues::Effect, store->curProfile());
    const QVariantList bytes
        = settings->lightingBytes(profile, effect, mousevalues::effectUsesSpeed(effect) ? speedIndex : -1,
            mousevalues::effectUsesBrightness(effect) ? brightnessIndex : -1);
    if (bytes.isEmpty())
        return;
    applyRegion(ShownValues::Effect, bytes, [this](int p, const QVariantList& v) {
        settings->setLedEffect(
            p, uchar(v.value(0).toUInt()), uchar(v.value(1).toUInt()), uchar(v.value(2).toUInt()));
    });
}

QVariantMap myQQuickView::z4_effectUses(int effect)
{
    return { { "speed", mousevalues::effectUsesSpeed(effect) },
        { "brightness", mousevalues::effectUsesBrightness(effect) },
        { "colors", mousevalues::effectUsesColors(effect) } };
}

QVariantList myQQuickView::z4_lightingValues(int effect, int speedIndex, int brightnessIndex)
{
    return { keyfunctions::speedValue(effect, speedIndex), keyfunctions::brightnessValue(brightnessIndex) };
}
