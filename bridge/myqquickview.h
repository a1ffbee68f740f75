#pragma once

#include "core/mousesettings.h"
#include "core/shownvalues.h"
#include "core/transaction.h"
#include "store/appconfig.h"
#include "store/profilefiles.h"
#include "store/profilestore.h"

#include <QList>
#include <QQuickView>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>

class MS_HT66FB560;
class PointerSettings;
class QSettings;
class QWidget;

// The scene's only way into the program (context property "ui_View"), and the owner of the
// working state. The slot order is the scene's contract: new slots go where the table puts
// them, never at the end by habit. Every slot runs on the GUI thread; slots that talk to the
// mouse block for the whole exchange. It is also the program's window: the scene renders
// straight into it, and dialogs it opens stay above it.
class myQQuickView : public QQuickView {
    Q_OBJECT
public:
    explicit myQQuickView(QWindow* parent = nullptr);
    ~myQQuickView() override;

    // While disabled (the scene's protect lock) no pointer, wheel or key input reaches the scene.
    bool isEnabled() const { return inputEnabled; }
    // The window that renders the scene and the top-level window holding it: both the view.
    QQuickWindow* quickWindow() { return this; }
    myQQuickView* window() { return this; }
    QImage grabFramebuffer() { return grabWindow(); }
    QPoint pos() const { return position(); }
    // Makes a dialog without a parent widget belong to this window: it is centred over it and
    // kept above it by the window manager.
    void adoptDialog(QWidget* dialog);

    // Set by the host window right after the controller's set-up; never owned here.
    void setDevice(MS_HT66FB560* dev)
    {
        device = dev;
        settings->setDevice(dev);
    }

    // Profile store, outside the slot table. refresh() blocks for 26 exchanges with the mouse,
    // except when edits made without the mouse wait: it then loads the file, asks the scene
    // (askSettle) and leaves the refresh to the answer, z4_settleDirty().
    void refresh();
    void loadProfiles();
    void saveProfiles();
    // Another process changed the profile file (and, through it, the mouse): reload the store
    // and let the scene read its pages again (root's rereadStore).
    void rereadStore();

    // Detection's verdict, set by the host window before every refresh().
    void setConnected(bool on) { store->setConnected(on); }
    bool connected() const { return store->isConnected(); }
    // The current profile and the images, for slots of other groups (key matrix, macros).
    ProfileStore& profileStore() { return *store; }
    // The profile file dialogs, replaceable by tests.
    ProfileFiles& profileFiles() { return *files; }

    // Detection's result for the scene's status (state 0 absent, 1 no permission, 2 connected;
    // product, version, path, reason), queued to the root's showDeviceStatus.
    void setDeviceStatus(const QVariantMap& status);

