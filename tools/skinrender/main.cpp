// Renders the skin pictures listed in a manifest from their SVG sources, each at exactly the
// size the scene draws it and at twice that size as "<name>@2x.png", which Image picks on a
// screen of scale 2 (and above 1.5), so nothing is scaled at run time.
//
//   skinrender <manifest> <source folder> <output folder>
//
// Each manifest line is "<png path> <width> <height> <svg path>[#<state id>] [<scale>]". A source
// with a state id holds the states of a pair as elements of class "state"; all but the named one are
// dropped before rendering. A scale draws a smaller or larger copy of a picture whose source is
// drawn at another size. Any error fails the whole run, so a broken skin breaks the build.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

struct Picture {
    QString png;
    QSize size;
    QString svg;
    QString state;
    double scale = 1;
};

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool parseLine(const QString& line, Picture& picture)
{
    const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() != 4 && fields.size() != 5)
        return false;
    bool okW = false, okH = false, okScale = true;
    if (fields.size() == 5)
        picture.scale = fields[4].toDouble(&okScale);
    picture.png = fields[0];
    picture.size = QSize(fields[1].toInt(&okW), fields[2].toInt(&okH));
    const QStringList source = fields[3].split(QLatin1Char('#'));
    picture.svg = source[0];
    picture.state = source.value(1);
    return okW && okH && okScale && picture.scale > 0 && !picture.size.isEmpty() && source.size() <= 2
        && picture.png.endsWith(".png");
}

// Copies the document, leaving out every state element except the wanted one.
QByteArray keepState(const QByteArray& svg, const QString& state, bool& found)
{
    QByteArray out;
    QXmlStreamReader reader(svg);
    QXmlStreamWriter writer(&out);
    found = state.isEmpty();
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.attributes().value("class") == QLatin1String("state")) {
            if (reader.attributes().value("id") != state) {
                reader.skipCurrentElement();
                continue;
            }
            found = true;
        }
        if (!reader.hasError())
            writer.writeCurrentToken(reader);
    }
    if (reader.hasError())
        found = false;
    return out;
}

bool save(QSvgRenderer& renderer, const QSize& size, const QString& target)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    if (!image.save(target, "PNG", 0)) {
        err() << "cannot write " << target << Qt::endl;
        return false;
    }
    return true;
}

bool render(const Picture& picture, const QDir& sources, const QDir& output)
{
    QFile file(sources.filePath(picture.svg));
    if (!file.open(QIODevice::ReadOnly)) {
        err() << "missing source " << file.fileName() << " for " << picture.png << Qt::endl;
        return false;
    }
    bool found = false;
    QSvgRenderer renderer(keepState(file.readAll(), picture.state, found));
    if (!found || !renderer.isValid()) {
        err() << "unreadable source or state " << picture.svg << "#" << picture.state << Qt::endl;
        return false;
    }
    // Sources are drawn in output pixels; scaling blurs their 1 px lines, so only a picture that
    // asks for it is scaled.
    if (renderer.viewBoxF().size() * picture.scale != QSizeF(picture.size)) {
        err() << picture.svg << ": view box is not " << picture.size.width() << "x" << picture.size.height()
              << Qt::endl;
        return false;
    }
    const QString target = output.filePath(picture.png);
    QDir().mkpath(QFileInfo(target).path());
    QString twice = target;
    twice.insert(twice.size() - 4, QLatin1String("@2x"));
    return save(renderer, picture.size, target) && save(renderer, picture.size * 2, twice);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        err() << "usage: skinrender <manifest> <source folder> <output folder>" << Qt::endl;
        return 2;
    }
    QFile manifest(args[1]);
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err() << "cannot read " << args[1] << Qt::endl;
        return 1;
    }
    const QDir sources(args[2]), output(args[3]);
    int failures = 0, lineNo = 0;
    QTextStream in(&manifest);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNo;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Picture picture;
        if (!parseLine(line, picture)) {
            err() << args[1] << ":" << lineNo << ": malformed line" << Qt::endl;
            ++failures;
        } else if (!render(picture, sources, output)) {
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
