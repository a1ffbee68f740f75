#include "app/localurlopener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {
const QString kScheme = QStringLiteral("file");
}

LocalUrlOpener::LocalUrlOpener(QObject* parent)
    : QObject(parent)
{
    QDesktopServices::setUrlHandler(kScheme, this, "openUrl");
}

LocalUrlOpener::~LocalUrlOpener()
{
    QDesktopServices::unsetUrlHandler(kScheme);
}

QUrl LocalUrlOpener::absolute(const QUrl& url)
{
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isRelative())
        return url;
    QUrl full = QUrl::fromLocalFile(QDir::current().absoluteFilePath(url.toLocalFile()));
    full.setFragment(url.fragment()); // a section of the guide
    return full;
}

void LocalUrlOpener::openUrl(const QUrl& url)
{
    // The handler steps aside for the call, or the desktop's opener would come back here.
    QDesktopServices::unsetUrlHandler(kScheme);
    QDesktopServices::openUrl(absolute(url));
    QDesktopServices::setUrlHandler(kScheme, this, "openUrl");
}
