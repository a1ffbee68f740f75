#include "store/appconfig.h"
#include "testsupport.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_AppConfig : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::WorkDir> dir;
    std::unique_ptr<AppConfig> config;

    QString live() const { return dir->filePath(QStringLiteral("apConfig.bin")); }
    QString factory() const { return dir->filePath(QStringLiteral("apConfigD.bin")); }
    void open()
    {
        config = std::make_unique<AppConfig>(new QSettings(live(), QSettings::IniFormat), factory());
    }
    void openWith(const QByteArray& ini)
    {
        QVERIFY(dir->write(QStringLiteral("apConfig.bin"), ini));
        open();
    }
    static QVariantList texts(int count)
    {
        QVariantList out;
        for (int i = 0; i < count; ++i)
            out.append(QStringLiteral("e%1").arg(i));
        return out;
    }

private slots:
    void init() { dir = std::make_unique<testsupport::WorkDir>(); }
    void cleanup()
    {
        config.reset();
        dir.reset();
    }

    void missingEntryReadsZero()
    {
        openWith("[common]\ntotal=3\n0=a\n2=c\n");
        QCOMPARE(config->load(), (QVariantList { QStringLiteral("a"), 0, QStringLiteral("c") }));
    }

    void damagedTotal_data()
    {
        QTest::addColumn<QByteArray>("total");
        QTest::addColumn<int>("entries");
        QTest::newRow("past int") << QByteArray("99999999999999") << int(AppConfig::kMaxEntries);
        QTest::newRow("negative") << QByteArray("-5") << 0;
        QTest::newRow("text") << QByteArray("many") << 0;
    }
    void damagedTotal()
    {
        QFETCH(QByteArray, total);
        QFETCH(int, entries);
        openWith("[common]\ntotal=" + total + "\n0=first\n");
        QCOMPARE(config->load().size(), entries);
    }

    // Both files have the same size, so only their times tell them apart while the settings
    // cache still holds the flushed file. A clash needs both writes in one clock tick: the runs
    // are many and, where there is one, in memory, where nothing waits for the disk.
    void resetNeverRestoresPendingChanges()
    {
        const QTemporaryDir memory(
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/z4-XXXXXX") : QString());
        const QString liveFile = memory.filePath(QStringLiteral("apConfig.bin"));
        const QString factoryFile = memory.filePath(QStringLiteral("apConfigD.bin"));
        {
            QSettings factoryCopy(factoryFile, QSettings::IniFormat);
            factoryCopy.setValue(QStringLiteral("common/total"), 1);
            factoryCopy.setValue(QStringLiteral("common/0"), QStringLiteral("factory"));
        }
        for (int run = 0; run < 1000; ++run) {
            AppConfig reset(new QSettings(liveFile, QSettings::IniFormat), factoryFile);
            reset.save({ QStringLiteral("changed") }); // still pending in the old object
            reset.reset();
            QVERIFY2(
                reset.load() == QVariantList { QStringLiteral("factory") }, qPrintable(QString::number(run)));
        }
        QVERIFY(!testsupport::readFile(liveFile).contains("changed"));
    }

    // A failed copy must not leave a file with the scene's entries only and no model constants.
    void resetWithoutFactoryKeepsTheLiveFile()
    {
        openWith("[Z4]\ndpiBase=50\n");
        config->save(texts(3));
        config->reset();
        QCOMPARE(config->load(), texts(3));
        QCOMPARE(config->modelValue(QStringLiteral("dpiBase")).toInt(), 50);
    }
};

QTEST_GUILESS_MAIN(tst_AppConfig)
#include "tst_appconfig.moc"
