#include "store/profilefiles.h"
#include "store/profilestore.h"
#include "testsupport.h"

#include <QFileDialog>
#include <QSettings>
#include <QTest>

#include <memory>

class tst_ProfileFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::WorkDir> dir;
    std::unique_ptr<QSettings> liveFile;
    std::unique_ptr<ProfileStore> store;
    std::unique_ptr<ProfileFiles> files;
    QString chosen; // what the injected dialog answers
    QStringList captions;

    QString path(const char* name) const { return dir->filePath(QLatin1String(name)); }
    // Entry 2 of every group of profile n holds tag*10 + n, so files tell their origin; the rest
    // are values the mouse takes (stage 1, rate code 1).
    static constexpr int kTagEntry = 2;
    static void fill(QSettings& s, int tag)
    {
        for (int n = 0; n < 6; ++n) {
            for (const QString& g : ProfileFiles::groups()) {
                QVariantList v;
                for (int i = 0; i < (g == QLatin1String("profile_sw") ? 4 : 128); ++i)
                    v.append(i == kTagEntry ? tag * 10 + n : i < kTagEntry ? 1 : i);
                s.setValue(g + QLatin1Char('/') + QString::number(n), v);
            }
        }
    }
    // A complete file of profile 0: report-rate code, active stage, first image entry.
    static QByteArray profile(int rate, int stage, int entry)
    {
        const QByteArray zeros = QByteArray(",0").repeated(126);
        return "[profile_sw]\n0=1,2,3,4\n[profile_fw]\n0=" + QByteArray::number(entry) + ",0" + zeros
            + "\n[matrix_fw]\n0=0,0" + zeros + "\n[other_fw]\n0=" + QByteArray::number(stage) + ','
            + QByteArray::number(rate) + zeros + '\n';
    }
    static uint first(const QSettings& s, const QString& group, int n)
    {
        return s.value(group + QLatin1Char('/') + QString::number(n)).toList().value(kTagEntry).toUInt();
    }
    ProfileFiles::Chooser answer()
    {
        return [this](QWidget*, const QString& caption, const QString& folder, const QString& filter) {
            captions << caption << QFileInfo(folder).fileName() << filter;
            return chosen;
        };
    }

