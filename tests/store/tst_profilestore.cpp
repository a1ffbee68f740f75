#include "store/profilestore.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

#include <memory>

using testsupport::numbers;

class tst_ProfileStore : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::WorkDir> dir;
    std::unique_ptr<QSettings> file;

    QString path() const { return dir->filePath(QStringLiteral("p_Z4.bin")); }

private slots:
    void init()
    {
        dir = std::make_unique<testsupport::WorkDir>();
        file = std::make_unique<QSettings>(path(), QSettings::IniFormat);
    }
    void cleanup()
    {
        file.reset();
        dir.reset();
    }

    // Eight stored flags stay eight with the first six false; shorter lists are covered below.
    void startupDirtyLength()
    {
        file->setValue(QStringLiteral("matrix_fw/dirty"), QVariantList(8, true));
        ProfileStore store(file.get());
        const QVariantList flags = store.dirtyList(FwGroup::Matrix);
        QCOMPARE(flags.size(), 8);
        for (int i = 0; i < flags.size(); ++i)
            QCOMPARE(flags.at(i).toBool(), i >= 6);
        QCOMPARE(store.dirtyList(FwGroup::Profile), QVariantList(6, false));
    }

    void startupCurProfile_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("absent") << QVariant() << 0;
        QTest::newRow("four") << QVariant(QStringLiteral("4")) << 4;
        QTest::newRow("beyond the six") << QVariant(9) << 0;
    }
    void startupCurProfile()
    {
        QFETCH(QVariant, stored);
        if (stored.isValid())
            file->setValue(QStringLiteral("common/curProfile"), stored);
        ProfileStore store(file.get());
        QTEST(int(store.curProfile()), "expected");
        QVERIFY(store.image(FwGroup::Profile, 0).isEmpty());
    }

    // One rule wherever a number comes from (the file, the scene, the mouse's answer): outside
    // 0..5 it is refused and the current profile stays.
    void curProfileStaysInRange_data()
    {
        QTest::addColumn<bool>("fromFile"); // else through the setter the scene and refresh use
        QTest::addColumn<int>("value");
        for (bool fromFile : { true, false }) {
            const char* path = fromFile ? "file" : "setter";
            QTest::addRow("%s: 9", path) << fromFile << 9;
            QTest::addRow("%s: 6", path) << fromFile << 6;
            QTest::addRow("%s: -1", path) << fromFile << -1;
        }
    }
    void curProfileStaysInRange()
    {
        QFETCH(bool, fromFile);
        QFETCH(int, value);
        const QString key = QStringLiteral("common/curProfile");
        file->setValue(key, 3);
        ProfileStore store(file.get());
        if (fromFile) {
            file->setValue(key, value);
            store.loadProfiles();
        } else {
            store.setCurProfile(quint8(value));
        }
        QCOMPARE(int(store.curProfile()), 3);
        QCOMPARE(file->value(key).toInt(), fromFile ? value : 3);
    }

    void setEntriesBounds_data()
    {
        QTest::addColumn<int>("imageSize");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("written"); // entries changed from `first`
        QTest::newRow("empty image extended") << 0 << 104 << 24 << 24 << 24;
        QTest::newRow("short image extended") << 50 << 84 << 16 << 16 << 16;
        QTest::newRow("extra values ignored") << 128 << 16 << 12 << 8 << 8;
        QTest::newRow("past the end dropped") << 128 << 120 << 24 << 24 << 8;
    }
    void setEntriesBounds()
    {
        QFETCH(int, imageSize);
        QFETCH(int, first);
        QFETCH(int, given);
        QFETCH(int, count);
        QFETCH(int, written);
        file->setValue(QStringLiteral("profile_fw/2"), numbers(imageSize, 1000));
        ProfileStore store(file.get());
        store.loadProfiles();
        store.setEntries(FwGroup::Profile, 2, first, numbers(given, 1), count);
        const QVariantList img = store.image(FwGroup::Profile, 2);
        QCOMPARE(img.size(), qMax(imageSize, ProfileStore::kImageSize));
        for (int i = 0; i < img.size(); ++i) {
            const bool changed = i >= first && i < first + written;
            const uint before = i < imageSize ? uint(1000 + i) : 0u;
            QCOMPARE(img.at(i).toUInt(), changed ? uint(i - first + 1) : before);
        }
    }

    void readsNeverPastTheEnd()
    {
        file->setValue(QStringLiteral("profile_fw/1"), numbers(10, 1));
        ProfileStore store(file.get());
        store.loadProfiles();
        QCOMPARE(store.entries(FwGroup::Profile, 1, 8, 4),
            (QVariantList { QStringLiteral("9"), QStringLiteral("10"), 0, 0 }));
        QCOMPARE(store.value(FwGroup::Profile, 1, 127), 0u);
        QCOMPARE(store.value(FwGroup::Profile, 1, -1), 0u);
        QCOMPARE(store.value(FwGroup::Other, 6, 0), 0u);
        QCOMPARE(store.entries(FwGroup::Matrix, -1, 0, 4), (QVariantList { 0, 0, 0, 0 }));
        store.setEntries(FwGroup::Profile, 6, 0, numbers(4), 4);
        store.markDirty(FwGroup::Profile, 6);
        QVERIFY(store.image(FwGroup::Profile, 6).isEmpty());
        QCOMPARE(store.block(FwGroup::Profile, 1)[9], uchar(10));
        QCOMPARE(store.block(FwGroup::Profile, 1)[10], uchar(0));
    }

    // A hand-edited file may hold one value where a list belongs; it must count as one entry,
    // not as the list of its characters.
    void handEditedSingleValueIsOneEntry()
    {
        file.reset();
        QVERIFY(dir->write(QStringLiteral("p_Z4.bin"), "[profile_fw]\n2=255\n[matrix_fw]\ndirty=true\n"));
        file = std::make_unique<QSettings>(path(), QSettings::IniFormat);
        ProfileStore store(file.get());
        store.loadProfiles();
        QCOMPARE(store.image(FwGroup::Profile, 2).size(), 1);
        QCOMPARE(store.value(FwGroup::Profile, 2, 0), 255u);
        QCOMPARE(store.dirtyList(FwGroup::Matrix).size(), ProfileStore::kProfiles);
    }

    void blockKeepsLowBits()
    {
        ProfileStore store(file.get());
        store.setEntries(
            FwGroup::Profile, 0, 0, { 300, QStringLiteral("12"), 255.0, -1, QStringLiteral("x") }, 5);
        const ProfileStore::Block bytes = store.block(FwGroup::Profile, 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()), 5),
            QByteArray("\x2c\x0c\xff\xff\x00", 5));
        QCOMPARE(store.image(FwGroup::Profile, 0).at(0), QVariant(300));
    }
};

QTEST_GUILESS_MAIN(tst_ProfileStore)
#include "tst_profilestore.moc"
