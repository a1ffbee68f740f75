#pragma once

#include <QObject>

class QWidget;
class myQQuickView;
class WindowSight;

// Turns the bare host window into the frameless, see-through program window, creates the
// bridge view and serves the scene as "ui_Ctl" (the window has no system buttons of its own).
class Ui_Controler : public QObject {
    Q_OBJECT
    // False while the window is hidden, minimised or covered: the scene then animates nothing.
    Q_PROPERTY(bool windowSeen READ windowSeen NOTIFY windowSeenChanged)
public:
    void setupUi(QWidget* host);
    void retranslateUi(QWidget* host);

    QWidget* host = nullptr;
    myQQuickView* view = nullptr;

    bool windowSeen() const;

signals:
    void windowSeenChanged();

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime = 0);

private:
    WindowSight* sight = nullptr;
};