private slots:
    void init()
    {
        dir = std::make_unique<testsupport::WorkDir>();
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
        chosen = path("p2"); // typed without its extension
        QVERIFY(dir->write("p2.pf", "[common]\nimportProfile=4\nstale=1\n")); // replaced whole
        QVERIFY(files->exportProfile(2));
        QCOMPARE(captions, (QStringList { "Save File", "Z4 P02.pf", "Profile(*.pf)" }));
        QVERIFY(!QFile::exists(chosen));
        chosen = path("p2.pf");
        QCOMPARE(liveFile->value("common/importProfile").toInt(), 2);
        QVERIFY(!QSettings(chosen, QSettings::IniFormat).contains("common/stale"));
        // The export carries the live state of the moment; change the live profile 2 afterwards.
        fill(*liveFile, 3);
        files->importProfile(5);
        QCOMPARE(captions.value(3), QStringLiteral("Open File"));
        for (const QString& g : ProfileFiles::groups())
            QCOMPARE(first(*liveFile, g, 5), 12u);
        QCOMPARE(first(*liveFile, "profile_fw", 4), 34u);
        QCOMPARE(store->value(FwGroup::Matrix, 5, kTagEntry), 12u);
    }

    void importReplacesOrReloadsTheProfile_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QByteArray>("content"); // written to the chosen file unless empty
        QTest::addColumn<int>("firstValue"); // of profile 3 afterwards
        QTest::addColumn<QString>("problem"); // the refusal's reason, empty when imported
        // Files from before the marker existed hold the profile under 0.
        QTest::newRow("no marker takes profile 0") << "old.pf" << QByteArray() << 70 << "";
        QTest::newRow("cancelled dialog still reloads") << QString() << QByteArray() << 13 << "";
        // Refused files leave the profile as it was, unsaved edit included.
        QTest::newRow("missing file") << "missing.pf" << QByteArray() << 55 << "The file cannot be read.";
        QTest::newRow("marker past the six profiles") << "bad.pf" << QByteArray("[common]\nimportProfile=6\n")
                                                      << 55 << "The file names no profile it holds.";
        QTest::newRow("foreign file") << "bad.pf" << QByteArray("[common]\nx=1\n") << 55
                                      << "The file lacks part of the profile (profile_sw).";
        QByteArray shortMatrix
            = "[profile_sw]\n0=1,2,3,4\n[profile_fw]\n0=" + QByteArray("0,").repeated(127) + "0\n";
        QTest::newRow("short group") << "bad.pf" << shortMatrix + "[matrix_fw]\n0=1,2\n"
                                     << 55 << "The file lacks part of the profile (matrix_fw).";
        // A FIFO would hold the reader for good; an import is never that large.
        QTest::newRow("FIFO") << "fifo.pf" << QByteArray("fifo") << 55 << "The file cannot be read.";
        QTest::newRow("over 1 MiB") << "big.pf" << QByteArray("big") << 55 << "The file cannot be read.";
        shortMatrix.replace("0=0,", "0=x,");
        QTest::newRow("damaged entry")
            << "bad.pf" << shortMatrix << 55 << "The file holds a damaged value (profile_fw).";
        // What the mouse cannot take is refused as the command line refuses it.
        QTest::newRow("rate 300")
            << "bad.pf" << profile(300, 1, 0) << 55
            << "The file holds a report rate the mouse cannot take (300; it takes 1, 2, 4 or 8).";
        QTest::newRow("stage 99")
            << "bad.pf" << profile(1, 99, 0) << 55
            << "The file holds an active DPI stage the mouse cannot take (99; it takes 1 to 8).";
        QTest::newRow("entry 70000")
            << "bad.pf" << profile(1, 1, 70000) << 55
            << "The file holds a value the mouse cannot take (profile_fw entry 0: 70000).";
    }
    void importReplacesOrReloadsTheProfile()
    {
        QFETCH(QString, chosen);
        QFETCH(QByteArray, content);
        QFETCH(int, firstValue);
        QFETCH(QString, problem);
        {
            QSettings foreign(path("old.pf"), QSettings::IniFormat);
            fill(foreign, 7);
        }
        if (content == "fifo" || content == "big")
            QVERIFY(testsupport::plantUnreadable(
                dir->filePath(chosen), content, testsupport::readFile(path("old.pf")), 1 << 20));
        else if (!content.isEmpty())
            QVERIFY(dir->write(chosen, content));
        store->setEntries(FwGroup::Profile, 3, kTagEntry, { 55 }, 1); // unsaved, so a reload shows
        this->chosen = chosen.isEmpty() ? chosen : dir->filePath(chosen);
        const QString refused = files->importProfile(3);
        QCOMPARE(refused.section(QLatin1Char('\n'), 1), problem);
        if (!problem.isEmpty())
            QVERIFY(refused.startsWith(QDir::toNativeSeparators(this->chosen)));
        QCOMPARE(store->value(FwGroup::Profile, 3, kTagEntry), uint(firstValue));
        QCOMPARE(store->value(FwGroup::Profile, 2, kTagEntry), 12u);
    }

    void resetAlsoRestoresProfileZero()
    {
        const int profile = 4;
        files->resetProfile(profile);
        for (const QString& g : ProfileFiles::groups()) {
            QCOMPARE(first(*liveFile, g, 0), 90u);
            QCOMPARE(first(*liveFile, g, profile), 90u + profile);
        }
        QCOMPARE(first(*liveFile, "matrix_fw", 3), 13u);
        QCOMPARE(store->value(FwGroup::Profile, profile, kTagEntry), 90u + profile);
    }

    void exportRefusesLiveFile()
    {
        chosen = path("p_Z4.bin");
        QVERIFY(!files->exportProfile(3));
        QVERIFY(!liveFile->contains("common/importProfile"));
        QCOMPARE(first(QSettings(chosen, QSettings::IniFormat), "profile_fw", 3), 13u);
        chosen = path("no/such/folder/x.pf");
        QVERIFY(!files->exportProfile(0));
    }

    // A live file that takes no writes keeps its old marker; a copy of it would name the
    // wrong profile.
    void exportFailsWhenTheMarkerIsNotWritten()
    {
        static const QSettings::Format unwritable = QSettings::registerFormat(
            QStringLiteral("ini"), [](QIODevice&, QSettings::SettingsMap&) { return true; },
            [](QIODevice&, const QSettings::SettingsMap&) { return false; });
        QVERIFY(dir->write("old.bin", "[common]\nimportProfile=4\n"));
        QSettings live(path("old.bin"), unwritable);
        ProfileStore oldStore(&live);
        ProfileFiles exporter(oldStore, path("pD_Z4.bin"));
        exporter.setSaveChooser(answer());
        chosen = path("x.pf");
        QVERIFY(!exporter.exportProfile(2));
        QVERIFY(!QFile::exists(chosen));
    }
};

QTEST_MAIN(tst_ProfileFiles)
#include "tst_profilefiles.moc"
