#pragma once

#include "focus/focussource.h"

#include <QLocalSocket>
#include <QTimer>

// One line of Hyprland's event socket; true when it says what is in front now
// ("activewindow>>CLASS,TITLE", split on the first comma: titles may hold commas).
bool parseHyprlandEvent(const QByteArray& line, FocusInfo& out);

// Hyprland's event socket. It closes when Hyprland reloads or restarts; the source connects
// again, waiting longer each time, and gives up after a while.
class HyprlandSource : public FocusSource {
    Q_OBJECT
public:
    explicit HyprlandSource(QObject* parent = nullptr, QString socketPath = {});
    // The socket's last signals must not reach a half-destroyed source.
    ~HyprlandSource() override { socket_.disconnect(this); }
    QString name() const override { return QStringLiteral("hyprland"); }
    bool start() override;
    QString why() const override { return why_; }

    static constexpr int firstRetryMs = 250;
    static constexpr int maxRetries = 8;

private:
    void readLines();
    void retry();

    QString path_;
    QString why_;
    QLocalSocket socket_;
    QTimer retryTimer_;
    QByteArray buf_;
    int retries_ = 0;
};
