// Profile store, configuration, profile file and device-facing slots of the bridge. Setters
// change the store, mark it dirty, then send; getters read the store only.
#include "bridge/myqquickview.h"

#include "device/ms_ht66fb560.h"
#include "macro/macrolibrary.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

namespace {
const QString kFactoryConfig = QStringLiteral("./modules/setting/apConfigD.bin");
const QString kDefaultProfiles = QStringLiteral("./modules/setting/pD_Z4.bin");
} // namespace

void myQQuickView::openStore()
{
    appConfig = std::make_unique<AppConfig>(apConfig, kFactoryConfig);
    store = std::make_unique<ProfileStore>(profileFile);
    files = std::make_unique<ProfileFiles>(*store, kDefaultProfiles);
    files->setSaveChooser([this](QWidget*, const QString& caption, const QString& dir, const QString& filter) {
        return chooseFile(true, caption, dir, filter);
    });
    files->setOpenChooser([this](QWidget*, const QString& caption, const QString& dir, const QString& filter) {
        return chooseFile(false, caption, dir, filter);
    });
    settings = std::make_unique<MouseSettings>(*store, device);
    settings->setWriteObserver([this](bool sent, const QString& step) { noteWrite(sent, step); });
    settings->setMacroLibrary(MacroLibrary::folderForModel(modelId));
}

void myQQuickView::refresh()
{
    // The store stays unconnected while the question is open, so nothing replaces the edits.
    settleAsked = connected() && device && store->hasDirty();
    if (settleAsked)
        setConnected(false);
    store->refresh(device);
    if (settleAsked)
        invokeRoot("askSettle", Qt::QueuedConnection);
}

void myQQuickView::z4_settleDirty(bool write)
{
    if (!settleAsked)
        return;
    Transaction settle(*store);
    if (!settle.held()) {
        tellScene(message(kMsgBusy, "The mouse is busy with another program: nothing lost, try again"), true);
        invokeRoot("askSettle", Qt::QueuedConnection);
        return;
    }
    settleAsked = false;
    setConnected(true);
    // A macro a button is to play goes before the key matrix that plays it.
    if (write)
        settings->sendUnsentMacros();
    // Gone in the meantime: the edits stay marked, and the next detection asks again.
    if (!store->settleDirty(*device, write))
        setConnected(false);
    settle.finish(true);
}

void myQQuickView::setDeviceStatus(const QVariantMap& status)
{
    invokeRoot("showDeviceStatus", Qt::QueuedConnection, { status });
}

void myQQuickView::z4_copyText(QString text)
{
    QGuiApplication::clipboard()->setText(text);
}

void myQQuickView::loadProfiles()
{
    store->loadProfiles();
}

void myQQuickView::rereadStore()
{
    store->file()->sync();
    store->loadProfiles();
    invokeRoot("rereadStore", Qt::QueuedConnection);
}

void myQQuickView::saveProfiles()
{
    store->saveProfiles();
}

// Writes made in one turn of the event loop (one APPLY, one ALL SAVE) give one message, told
// when the turn ends; the first write that failed names the step.
void myQQuickView::noteWrite(bool sent, const QString& step)
{
    ++writesPending;
    scheduleReport();
    if (!sent && failedStep.isEmpty())
        failedStep = step;
}

void myQQuickView::noteRefused(int textIndex, const char* english)
{
    const QString name = uiStrings.value(textIndex).trimmed();
    const QString shown = name.isEmpty() ? QString::fromLatin1(english) : name;
    if (!refusedSettings.contains(shown))
        refusedSettings << shown;
    scheduleReport();
}

void myQQuickView::scheduleReport()
{
    if (reportScheduled)
        return;
    reportScheduled = true;
    QTimer::singleShot(0, this, &myQQuickView::reportWrites);
}

