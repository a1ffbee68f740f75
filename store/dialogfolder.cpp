#include "store/dialogfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& lastFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString dialogfolder::start()
{
    // A folder that does not exist would make a dialog start elsewhere, with its name typed in.
    for (const QString& folder : { lastFolder(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath() }) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::rootPath();
}

void dialogfolder::remember(const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        lastFolder() = QFileInfo(chosenFile).absolutePath();
}