    // Input capture reports, queued to the scene's root.
    void forwardKeyboard(bool isDown, int usbCode);
    void forwardMouse(bool isDown, int buttonCode, uint x, uint y);

public slots:
    // The text of a question the scene asks in the window, in the pack's language, naming
    // `subject`: 0 reset a profile, 1 load over a profile, 2 ALL RESET, 3 delete a macro,
    // 4 changes not applied on `subject` (the parts' names), 5 the last left button changes.
    // Empty for another number.
    QString z4_questionText(int question, QString subject);
    // The guide (or another address) could not be opened: the window says where it is.
    void z4_tellOpenFailed(QString url);
    void setEnabled(bool enabled) { inputEnabled = enabled; }
    QVariant z4_getApConfig(QString key);
    void setAcceleration(bool acceleration);
    void setCursorSpeed(uint cursorSpeed);
    void setVerticalScrollLines(uint lines);
    void setDoubleClickSpeed(uint speed);
    bool getAcceleration();
    uint getCursorSpeed();
    uint getVerticalScrollLines();
    uint getDoubleClickSpeed();
    QVariantList z4_getDefaultProfile(QString key, uchar profileId);
    // True when a file was taken: its values are then the pages' unapplied edits of `profile`.
    bool z4_loadProfile(int profile);
    void z4_saveProfile(int profile);
    void z4_resetProfile(int profile);
    // "edits of P01" when a page (its objectName) shows another profile than the current one,
    // else an empty text.
    QString z4_editsOf(QString page);
    QStringList z4_getProductLayoutStrings(QString langCode);
    void z4_SetDirty_Profile(uchar profileId);
    void z4_SetDirty_Matrix(uchar profileId);
    void z4_SetDirty_Other(uchar profileId);
    uint z4_GetMaxDpiStage();
    void z4_02H_SetCurrentProfile(uchar profileId);
    void z4_03H_SetReportRate(uchar rate);
    void z4_04H_SetDPIStage(uchar stage);
    void z4_0CH_SetRGBLedEffect(uchar effect, uchar light, uchar speed);
    void z4_0CH_SetDpi8Color(QVariantList src24);
    void z4_0CH_SetDpi8Io(QVariantList src8);
    void z4_0CH_SetDpi8Stage(QVariantList src16);
    void z4_0DH_SetKeyMatrix(QVariantList src64);
    // False when refused (nothing sent): an id outside 1..100, a repeat count or a macro that
    // does not fit the block; the last two after a warning box.
    bool z4_0FH_SetMacroKey(QVariant macroId, QVariant name);
    void z4_SetLED8StageColor(QVariantList src24);
    uchar z4_82H_GetCurrentProfile();
    uchar z4_83H_GetReportRate();
    uchar z4_84H_GetDPIStage();
    uchar z4_89H_GetRGBLedTwinkle();
    QVariantList z4_8CH_GetRGBLedEffect();
    QVariantList z4_8CH_GetDpi8Color();
    QVariantList z4_8CH_GetDpi8Io();
    QVariantList z4_8CH_GetDpi8Stage();
    QVariantList z4_GetLED8StageColor();
    void initUI();
    void runUI();
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig();
    void resetApconfig();
    void loadMacroIniFromFile(QVariant name);
    void saveMacroIniToFile(QVariant name);
    void renameMacroIniFile(QVariant oldName, QVariant newName);
    QString getCustomFilePath();
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(QString langCode);
    QVariant createMacroIni();
    QVariant deleteMacroIni(QVariant name);
    QStringList getMacroIniNames();
    QVariant saveMacroIni(QVariant name, QStringList macros);
    QStringList loadMacroIni(QVariant name);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);
    // The delay field's least and greatest value in ms; the encoder clamps longer delays.
    QVariantList getMacroDelayRange();
    QVariantList getKeydefine(QVariant matrixId);
    // Macro slots (0..99) a button of any profile plays, from the store; never talks to the mouse.
    QVariantList z4_getUsedMacroIndices();
    QList<uchar> macroIncode(QStringList macros);
    // The answer to askSettle: write the edits made without the mouse, or keep the mouse's.
    void z4_settleDirty(bool write);
    void z4_copyText(QString text);
    // The profile switcher (z4switch): its rules, state and autostart, through switcher/. Each
    // change answers an empty text when done, else why not (in English, from the rules file).
    QVariantMap z4_switchState();
    QString z4_switchAdd(QString match, int profile);
    QString z4_switchRemove(int number);
    QString z4_switchSetBase(int profile);
    QString z4_switchSetOn(bool on);

    // What the person chose, turned into what the mouse keeps by the core (ruleslots.cpp);
    // the scene computes no byte itself. Key slots travel as opaque lists of four numbers.
    QVariantMap z4_functionTable();
    QVariantList z4_keyMatrix(); // 16 slots of the current profile, null where unreadable
    QVariantList z4_defaultKeySlots();
    // The key page's 16 slots to the current profile (a null slot does nothing).
    void z4_applyKeySlots(QVariantList keySlots);
    QVariantMap z4_keySlotView(QVariantList slot);
    QVariantList z4_keySlotBytes(QVariantMap choice); // empty while the choice is incomplete
    bool z4_needsLeftGuard(QVariantList keySlots, int slot, int reachableButtons);
    // Macro `name` for a button of the unapplied `keySlots` (that button's slot null): the
    // button's four bytes, or empty when refused (the person is told why).
    QVariantList z4_assignMacro(QString name, int mode, int count, QVariantList keySlots);
    void z4_releaseMacros(QVariantList keySlots);
    int z4_reportRateIndex();
    void z4_setReportRateIndex(int index);
    QVariantList z4_dpiStageValues(); // DPI values, 0 for "x"
    void z4_setDpiStageValues(QVariantList dpis);
    void z4_setActiveDpiStage(int stage);
    QVariantList z4_eightColors();
    // The sensor page's DEFAULT: rateIndex, stageValues, activeStage, colors, indices.
    QVariantMap z4_sensorDefaults(int profile);
    QVariantList z4_colorCells(QVariantList list24); // eight [r, g, b]
    QVariantList z4_colorList(QVariantList cells); // 24 numbers 0..255
    QVariantList z4_lighting(); // [effect, speed position, brightness position]
    // Profile 0's defaults: colors (eight cells) and lighting (as z4_lighting()).
    QVariantMap z4_lightingDefaults();
    void z4_setLighting(int effect, int speedIndex, int brightnessIndex);
    QVariantMap z4_effectUses(int effect); // speed, brightness, colors
    // [speed value, brightness value] the mouse would be told (for the preview).
    QVariantList z4_lightingValues(int effect, int speedIndex, int brightnessIndex);

