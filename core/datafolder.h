#pragma once

#include <QString>

// Where the program works. Every data path is relative ("./modules/..."), so the working
// folder decides where settings, profiles and macros are read and written.
namespace datafolder {

// When an installation's data folder is found beside the program ("../share/z4config"): the
// user's data folder, prepared from it. That folder is userDataDir, or "<userDataDir>-user" when
// userDataDir is (or lies inside, or holds) the installed data folder, as after installing into
// the user's own ~/.local: a reinstall must not replace the user's files. Otherwise the program's
// own folder (the portable layout). Empty when the user's folder cannot be prepared; `failure`
// then names the path that failed and why. The installation folder is never the answer.
QString choose(const QString& programDir, const QString& userDataDir, QString* failure = nullptr);

// Makes userDir/modules resolve like an installed program folder, entry by entry, repairing
// what an earlier start, a failed copy or the user left behind: the read-only folders and the
// factory files lead to the installation (links, or complete copies where links fail); the
// files the program rewrites are real files of the user's, made once and kept afterwards (one
// that is a link becomes a copy of what it showed). False, with `failure` set, on the first
// entry that cannot be made right.
bool prepare(const QString& installedDir, const QString& userDir, QString* failure = nullptr);

} // namespace datafolder
