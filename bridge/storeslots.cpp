// Profile store, configuration, profile file and device-facing slots of the bridge. Setters
// change the store, mark it dirty, then send; getters read the store only.
#include "bridge/myqquickview.h"

#include "device/ms_ht66fb560.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

namespace {
const QString kFactoryConfig = QStringLiteral("./modules/setting/apConfigD.bin");
const QString kDefaultProfiles = QStringLiteral("./modules/setting/pD_Z4.bin");

constexpr int kDpiIoFirst = 16; // profile 0 only
constexpr int kLedColorFirst = 24; // profile 0 only
constexpr int kMaxStageEntry = 70;
constexpr int kEffectFirst = 71; // effect, brightness, speed
constexpr int kDpiStageFirst = 84;
constexpr int kDpiColorFirst = 104;
constexpr int kStageEntry = 0; // single settings
constexpr int kRateEntry = 1;
constexpr int kLightingEntry = 2;
constexpr uint kStoredStageMax = 207; // read back as kShownStageMax
constexpr uint kShownStageMax = 159;
constexpr uint kStoredEightColor = 8; // read back as 7
} // namespace

void myQQuickView::openStore()
{
    appConfig = std::make_unique<AppConfig>(apConfig, kFactoryConfig);
    store = std::make_unique<ProfileStore>(profileFile);
    files = std::make_unique<ProfileFiles>(*store, kDefaultProfiles);
    files->setDialogParent(this);
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
    settleAsked = false;
    setConnected(true);
    // Gone in the meantime: the edits stay marked, and the next detection asks again.
    if (!store->settleDirty(*device, write))
        setConnected(false);
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

void myQQuickView::saveProfiles()
{
    store->saveProfiles();
}

void myQQuickView::editImage(FwGroup group, int profile, int first, const QVariantList& values, int count)
{
    store->setEntries(group, profile, first, values, count);
    store->markDirty(group, profile);
    sendImage(group, profile);
}

void myQQuickView::sendImage(FwGroup group, int profile)
{
    if (!ProfileStore::isProfile(profile))
        return;
    ProfileStore::Block bytes = store->block(group, profile);
    const bool matrix = group == FwGroup::Matrix;
    const bool sent = device
        && (matrix ? device->hid_0DH_SetKeyMatrix(uchar(profile), bytes.data())
                   : device->hid_0CH_SetFwProfile(uchar(profile), bytes.data()));
    noteWrite(sent, group, profile, matrix ? "0DH" : "0CH");
}

// A write that did not reach a present mouse keeps its group flagged, so the change is offered
// to the mouse again instead of being replaced by the mouse's settings at the next read.
void myQQuickView::noteWrite(bool sent, FwGroup group, int profile, const char* command)
{
    if (!sent && store->isConnected())
        store->flagDirty(group, profile);
    noteWrite(sent, QStringLiteral("%1 %2").arg(QLatin1String(command), profileLabel(profile)));
}

// Writes made in one turn of the event loop (one APPLY, one ALL SAVE) give one message, told
// when the turn ends; the first write that failed names the step.
void myQQuickView::noteWrite(bool sent, const QString& step)
{
    if (writesPending++ == 0)
        QTimer::singleShot(0, this, &myQQuickView::reportWrites);
    if (!sent && failedStep.isEmpty())
        failedStep = step;
}

void myQQuickView::reportWrites()
{
    if (!store->isConnected())
        tellScene(message(kMsgNotConnected, "Mouse not connected: kept in the program"), false);
    else if (!failedStep.isEmpty())
        tellScene(message(kMsgWriteFailed, "Writing to the mouse failed at %1: nothing lost, try again")
                      .arg(failedStep),
            true);
    else
        tellScene(message(kMsgSaved, "Saved to the mouse"), false);
    writesPending = 0;
    failedStep.clear();
}

QVariant myQQuickView::z4_getApConfig(QString key)
{
    return appConfig->modelValue(key);
}

QVariantList myQQuickView::z4_getDefaultProfile(QString key, uchar profileId)
{
    return files->defaultGroup(key, profileId);
}

void myQQuickView::z4_loadProfile(int profile)
{
    bool imported = false;
    const QString refused = files->importProfile(profile, &imported);
    if (!refused.isEmpty())
        QMessageBox::warning(
            nullptr, tr("Open File"), refused + QLatin1Char('\n') + tr("The profile was not changed."));
    else if (imported)
        tellScene(message(kMsgImported, "Imported into %1").arg(profileLabel(profile)), false);
}

void myQQuickView::z4_saveProfile(int profile)
{
    QString written;
    if (files->exportProfile(profile, &written))
        tellScene(message(kMsgExported, "Exported to %1").arg(QDir::toNativeSeparators(written)), false);
}

void myQQuickView::z4_resetProfile(int profile)
{
    files->resetProfile(profile);
    if (ProfileStore::isProfile(profile))
        tellScene(message(kMsgReset, "%1 back to its defaults").arg(profileLabel(profile)), false);
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
    return store->value(FwGroup::Profile, store->curProfile(), kMaxStageEntry);
}

void myQQuickView::z4_02H_SetCurrentProfile(uchar profileId)
{
    if (store->setCurProfile(profileId) && device)
        device->hid_02H_SetCurrentProfile(profileId);
}

void myQQuickView::z4_03H_SetReportRate(uchar rate)
{
    const uchar cur = store->curProfile();
    store->setEntry(FwGroup::Other, cur, kRateEntry, int(rate));
    store->markDirty(FwGroup::Other, cur);
    noteWrite(device && device->hid_03H_SetReportRate(rate, cur), FwGroup::Other, cur, "03H");
}

void myQQuickView::z4_04H_SetDPIStage(uchar stage)
{
    const uchar cur = store->curProfile();
    store->setEntry(FwGroup::Other, cur, kStageEntry, int(stage));
    store->markDirty(FwGroup::Other, cur);
    noteWrite(device && device->hid_04H_SetDPIStage(stage, cur), FwGroup::Other, cur, "04H");
}

void myQQuickView::z4_0CH_SetRGBLedEffect(uchar effect, uchar light, uchar speed)
{
    editImage(
        FwGroup::Profile, store->curProfile(), kEffectFirst, { int(effect), int(light), int(speed) }, 3);
}

void myQQuickView::z4_0CH_SetDpi8Color(QVariantList src24)
{
    editImage(FwGroup::Profile, store->curProfile(), kDpiColorFirst, src24, 24);
}

void myQQuickView::z4_0CH_SetDpi8Io(QVariantList src8)
{
    editImage(FwGroup::Profile, 0, kDpiIoFirst, src8, 8);
}

void myQQuickView::z4_0CH_SetDpi8Stage(QVariantList src16)
{
    editImage(FwGroup::Profile, store->curProfile(), kDpiStageFirst, src16, 16);
}

void myQQuickView::z4_0DH_SetKeyMatrix(QVariantList src64)
{
    editImage(FwGroup::Matrix, store->curProfile(), 0, src64, 64);
}

void myQQuickView::z4_SetLED8StageColor(QVariantList src24)
{
    editImage(FwGroup::Profile, 0, kLedColorFirst, src24, 24);
}

uchar myQQuickView::z4_82H_GetCurrentProfile()
{
    return store->curProfile();
}

uchar myQQuickView::z4_83H_GetReportRate()
{
    return uchar(store->value(FwGroup::Other, store->curProfile(), kRateEntry));
}

uchar myQQuickView::z4_84H_GetDPIStage()
{
    return uchar(store->value(FwGroup::Other, store->curProfile(), kStageEntry));
}

uchar myQQuickView::z4_89H_GetRGBLedTwinkle()
{
    return uchar(store->value(FwGroup::Other, 0, kLightingEntry));
}

QVariantList myQQuickView::z4_8CH_GetRGBLedEffect()
{
    return store->entries(FwGroup::Profile, store->curProfile(), kEffectFirst, 3);
}

QVariantList myQQuickView::z4_8CH_GetDpi8Color()
{
    return store->entries(FwGroup::Profile, store->curProfile(), kDpiColorFirst, 24);
}

QVariantList myQQuickView::z4_8CH_GetDpi8Io()
{
    QVariantList indices = store->entries(FwGroup::Profile, 0, kDpiIoFirst, 8);
    for (QVariant& index : indices) {
        if (index.toUInt() == kStoredEightColor)
            index = int(kStoredEightColor - 1);
    }
    return indices;
}

QVariantList myQQuickView::z4_8CH_GetDpi8Stage()
{
    QVariantList codes;
    for (const QVariant& entry : store->entries(FwGroup::Profile, store->curProfile(), kDpiStageFirst, 16)) {
        const uint code = entry.toUInt();
        codes.append(code == kStoredStageMax ? kShownStageMax : code);
    }
    return codes;
}

QVariantList myQQuickView::z4_GetLED8StageColor()
{
    return store->entries(FwGroup::Profile, 0, kLedColorFirst, 24);
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
