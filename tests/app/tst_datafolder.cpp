#include "app/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

bool write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
} // namespace

// An installed program (prefix/bin, data in prefix/share/z4config) prepares the user's folder.
class tst_DataFolder : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    QString prefix, installed, user;

private slots:
    void init()
    {
        prefix = root.filePath(QStringLiteral("usr"));
        installed = prefix + "/share/z4config";
        user = root.filePath(QStringLiteral("home/.local/share/z4config"));
        QDir(root.path()).removeRecursively();
        QDir().mkpath(prefix + "/bin");
        for (const char* file : { "setting/apConfig.bin", "setting/apConfigD.bin", "setting/p_Z4.bin",
                 "setting/pD_Z4.bin", "i18n/lang_031000.ini", "img/skin1/bg.png" })
            QVERIFY(write(installed + "/modules/" + file, QByteArray("installed ") + file));
    }

    // Whatever an earlier start, a failed copy or the user left behind, each entry is put right.
    void damagedFolderIsRepaired_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("damage");
        QTest::newRow("live file linked into the installation") << "setting/apConfig.bin"
                                                                << "installed";
        QTest::newRow("dangling link at a live file") << "setting/p_Z4.bin"
                                                      << "dangling";
        QTest::newRow("dangling link for a data folder") << "i18n"
                                                         << "dangling";
        QTest::newRow("user file in the way of a data folder") << "img"
                                                               << "file";
    }
    void damagedFolderIsRepaired()
    {
        QFETCH(QString, entry);
        QFETCH(QString, damage);
        const QString at = user + "/modules/" + entry;
        QDir().mkpath(QFileInfo(at).path());
        if (damage == "file")
            QVERIFY(write(at, "in the way"));
        else
            QVERIFY(QFile::link(
                damage == "dangling" ? root.filePath("gone") : installed + "/modules/" + entry, at));
        QCOMPARE(datafolder::choose(prefix + "/bin", user), user);
        for (const char* file : { "setting/apConfig.bin", "setting/p_Z4.bin" }) {
            const QFileInfo live(user + "/modules/" + file);
            QVERIFY2(live.isFile() && !live.isSymLink() && live.isWritable(), file);
            QCOMPARE(read(live.filePath()), QByteArray("installed ") + file);
        }
        QCOMPARE(read(user + "/modules/i18n/lang_031000.ini"), QByteArray("installed i18n/lang_031000.ini"));
        QCOMPARE(read(user + "/modules/img/skin1/bg.png"), QByteArray("installed img/skin1/bg.png"));
        QVERIFY(QFileInfo(user + "/modules/macro").isDir());
    }

    // Never the installation folder: one message names the path that could not be made.
    void noUsableFolderIsReported()
    {
        QVERIFY(write(root.filePath("home/.local/share"), "a file where the folder belongs"));
        QString failure;
        QCOMPARE(datafolder::choose(prefix + "/bin", user, &failure), QString());
        QVERIFY2(failure.contains(root.filePath("home/.local/share")), qPrintable(failure));
    }

    // Installed into the user's own prefix, the installed data sits where the user's data would;
    // a reinstall then must not replace the user's settings.
    void userDataStaysApartFromTheInstallation_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("same path") << false;
        QTest::newRow("same folder through a link") << true;
    }
    void userDataStaysApartFromTheInstallation()
    {
        QFETCH(bool, throughLink);
        QString own = installed;
        if (throughLink) {
            QVERIFY(QFile::link(prefix, root.filePath("local")));
            own = root.filePath("local/share/z4config");
        }
        const QString chosen = datafolder::choose(prefix + "/bin", own);
        QVERIFY(!chosen.isEmpty());
        QVERIFY(write(chosen + "/modules/setting/apConfig.bin", "user's own"));
        QVERIFY(write(installed + "/modules/setting/apConfig.bin", "reinstalled"));
        QCOMPARE(datafolder::choose(prefix + "/bin", own), chosen);
        QCOMPARE(read(chosen + "/modules/setting/apConfig.bin"), QByteArray("user's own"));
    }
};

QTEST_GUILESS_MAIN(tst_DataFolder)
#include "tst_datafolder.moc"
