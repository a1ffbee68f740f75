#pragma once

#include <QString>
#include <QVariantList>

#include <functional>

class ProfileStore;
class QSettings;
class QWidget;

// Export, import and reset of single profiles, and the default profiles. None of these talk to
// the device; import and reset change the live profile file and reload the store from it.
// The dialogs block in their own event loop.
class ProfileFiles {
public:
    // Returns the chosen path, or an empty text when the user cancelled.
    using Chooser = std::function<QString(
        QWidget* parent, const QString& caption, const QString& dir, const QString& filter)>;

    ProfileFiles(ProfileStore& store, const QString& defaultsFile);

    // Without choosers (the bridge sets the file dialogs) exportProfile and importProfile
    // pick nothing.
    void setSaveChooser(Chooser chooser) { saveChooser = std::move(chooser); }
    void setOpenChooser(Chooser chooser) { openChooser = std::move(chooser); }
    void setDialogParent(QWidget* parent) { dialogParent = parent; }

    // Copies the whole live file to a chosen "*.pf" file, marked with `profile`. The copy is
    // written beside the target and then replaces it, so a failure leaves an existing target
    // intact; the live file itself is refused as a target. Returns whether a file was written.
    // `written` (when given) gets the file written.
    bool exportProfile(int profile, QString* written = nullptr);
    // Takes the marked profile's four groups from a chosen file into `profile` (0..5) of the
    // live file and reloads the store, also when the dialog was cancelled. A file that is not a
    // complete profile of this program is refused and nothing changes: the answer then names
    // the file and what is wrong with it (empty otherwise); `imported` (when given) tells
    // whether a file was taken.
    QString importProfile(int profile, bool* imported = nullptr);
    // What keeps the chosen file from being imported, empty when nothing does; `source` gets
    // the profile it holds.
    static QString importProblem(const QSettings& chosen, int* source);
    // The same for the file at `path`, which must also be a regular file of a sane size, named
    // with its path.
    static QString importRefusal(const QString& path, int* source);
    // exportProfile and importProfile without a dialog: empty on success, else what went wrong.
    // A refused import changes nothing.
    QString exportTo(int profile, const QString& path);
    QString importFrom(int profile, const QString& path);
    // The window's LOAD and RESET: the chosen file's profile, or the defaults of `profile` and of
    // profile 0's shared image, go into the store's memory only (neither the file nor the mouse),
    // to be shown as unapplied edits. A cancelled dialog (`chosenPath` empty) or a refused file
    // (the answer names the file and the problem) changes nothing.
    QString stageFile(int profile, QString* chosenPath);
    void stageDefaults(int profile);
    // Restores `profile` and profile 0 from the defaults, then reloads the store.
    void resetProfile(int profile);
    // The list under `key`/`profileId` of the default file, read afresh; empty when absent.
    QVariantList defaultGroup(const QString& key, uchar profileId) const;

    static const QStringList& groups();

private:
    ProfileStore& store;
    QString defaultsFile;
    QWidget* dialogParent = nullptr;
    Chooser saveChooser;
    Chooser openChooser;
};