void myQQuickView::reportWrites()
{
    QString text;
    bool failure = false;
    if (writesPending > 0 && !store->isConnected()) {
        text = message(kMsgNotConnected, "Mouse not connected: kept in the program");
    } else if (writesPending > 0 && !failedStep.isEmpty()) {
        text = message(
            kMsgWriteFailed, "Writing to the mouse failed at %1: nothing lost, try again", failedStep);
        failure = true;
    } else if (writesPending > 0 && macroAwaitsApply) {
        text = message(kMsgMacroSent, "Macro sent to the mouse: APPLY gives it to the button");
    } else if (writesPending > 0) {
        text = message(kMsgSaved, "Saved to the mouse");
    }
    // A setting the desktop did not take is named, not hidden behind what went well.
    if (!refusedSettings.isEmpty()) {
        const QString refused = message(
            kMsgPointerRefused, "the desktop refused %1", refusedSettings.join(QStringLiteral(", ")));
        text = text.isEmpty() ? refused : text + QString::fromUtf8(" \u2014 ") + refused;
        failure = true;
    }
    if (!text.isEmpty())
        tellScene(text, failure);
    writesPending = 0;
    reportScheduled = false;
    macroAwaitsApply = false;
    failedStep.clear();
    refusedSettings.clear();
}

QVariant myQQuickView::z4_getApConfig(QString key)
{
    return appConfig->modelValue(key);
}

QVariantList myQQuickView::z4_getDefaultProfile(QString key, uchar profileId)
{
    return files->defaultGroup(key, profileId);
}

bool myQQuickView::z4_loadProfile(int profile)
{
    QString chosen;
    const QString refused = files->stageFile(profile, &chosen);
    if (!refused.isEmpty())
        QMessageBox::warning(
            nullptr, tr("Open File"), refused + QLatin1Char('\n') + tr("The profile was not changed."));
    if (chosen.isEmpty() || !refused.isEmpty())
        return false;
    showStaged(profile);
    return true;
}

// The pages read the staged values; the store goes back to the file's, and what the pages were
// shown counts as the file's, so APPLY sends the staged values as the person's edits.
void myQQuickView::showStaged(int profile)
{
    invokeRoot("showStaged", Qt::DirectConnection);
    store->loadProfiles();
    for (int r = 0; r < ShownValues::kRegions; ++r) {
        const auto region = ShownValues::Region(r);
        shown.note(region, profile, currentValues(region, profile));
    }
    tellScene(message(kMsgShownUnapplied, "%1 is shown: APPLY or ALL SAVE writes it to the mouse",
                  profileLabel(profile)),
        false);
}

void myQQuickView::z4_saveProfile(int profile)
{
    QString written;
    if (files->exportProfile(profile, &written))
        tellScene(message(kMsgExported, "Exported to %1", QDir::toNativeSeparators(written)), false);
}

void myQQuickView::z4_resetProfile(int profile)
{
    if (!ProfileStore::isProfile(profile))
        return;
    files->stageDefaults(profile);
    showStaged(profile);
}

void myQQuickView::z4_SetDirty_Profile(uchar profileId)
{
    store->markDirty(FwGroup::Profile, profileId);
}

void myQQuickView::z4_SetDirty_Matrix(uchar profileId)
{
    store->markDirty(FwGroup::Matrix, profileId);
}

void myQQuickView::z4_SetDirty_Other(uchar profileId)
{
    store->markDirty(FwGroup::Other, profileId);
}

uint myQQuickView::z4_GetMaxDpiStage()
{
    return settings->maxDpiStage(store->curProfile());
}

void myQQuickView::z4_02H_SetCurrentProfile(uchar profileId)
{
    const auto result = transaction::selectProfile(*store, device, profileId);
    if (result == transaction::Result::Busy) {
        tellScene(message(kMsgBusy, "The mouse is busy with another program: nothing lost, try again"), true);
        invokeRoot("rereadStore", Qt::QueuedConnection);
    }
}

