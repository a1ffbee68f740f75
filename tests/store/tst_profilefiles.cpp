#include "store/profilefiles.h"
#include "store/profilestore.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class tst_ProfileFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<QSettings> liveFile;
    std::unique_ptr<ProfileStore> store;
    std::unique_ptr<ProfileFiles> files;
    QString chosen; // what the injected dialog answers
    QStringList captions;

    QString path(const char* name) const { return dir->filePath(QLatin1String(name)); }
    // Every group of profile n holds the values tag*1000 + n + i, so files tell their origin.
    static void fill(QSettings& s, int tag)
    {
        for (int n = 0; n < 6; ++n) {
            for (const QString& g : ProfileFiles::groups()) {
                QVariantList v;
                for (int i = 0; i < (g == QLatin1String("profile_sw") ? 4 : 128); ++i)
                    v.append(tag * 1000 + n + i);
                s.setValue(g + QLatin1Char('/') + QString::number(n), v);
            }
        }
    }
    static uint first(const QSettings& s, const QString& group, int n)
    {
        return s.value(group + QLatin1Char('/') + QString::number(n)).toList().value(0).toUInt();
    }
    ProfileFiles::Chooser answer()
    {
        return [this](QWidget*, const QString& caption, const QString&, const QString& filter) {
            captions << caption << filter;
            return chosen;
        };
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        {
            QSettings defaults(path("pD_Z4.bin"), QSettings::IniFormat);
            fill(defaults, 9);
        }
        liveFile = std::make_unique<QSettings>(path("p_Z4.bin"), QSettings::IniFormat);
        fill(*liveFile, 1);
        store = std::make_unique<ProfileStore>(liveFile.get());
        store->loadProfiles();
        files = std::make_unique<ProfileFiles>(*store, path("pD_Z4.bin"));
        files->setSaveChooser(answer());
        files->setOpenChooser(answer());
        captions.clear();
    }
    void cleanup()
    {
        files.reset();
        store.reset();
        liveFile.reset();
        dir.reset();
    }

    void exportThenImportIntoAnotherProfile()
    {
        chosen = path("p2.pf");
        QVERIFY(files->exportProfile(2));
        QCOMPARE(captions, (QStringList { "Save File", "Profile(*.pf)" }));
        QCOMPARE(liveFile->value("common/importProfile").toInt(), 2);
        // The export carries the live state of the moment; change the live profile 2 afterwards.
        fill(*liveFile, 3);
        files->importProfile(5);
        QCOMPARE(captions.mid(2), (QStringList { "Open File", "Profile(*.pf)" }));
        for (const QString& g : ProfileFiles::groups())
            QCOMPARE(first(*liveFile, g, 5), 1002u);
        QCOMPARE(first(*liveFile, "profile_fw", 4), 3004u);
        QCOMPARE(store->value(FwGroup::Matrix, 5, 0), 1002u);
    }

    void importWithoutMarkerTakesProfileZero()
    {
        {
            QSettings foreign(path("old.pf"), QSettings::IniFormat);
            fill(foreign, 7);
        }
        chosen = path("old.pf");
        files->importProfile(3);
        QCOMPARE(store->value(FwGroup::Profile, 3, 0), 7000u);
        QCOMPARE(store->value(FwGroup::Other, 3, 0), 7000u);
    }

    void importOfUnreadableFileEmptiesTheProfile()
    {
        chosen = path("missing.pf");
        files->importProfile(1);
        QVERIFY(store->image(FwGroup::Profile, 1).isEmpty());
        QCOMPARE(store->value(FwGroup::Profile, 2, 0), 1002u);
    }

    void cancelledImportStillReloads()
    {
        store->setEntries(FwGroup::Profile, 4, 0, { 55 }, 1);
        chosen.clear();
        files->importProfile(4);
        QCOMPARE(store->value(FwGroup::Profile, 4, 0), 1004u);
    }

    void reset_data()
    {
        QTest::addColumn<int>("profile");
        QTest::newRow("four") << 4;
        QTest::newRow("zero") << 0;
    }
    void reset()
    {
        QFETCH(int, profile);
        files->resetProfile(profile);
        for (const QString& g : ProfileFiles::groups()) {
            QCOMPARE(first(*liveFile, g, 0), 9000u);
            QCOMPARE(first(*liveFile, g, profile), 9000u + profile);
        }
        QCOMPARE(first(*liveFile, "matrix_fw", 3), 1003u);
        QCOMPARE(store->value(FwGroup::Profile, profile, 0), 9000u + profile);
    }

    void defaultGroup()
    {
        QCOMPARE(files->defaultGroup("other_fw", 1).value(0).toUInt(), 9001u);
        QVERIFY(files->defaultGroup("nothing", 1).isEmpty());
        QVERIFY(ProfileFiles(*store, path("none.bin")).defaultGroup("profile_fw", 0).isEmpty());
    }

    void exportReplacesExistingTarget()
    {
        chosen = path("same.pf");
        QFile old(chosen);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[common]\nimportProfile=4\nstale=1\n");
        old.close();
        QVERIFY(files->exportProfile(1));
        const QSettings exported(chosen, QSettings::IniFormat);
        QCOMPARE(exported.value("common/importProfile").toInt(), 1);
        QVERIFY(!exported.contains("common/stale"));
        QCOMPARE(first(exported, "profile_fw", 5), 1005u);
    }

    void exportRefusesLiveFile()
    {
        chosen = path("p_Z4.bin");
        QVERIFY(!files->exportProfile(3));
        QVERIFY(!liveFile->contains("common/importProfile"));
        QCOMPARE(first(QSettings(chosen, QSettings::IniFormat), "profile_fw", 3), 1003u);
    }

    void exportToUnwritablePlaceFails()
    {
        chosen = path("no/such/folder/x.pf");
        QVERIFY(!files->exportProfile(0));
    }

    void realDialogCancelled()
    {
        ProfileFiles real(*store, path("pD_Z4.bin"));
        bool seen = false;
        QTimer answerer; // keeps looking until the modal dialog is up, however slow the build
        answerer.setInterval(50);
        connect(&answerer, &QTimer::timeout, [&seen] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                seen = dialog->windowTitle() == QLatin1String("Save File");
                dialog->reject();
            }
        });
        answerer.start();
        QVERIFY(!real.exportProfile(2));
        QVERIFY(seen);
    }
};

QTEST_MAIN(tst_ProfileFiles)
#include "tst_profilefiles.moc"
