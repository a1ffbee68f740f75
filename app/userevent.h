#pragma once

#include <QEvent>

// Asks the host window to do something once the event loop runs; 2177 starts the scene.
class UserEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::User; // 1000
    static constexpr int kRunScene = 2177;

    explicit UserEvent(int id)
        : QEvent(kType)
        , eventId(id)
    {
    }

    int eventId;
};
