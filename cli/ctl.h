#pragma once

#include <QStringList>

class QTextStream;

// z4ctl: the window's settings from the command line, through the same core. Exit statuses:
// 0 done, 1 an exchange with the mouse failed (the step is named), 2 a usage error (nothing
// sent, nothing written), 3 the command needs a mouse and none is connected.
namespace ctl {

enum Status { kOk = 0, kFailed = 1, kUsage = 2, kNoMouse = 3 };

// Runs one command line (without the program name) in the current folder, which must be the
// data folder; `out` gets the answer, `err` one line per problem.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

QString usage();

} // namespace ctl
