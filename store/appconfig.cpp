#include "store/appconfig.h"

#include "store/atomiccopy.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kTotalKey = QStringLiteral("common/total");

QString entryKey(int i)
{
    return QStringLiteral("common/") + QString::number(i);
}

// QSettings keeps a closed file's keys and reuses them while the file's size and modification
// time look unchanged. A copy of the same size made within the same clock tick would be served
// from that cache, so the copy's time is moved past the flushed file's.
void markAsChanged(const QString& fileName, const QDateTime& flushed)
{
    QFile file(fileName);
    for (qint64 step : { qint64(1), qint64(1000) }) {
        if (!flushed.isValid() || QFileInfo(fileName).lastModified() != flushed)
            return;
        if (!file.open(QIODevice::ReadWrite))
            return;
        file.setFileTime(flushed.addMSecs(step), QFileDevice::FileModificationTime);
        file.close();
    }
}
} // namespace

AppConfig::AppConfig(QSettings* liveSettings, const QString& factory)
    : live(liveSettings)
    , factoryFile(factory)
{
}

AppConfig::~AppConfig()
{
    delete live;
}

void AppConfig::save(const QVariantList& entries)
{
    live->setValue(kTotalKey, int(entries.size()));
    for (int i = 0; i < entries.size(); ++i)
        live->setValue(entryKey(i), entries.at(i));
}

QVariantList AppConfig::load() const
{
    bool ok = false;
    const qlonglong stored = live->value(kTotalKey, 0).toLongLong(&ok);
    const int total = int(qBound(qlonglong(0), stored, qlonglong(kMaxEntries)));
    QVariantList entries;
    for (int i = 0; ok && i < total; ++i)
        entries.append(live->value(entryKey(i), 0));
    return entries;
}

void AppConfig::reset()
{
    const QString fileName = live->fileName();
    // Flushing first leaves the old object nothing to write when it goes; the flushed
    // changes die with the file they were written to.
    live->sync();
    const QDateTime flushed = QFileInfo(fileName).lastModified();
    delete live;
    // Replaced only by a complete copy: a failed one keeps the model constants and names, which
    // the scene's next save could not bring back.
    if (copyReplacing(factoryFile, fileName))
        markAsChanged(fileName, flushed);
    live = new QSettings(fileName, QSettings::IniFormat);
}

QVariant AppConfig::modelValue(const QString& key) const
{
    return live->value(QStringLiteral("Z4/") + key, 0);
}
