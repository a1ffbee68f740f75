#include "app/localurlopener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

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
    const QUrl full = absolute(url);
#ifdef Q_OS_WIN
    // The handler steps aside for the call, or the desktop's opener would come back here.
    QDesktopServices::unsetUrlHandler(kScheme);
    const bool opened = QDesktopServices::openUrl(full);
    QDesktopServices::setUrlHandler(kScheme, this, "openUrl");
    if (!opened)
        emit failed(full);
#else
    // xdg-open ends with an error when nothing opens the address; a browser it starts may run
    // on in its place, so the window never waits for it.
    auto* opener = new QProcess(this);
    connect(opener, &QProcess::finished, this, [this, opener, full](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            emit failed(full);
        opener->deleteLater();
    });
    connect(opener, &QProcess::errorOccurred, this, [this, opener, full](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            emit failed(full);
            opener->deleteLater();
        }
    });
    opener->start(QStringLiteral("xdg-open"), { full.toString() });
#endif
}
