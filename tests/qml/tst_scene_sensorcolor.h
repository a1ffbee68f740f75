#pragma once

// What the sensor and colour scene tests share: clicks that wait out the view lock, and the
// command packets on the wire.
#include "scenefixture.h"

namespace pagetest {

// Each command packet sent since the wire was marked: code, profile and first value.
inline QList<QList<int>> commands()
{
    QList<QList<int>> out;
    for (const sim::Report& r : sim::wire())
        if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature && r.iface == sim::Role::Command)
            out.append({ r.bytes.at(1), r.bytes.at(2), r.bytes.at(3) });
    return out;
}

// A click at x along the item (its centre when x is negative), then the end of any lock it
// started, since clicks during the lock are swallowed.
inline bool press(SceneFixture& fx, const QString& name, qreal x = -1)
{
    QQuickItem* item = fx.item(name);
    if (!item)
        return false;
    const QPointF at(x < 0 ? item->width() / 2 : x, item->height() / 2);
    QTest::mouseClick(fx.view(), Qt::LeftButton, Qt::NoModifier, item->mapToScene(at).toPoint());
    SceneFixture::settle();
    return SceneFixture::waitFor([&fx] { return !fx.root()->property("protecting").toBool(); }, 5000);
}

inline QStringList fieldTexts(SceneFixture& fx, const QString& pick)
{
    QStringList texts;
    for (const char* field : { "_r", "_g", "_b" })
        texts << fx.item(pick + field)->property("text").toString();
    return texts;
}

} // namespace pagetest
