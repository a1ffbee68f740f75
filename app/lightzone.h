#pragma once

#include <QColor>
#include <QImage>
#include <QQuickPaintedItem>
#include <QUrl>

// One light of the mouse picture: a glow picture from the skin whose shape is kept and whose
// colour is replaced by `color` (its alpha dims the light). The picture is cut to its lit part,
// and the item places that part where it belongs, so a change repaints only the light itself.
class LightZone : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QPoint origin READ origin NOTIFY sourceChanged)
public:
    explicit LightZone(QQuickItem* parent = nullptr);

    QUrl source() const { return sourceUrl; }
    void setSource(const QUrl& url);
    QColor color() const { return lightColor; }
    void setColor(const QColor& color);
    // Where the lit part sits in the full picture.
    QPoint origin() const { return cut.topLeft(); }

    void paint(QPainter* painter) override;

signals:
    void sourceChanged();
    void colorChanged();

private:
    QUrl sourceUrl;
    QColor lightColor = Qt::transparent;
    QImage shape;
    QImage tinted;
    QRect cut;
};
