#include "system/pointersettings.h"

#include "store/inilist.h"
#include "system/pointerbackend.h"

#include <QDebug>
#include <QSettings>
#include <algorithm>

namespace {
constexpr unsigned maxPosition = 10;

unsigned clamped(unsigned position)
{
    return std::min(position, maxPosition);
}

} // namespace

namespace PointerConversion {
int mouseSpeed(unsigned position)
{
    const unsigned s = clamped(position);
    return s == 0 ? 1 : int(2 * s);
}

unsigned wheelScrollLines(unsigned position)
{
    return clamped(position) + 1;
}

unsigned doubleClickTime(unsigned position)
{
    // Clamping keeps the time positive: positions above 12 would underflow.
    return 900 - 70 * clamped(position);
}
} // namespace PointerConversion

PointerSettings::PointerSettings(QSettings& file, int profile, PointerBackend& backend)
    : file(file)
    , profile(profile)
    , backend(backend)
{
}

bool PointerSettings::setAcceleration(bool on)
{
    PointerBackend::MouseValues values;
    const bool ok = backend.getMouse(values) && [&] {
        values.acceleration = on ? 1 : 0;
        return backend.setMouse(values);
    }();
    if (!ok)
        qDebug("setAcceleration Failed");
    store(Acceleration, on);
    return ok;
}

bool PointerSettings::setCursorSpeed(unsigned position)
{
    const bool ok = backend.setMouseSpeed(PointerConversion::mouseSpeed(position));
    if (!ok)
        qDebug("setCursorSpeed Failed");
    store(CursorSpeed, position);
    return ok;
}

bool PointerSettings::setVerticalScrollLines(unsigned position)
{
    const bool ok = backend.setWheelScrollLines(PointerConversion::wheelScrollLines(position));
    if (!ok)
        qDebug("setVerticalScrollLines Failed");
    store(ScrollLines, position);
    return ok;
}

bool PointerSettings::setDoubleClickSpeed(unsigned position)
{
    const bool ok = backend.setDoubleClickTime(PointerConversion::doubleClickTime(position));
    if (!ok)
        qDebug("setDoubleClickSpeed Failed");
    store(DoubleClickSpeed, position);
    return ok;
}

bool PointerSettings::acceleration() const
{
    return value(Acceleration).toBool();
}

unsigned PointerSettings::cursorSpeed() const
{
    return value(CursorSpeed).toUInt();
}

unsigned PointerSettings::verticalScrollLines() const
{
    return value(ScrollLines).toUInt();
}

unsigned PointerSettings::doubleClickSpeed() const
{
    return value(DoubleClickSpeed).toUInt();
}

QVariant PointerSettings::defaultValue(Position position)
{
    // The system's usual values: acceleration on, 10 of 20, 3 lines, 550 ms.
    switch (position) {
    case Acceleration:
        return true;
    case CursorSpeed:
    case DoubleClickSpeed:
        return 5u;
    case ScrollLines:
        return 2u;
    case Count:
        break;
    }
    return {};
}

QString PointerSettings::key() const
{
    return QStringLiteral("profile_sw/%1").arg(profile);
}

QVariant PointerSettings::value(Position position) const
{
    const QVariantList list = iniList(file.value(key()));
    return position < list.size() ? list.at(position) : defaultValue(position);
}

void PointerSettings::store(Position position, const QVariant& value)
{
    QVariantList list = iniList(file.value(key()));
    for (int p = int(list.size()); p <= position; ++p)
        list.append(defaultValue(Position(p)));
    list[position] = value;
    file.setValue(key(), list);
}
