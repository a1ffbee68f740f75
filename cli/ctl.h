#pragma once

#include <QStringList>

class QTextStream;

// z4ctl: the window's settings from the command line, through the same core. Exit statuses:
// 0 done, 1 an exchange with the mouse or a save failed (the step or file is named), 2 a usage
// error (nothing sent, nothing written), 3 the command needs a mouse and none is connected, or
// the mouse cannot be opened (no permission).
namespace ctl {

enum Status { kOk = 0, kFailed = 1, kUsage = 2, kNoMouse = 3 };

// Runs one command line (without the program name) in the current folder, which must be the
// data folder; paths on the line mean `caller`'s files. `out` gets the answer, `err` one line
// per problem. "--complete N WORDS..." prints what the shell may offer for word N (":files"
// first when it offers file names).
int run(const QStringList& args, const QString& caller, QTextStream& out, QTextStream& err);

QString usage();

} // namespace ctl
