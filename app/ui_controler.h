#pragma once

#include <QObject>

class QWidget;
class myQQuickView;

// Turns the bare host window into the frameless, see-through program window, creates the
// bridge view and serves the scene as "ui_Ctl" (the window has no system buttons of its own).
class Ui_Controler : public QObject {
    Q_OBJECT
public:
    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);

    QWidget* host = nullptr;
    myQQuickView* view = nullptr;

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime = 0);
};
