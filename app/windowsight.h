#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QWindow;

// Whether a person can see the window at all: it is shown, not minimised and not wholly covered
// by other windows (known on X11). The scene runs its animations
// only while it is seen, so a window out of sight costs no processor time.
class WindowSight : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit WindowSight(QWindow* window);
    ~WindowSight() override;

    bool seen() const { return isSeen; }

signals:
    void seenChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void recheck();

    QWindow* window;
    bool covered = false;
    bool watchingCover = false;
    bool isSeen = false;
};

// Platform part: asks the window system to report when the window becomes covered, and reads
// such a report (-1: not one, 0: at least partly visible, 1: wholly covered).
bool watchCovering(QWindow* window);
int coveringReport(const QByteArray& eventType, void* message, QWindow* window);
