#include "core/accessrule.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace accessrule {

namespace {
QString hex4(quint16 id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

// Single quotes keep the shell away from the rule's double quotes and braces; a quote inside
// is closed, escaped and reopened.
QString quoted(const QString& text)
{
    QString inner = text;
    inner.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}
} // namespace

QStringList ruleLines(const QList<DevInfo>& catalogue)
{
    QStringList lines;
    QSet<quint32> seen;
    for (const DevInfo& info : catalogue) {
        const quint32 key = quint32(info.vid) << 16 | info.pid;
        if (info.vid == 0 || seen.contains(key))
            continue;
        seen.insert(key);
        lines << QStringLiteral(
            R"(KERNEL=="hidraw*", ATTRS{idVendor}=="%1", ATTRS{idProduct}=="%2", TAG+="uaccess")")
                     .arg(hex4(info.vid), hex4(info.pid));
    }
    return lines;
}

QString installCommand(const QStringList& lines)
{
    if (lines.isEmpty())
        return QString();
    QStringList words { QStringLiteral("printf '%s\\n'") };
    for (const QString& line : lines)
        words << quoted(line);
    return words.join(QLatin1Char(' ')) + QStringLiteral(" | sudo tee /etc/udev/rules.d/") + kFileName
        + QStringLiteral(" >/dev/null && sudo udevadm control --reload && sudo udevadm trigger");
}

bool installed(const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (QFileInfo(QDir(folder).filePath(kFileName)).isFile())
            return true;
    }
    return false;
}

} // namespace accessrule