void myQQuickView::z4_03H_SetReportRate(uchar rate)
{
    applyRegion(ShownValues::Rate, { int(rate) },
        [this](int p, const QVariantList& v) { settings->setReportRate(p, uchar(v.value(0).toUInt())); });
}

void myQQuickView::z4_04H_SetDPIStage(uchar stage)
{
    applyRegion(ShownValues::Stage, { int(stage) },
        [this](int p, const QVariantList& v) { settings->setDpiStage(p, uchar(v.value(0).toUInt())); });
}

void myQQuickView::z4_0CH_SetRGBLedEffect(uchar effect, uchar light, uchar speed)
{
    applyRegion(
        ShownValues::Effect, { int(effect), int(light), int(speed) }, [this](int p, const QVariantList& v) {
            settings->setLedEffect(
                p, uchar(v.value(0).toUInt()), uchar(v.value(1).toUInt()), uchar(v.value(2).toUInt()));
        });
}

void myQQuickView::z4_0CH_SetDpi8Color(QVariantList src24)
{
    applyRegion(ShownValues::DpiColors, src24,
        [this](int p, const QVariantList& v) { settings->setDpiColors(p, v); });
}

void myQQuickView::z4_0CH_SetDpi8Io(QVariantList src8)
{
    applyRegion(ShownValues::DpiIo, src8, [this](int, const QVariantList& v) { settings->setDpiIo(v); });
}

void myQQuickView::z4_0CH_SetDpi8Stage(QVariantList src16)
{
    applyRegion(
        ShownValues::Stages, src16, [this](int p, const QVariantList& v) { settings->setDpiStages(p, v); });
}

void myQQuickView::z4_0DH_SetKeyMatrix(QVariantList src64)
{
    applyRegion(
        ShownValues::Matrix, src64, [this](int p, const QVariantList& v) { settings->setKeyMatrix(p, v); },
        ProfileStore::kSlotBytes);
}

void myQQuickView::z4_SetLED8StageColor(QVariantList src24)
{
    applyRegion(
        ShownValues::LedColors, src24, [this](int, const QVariantList& v) { settings->setLedColors(v); });
}

uchar myQQuickView::z4_82H_GetCurrentProfile()
{
    return store->curProfile();
}

uchar myQQuickView::z4_83H_GetReportRate()
{
    return uchar(
        noteShown(ShownValues::Rate, { int(settings->reportRate(store->curProfile())) }).value(0).toUInt());
}

uchar myQQuickView::z4_84H_GetDPIStage()
{
    return uchar(
        noteShown(ShownValues::Stage, { int(settings->dpiStage(store->curProfile())) }).value(0).toUInt());
}

uchar myQQuickView::z4_89H_GetRGBLedTwinkle()
{
    return settings->lightingType();
}

QVariantList myQQuickView::z4_8CH_GetRGBLedEffect()
{
    return noteShown(ShownValues::Effect, settings->ledEffect(store->curProfile()));
}

QVariantList myQQuickView::z4_8CH_GetDpi8Color()
{
    return noteShown(ShownValues::DpiColors, settings->dpiColors(store->curProfile()));
}

QVariantList myQQuickView::z4_8CH_GetDpi8Io()
{
    return noteShown(ShownValues::DpiIo, settings->dpiIo());
}

QVariantList myQQuickView::z4_8CH_GetDpi8Stage()
{
    noteShown(ShownValues::Stages, currentValues(ShownValues::Stages, store->curProfile()));
    return settings->dpiStages(store->curProfile());
}

QVariantList myQQuickView::z4_GetLED8StageColor()
{
    return noteShown(ShownValues::LedColors, settings->ledColors());
}

void myQQuickView::saveApConfig(QVariantList apConfigs)
{
    appConfig->save(apConfigs);
}

QVariantList myQQuickView::loadApConfig()
{
    return appConfig->load();
}

void myQQuickView::resetApconfig()
{
    appConfig->reset();
    apConfig = appConfig->settings();
}
