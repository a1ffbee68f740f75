#include "app/singleinstance.h"
#include "app/ui_controler.h"
#include "app/widget.h"

#include <QApplication>
#include <QDir>
#include <QList>

#ifndef Q_OS_WIN
#include "app/unixsignals.h"
#endif

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SingleInstance instance;
    if (instance.isRunning())
        return 1;

    // Every data path is relative ("./modules/..."), so work from the program's own folder.
    const QString exePath = QCoreApplication::applicationFilePath();
    QDir::setCurrent(exePath.left(exePath.lastIndexOf(QLatin1Char('/'))));

    qRegisterMetaType<QList<uchar>>("QList<uchar>");

    Widget w;
#ifndef Q_OS_WIN
    UnixSignals stopSignals;
    QObject::connect(&stopSignals, &UnixSignals::stopRequested, w.controller(), &Ui_Controler::onMinimize);
#endif

    w.checkDevice();
    w.showNormal();
    w.startScene();
    return app.exec();
}
