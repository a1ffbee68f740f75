#pragma once

#include <QObject>

class myQQuickView;
class WindowSight;

// Turns the bridge view into the frameless, see-through program window, loads the scene into it
// and serves the scene as "ui_Ctl" (the window has no system buttons of its own).
class Ui_Controler : public QObject {
    Q_OBJECT
    // False while the window is hidden, minimised or covered: the scene then animates nothing.
    Q_PROPERTY(bool windowSeen READ windowSeen NOTIFY windowSeenChanged)
public:
    void setupUi(myQQuickView* window);
    void retranslateUi(myQQuickView* window);

    // The program's window, which is also the view of the scene; never owned here.
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
