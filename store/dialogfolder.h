#pragma once

#include <QString>

// Where the program's file dialogs start: the folder of the last file chosen in one (this run),
// while it still exists; else the person's documents folder, else the home folder. Never the
// working folder, which is the program's hidden data folder when it is installed.
namespace dialogfolder {

QString start();
// Remembers the folder of a file chosen in a dialog; an empty path changes nothing.
void remember(const QString& chosenFile);

} // namespace dialogfolder
