#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The macro files of one library folder, one INI file "<name>.bin" per macro. Every call opens
// and closes its own settings object, so a change is on disk when the call returns. Never talks
// to the device. A name that could leave the folder or hide its file (empty, a leading ".", a
// path separator or NUL) acts as a missing file, so it never reaches the file system.
class MacroLibrary {
public:
    // config/total is clamped to 0..kMaxLines so a damaged file cannot exhaust memory. Numbers
    // beyond int read as unparsable, as with Qt's own conversion.
    static constexpr int kMaxLines = 65536;

    explicit MacroLibrary(const QString& folder);

    // "./modules/macro/<modelId>/", relative to the program folder.
    static QString folderForModel(int modelId);
    static bool isValidName(const QString& name);

    QString folder() const { return dir; }
    // Closes the folder (0700) and its files (0600) to other users; a macro can hold typed text
    // such as a password. create() makes them so; this tightens what older versions left.
    void keepPrivate() const;
    // Empty for a name that isValidName rejects.
    QString filePath(const QString& name) const;
    bool exists(const QString& name) const;

    // Files matching "*.bin" (case-sensitively where file names are), case-insensitively sorted,
    // with extension; only what exists() accepts (no folder, FIFO or oversized file).
    QStringList names() const;
    // Writes the first free "Macro. NNN" (index -1, total 0, repeat 1); empty when it cannot.
    QString create();
    bool remove(const QString& name);
    // Never replaces an existing target.
    bool rename(const QString& oldName, const QString& newName);

    // The lines macro/0 .. total-1, a missing line read as "0"; empty for a missing file.
    QStringList lines(const QString& name) const;
    // Replaces every line; false (and nothing written) for a missing file or a failed write.
    bool saveLines(const QString& name, const QStringList& lines);

    // config/index, -1 when absent or unreadable.
    int index(const QString& name) const;
    // config/repeat, 1 when absent or unreadable (also for a missing file).
    int repeat(const QString& name) const;
    // [index, repeat] for an existing file, else empty.
    QVariantList config(const QString& name) const;
    // Needs an existing file and at least two entries.
    bool setConfig(const QString& name, const QVariantList& config);

    // Import and export copy through a temporary file that replaces the target only once it is
    // complete, so a failed copy leaves the old file as it was. An imported file keeps the
    // target's index, never the one it carries.
    bool importFrom(const QString& name, const QString& sourcePath);
    bool exportTo(const QString& name, const QString& targetPath) const;

private:
    QString dir;
};
