#pragma once

#include <QString>

// Where the single-instance lock and the copy-data socket live (Linux): a folder that only this
// user can enter, so another user can neither take the names first nor reach the socket.
namespace runtimefolder {

// XDG_RUNTIME_DIR when it is a real folder owned by this user and closed to others (su and ssh
// sessions often lack it or inherit another user's); otherwise a 0700 folder of the user's own,
// "z4config-runtime-<uid>" in the temporary folder, or in the cache folder when that name is
// taken by someone else. Empty only when none of them can be made.
QString path();

} // namespace runtimefolder
