#pragma once

#include <QFileInfo>
#include <QString>

// Settings files are read whole by QSettings: a FIFO or device would block the reader for good
// and a huge file would be taken into memory. So every reader of profile files, macro files,
// language packs and the application configuration first asks here. Header-only, as the store,
// macro and language layers below the core read such files too.
namespace readablefile {

// Shipped profile files, configuration and language packs are under 8 KB: 1 MiB is far beyond
// any real one and still parses in milliseconds.
constexpr qint64 kSettingsBytes = 1024 * 1024;
// A macro file may hold up to 65,536 lines of some 40 bytes each.
constexpr qint64 kMacroBytes = 4 * 1024 * 1024;

// True for a regular file (also behind a link) of at most maxBytes. The check does not open
// the file, so it cannot block.
inline bool fits(const QString& path, qint64 maxBytes = kSettingsBytes)
{
    const QFileInfo file(path);
    return file.isFile() && file.size() <= maxBytes;
}

} // namespace readablefile