protected:
    bool event(QEvent* event) override;

private:
    // Every write of one turn of the event loop (one APPLY, one ALL SAVE) is one transaction,
    // finished when the turn ends. False when the mouse stayed busy: nothing may change.
    bool beginChange(ShownValues::Region region);
    void finishChange();
    // Sends what the page changed of `region` to the profile the page shows, merged with the
    // current values; `write` gets the profile and the values.
    void applyRegion(ShownValues::Region region, const QVariantList& edited,
        const std::function<void(int, const QVariantList&)>& write, int unit = 1);
    QVariantList currentValues(ShownValues::Region region, int profile) const;
    QVariantList noteShown(ShownValues::Region region, const QVariantList& values);
    // LOAD and RESET: the store's memory holds the new values of `profile` for the pages to show.
    void showStaged(int profile);
    // A file name chosen in a file dialog over this window; empty when cancelled.
    QString chooseFile(bool save, const QString& caption, const QString& dir, const QString& filter);
    // Wraps the configuration and profile files in the store classes and loads the start-up state.
    void openStore();
    int dpiBase() const;

    // What every action says it did: one short message in the scene (its root's showMessage).
    enum Message {
        kMsgSaved = 7,
        kMsgNotConnected,
        kMsgWriteFailed,
        kMsgExported,
        kMsgImported,
        kMsgReset,
        kMsgAskReset,
        kMsgAskLoad,
        kMsgAskAllReset,
        kMsgAskDeleteMacro,
        kMsgAskUnapplied,
        kMsgPointerRefused,
        kMsgNoOpener,
        kMsgMacroSent,
        kMsgBusy,
        kMsgEditsOf,
        kMsgChangedElsewhere,
        kMsgShownUnapplied
    };
    void noteWrite(bool sent, const QString& step);
    // A pointer setting the desktop did not take, named as the sensor page names it.
    void noteRefused(int textIndex, const char* english);
    void reportWrites();
    void scheduleReport();
    // The language pack's message, or the English text when the pack has none.
    // The language pack's text, or the English one; `subject` fills its %1 where it has one.
    QString message(Message index, const char* english, const QString& subject = QString()) const;
    void tellScene(const QString& text, bool failure);
    static QString profileLabel(int profile);

    // Calls a function of the scene's root item; a root without it is silently skipped.
    void invokeRoot(const char* function, Qt::ConnectionType type, const QVariantList& args = {});
    // The current profile's pointer settings, applied through the system's backend.
    PointerSettings pointerSettings() const;

    QSettings* apConfig = nullptr;
    QStringList msgStrings;
    int modelId = 1;
    MS_HT66FB560* device = nullptr;
    bool settleAsked = false;
    QSettings* profileFile = nullptr;
    std::unique_ptr<AppConfig> appConfig; // owns apConfig
    std::unique_ptr<ProfileStore> store; // works on profileFile
    std::unique_ptr<ProfileFiles> files;
    std::unique_ptr<MouseSettings> settings; // works on store
    ShownValues shown;
    std::unique_ptr<Transaction> change; // of this turn
    bool changeBusy = false;
    bool changedElsewhere = false;
    bool rereadAfter = false;
    QStringList pagesOfTurn;
    int writesPending = 0;
    bool reportScheduled = false;
    QStringList refusedSettings;
    QStringList uiStrings;
    bool macroAwaitsApply = false;
    bool inputEnabled = true;
    QString failedStep;
};
