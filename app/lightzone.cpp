#include "app/lightzone.h"

#include <QPainter>

namespace {
// The smallest rectangle holding every pixel that is not fully transparent.
QRect litPart(const QImage& image)
{
    QRect lit;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0)
                lit |= QRect(x, y, 1, 1);
    }
    return lit;
}
} // namespace

LightZone::LightZone(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
}

void LightZone::setSource(const QUrl& url)
{
    if (url == sourceUrl)
        return;
    sourceUrl = url;
    // Skin addresses are "file:" URLs relative to the program folder; a missing file is no light.
    const QImage full = QImage(url.isLocalFile() ? url.toLocalFile() : url.path())
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cut = litPart(full);
    shape = full.copy(cut);
    tinted = QImage();
    setImplicitSize(cut.width(), cut.height());
    emit sourceChanged();
    update();
}

void LightZone::setColor(const QColor& color)
{
    if (color == lightColor)
        return;
    lightColor = color;
    tinted = QImage();
    emit colorChanged();
    update();
}

void LightZone::paint(QPainter* painter)
{
    if (shape.isNull() || lightColor.alpha() == 0)
        return;
    if (tinted.isNull()) {
        tinted = shape;
        QPainter tint(&tinted);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(tinted.rect(), QColor(lightColor.red(), lightColor.green(), lightColor.blue()));
    }
    painter->setOpacity(lightColor.alphaF());
    painter->drawImage(0, 0, tinted);
}
