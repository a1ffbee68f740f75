#pragma once

#include <QString>
#include <QVariant>

class PointerBackend;
class QSettings;

// Slider positions (0 to 10) of the per-profile pointer settings and their system values.
// Positions above 10 are applied as 10 but stored as given.
namespace PointerConversion {
int mouseSpeed(unsigned position); // 2·s, and 1 for 0
unsigned wheelScrollLines(unsigned position); // l + 1
unsigned doubleClickTime(unsigned position); // 900 − 70·d ms
} // namespace PointerConversion

// One profile's pointer settings: a list under "profile_sw/<profile>" of the profile file
// (acceleration, speed, scroll lines, double-click speed). Setters apply to the system first
// and store the position even when the system refused it (then they return false); getters
// never ask the system.
// A missing or short list is padded with neutral defaults when a setter writes it, and reads
// of a missing position give the same defaults, so nothing is read past the end.
class PointerSettings {
public:
    PointerSettings(QSettings& file, int profile, PointerBackend& backend);

    bool setAcceleration(bool on);
    bool setCursorSpeed(unsigned position);
    bool setVerticalScrollLines(unsigned position);
    bool setDoubleClickSpeed(unsigned position);

    bool acceleration() const;
    unsigned cursorSpeed() const;
    unsigned verticalScrollLines() const;
    unsigned doubleClickSpeed() const;

    enum Position { Acceleration, CursorSpeed, ScrollLines, DoubleClickSpeed, Count };
    static QVariant defaultValue(Position position);

private:
    QString key() const;
    QVariant value(Position position) const;
    void store(Position position, const QVariant& value);

    QSettings& file;
    int profile;
    PointerBackend& backend;
};
