#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

class QSettings;

// The application configuration: the scene's general entries and the model constants.
// Never talks to the device. The live settings object stays open for the whole run and
// reaches the disk through QSettings' deferred write.
class AppConfig {
public:
    // Upper bound on `common/total`: the scene writes 32 entries, so a larger count can only
    // come from a damaged file, and reading it must neither hang nor exhaust memory.
    static constexpr int kMaxEntries = 1024;

    // Takes ownership of `live` (created on the live file); `factoryFile` is only copied.
    AppConfig(QSettings* live, const QString& factoryFile);
    ~AppConfig();
    AppConfig(const AppConfig&) = delete;
    AppConfig& operator=(const AppConfig&) = delete;

    QSettings* settings() const { return live; }

    void save(const QVariantList& entries);
    // Stops at `common/total`, clamped to 0..kMaxEntries; a missing entry reads as the integer 0.
    QVariantList load() const;
    // Replaces the live file by the factory copy in one step and opens a new settings object on
    // it. Changes the old object still held are written to the old file before it is replaced, so
    // they never reach the restored one. Without a readable factory copy, or when the copy cannot
    // be written, the live file stays as it was.
    void reset();
    // The model constant `Z4/<key>`, the integer 0 when absent (also for list keys).
    QVariant modelValue(const QString& key) const;

private:
    QSettings* live;
    QString factoryFile;
};
