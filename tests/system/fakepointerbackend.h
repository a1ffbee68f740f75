#pragma once

#include "system/pointerbackend.h"

#include <QList>
#include <QString>

// Records every call and answers as told; nothing reaches the real system.
class FakePointerBackend : public PointerBackend {
public:
    MouseValues mouse { 6, 10, 0 };
    bool refuseRead = false;
    bool refuseWrite = false;
    QList<QString> calls;

    bool getMouse(MouseValues& values) override
    {
        calls << QStringLiteral("getMouse");
        if (refuseRead)
            return false;
        values = mouse;
        return true;
    }
    bool setMouse(const MouseValues& values) override
    {
        if (!refuseWrite)
            mouse = values;
        return record(QStringLiteral("setMouse %1 %2 %3")
                          .arg(values.threshold1)
                          .arg(values.threshold2)
                          .arg(values.acceleration));
    }
    bool setMouseSpeed(int speed) override { return record(QStringLiteral("speed %1").arg(speed)); }
    bool setWheelScrollLines(unsigned lines) override
    {
        return record(QStringLiteral("lines %1").arg(lines));
    }
    bool setDoubleClickTime(unsigned ms) override { return record(QStringLiteral("doubleClick %1").arg(ms)); }

private:
    bool record(const QString& call)
    {
        calls << call;
        return !refuseWrite;
    }
};
