#pragma once

#include <QString>

// Where the program works. Every data path is relative ("./modules/..."), so the working
// folder decides where settings, profiles and macros are read and written.
namespace datafolder {

// The program's own folder when it holds a writable "modules" folder (the portable layout);
// otherwise, when an installation's data folder is found beside it ("../share/z4config"), the
// user's data folder prepared from it; otherwise the program's own folder.
QString choose(const QString& programDir, const QString& userDataDir);

// Makes userDir/modules resolve like an installed program folder: the read-only folders and
// the factory files lead to the installation, the files the program writes are copies made
// on first use and never overwritten afterwards. Returns false when the folder cannot be made.
bool prepare(const QString& installedDir, const QString& userDir);

} // namespace datafolder
