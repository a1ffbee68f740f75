#pragma once

#include <QString>

// Where the single-instance lock and the copy-data socket live (Linux): a folder that only this
// user can enter, so another user can neither take the names first nor reach the socket.
namespace runtimefolder {

// Chosen from the user id alone, so every process of the user meets in the same folder whatever
// its environment (su and ssh sessions often lack XDG_RUNTIME_DIR or inherit another user's):
// /run/user/<uid> when it is a real folder owned by this user and closed to others; otherwise a
// 0700 folder of the user's own, "z4config-runtime-<uid>" in the temporary folder, or in the
// cache folder when that name is taken by someone else. Z4_RUNTIME_FOLDER, when set, names a
// sandbox's folder instead (tests). Empty only when none of them can be used.
QString path();

} // namespace runtimefolder
