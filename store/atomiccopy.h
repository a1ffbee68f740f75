#pragma once

#include <QString>

// Copies `from` over `to` through a temporary file beside `to` that replaces it only once it is
// complete, so a failure (disk full, quota, no rights) leaves the old `to` as it was and a reader
// never sees half a file. A link at `to` is followed. On failure, `error` (when given) names the
// path that failed and why.
bool copyReplacing(const QString& from, const QString& to, QString* error = nullptr);
