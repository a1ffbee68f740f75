#include "app/singleinstance.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "system/inputhook.h"

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

    // Without hooks the program still runs; the scene just never hears of keys or buttons.
    InputHook hook;
    hook.install();
    hook.setKeyCallback(&Widget::keyReport, &w);
    hook.setMouseCallback(&Widget::mouseReport, &w);
    hook.setCopyDataCallback(&Widget::copyDataReport, &app, &w);
#ifndef Q_OS_WIN
    UnixSignals stopSignals;
    QObject::connect(&stopSignals, &UnixSignals::stopRequested, w.controller(), &Ui_Controler::onMinimize);
#endif

    w.checkDevice();
    w.showNormal();
    w.startScene();
    const int status = app.exec();
    hook.uninstall();
    return status;
}
