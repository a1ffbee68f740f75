#include "core/datafolder.h"
#include "testsupport.h"

#include <QTest>

// An installed program (usr/bin, its data in usr/share/z4config) prepares the user's folder.
class tst_DataFolder : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::WorkDir> root;
    QString bin, installed, user;

private slots:
    void init()
    {
        root = std::make_unique<testsupport::WorkDir>();
        bin = root->filePath("usr/bin");
        installed = root->filePath("usr/share/z4config");
        user = root->filePath("home/.local/share/z4config");
        for (const char* file : { "setting/apConfig.bin", "setting/apConfigD.bin", "setting/p_Z4.bin",
                 "i18n/lang_031000.ini", "img/skin1/bg.png" })
            QVERIFY(root->write(QStringLiteral("usr/share/z4config/modules/") + file, file));
        QVERIFY(QDir().mkpath(bin));
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
        QTest::newRow("user file in the way of a data folder") << "img"
                                                               << "file";
        // A link would put the user's macros (typed passwords) wherever it leads.
        QTest::newRow("macro folder linked to a shared folder") << "macro"
                                                                << "shared";
        QTest::newRow("FIFO at a live file") << "setting/apConfig.bin"
                                             << "fifo";
        QTest::newRow("live file over 1 MiB") << "setting/p_Z4.bin"
                                              << "big";
    }
    void damagedFolderIsRepaired()
    {
        QFETCH(QString, entry);
        QFETCH(QString, damage);
        const QString at = user + "/modules/" + entry;
        QVERIFY(QDir().mkpath(QFileInfo(at).path()));
        const QString shared = root->filePath("shared");
        if (damage == "file")
            QVERIFY(root->write("home/.local/share/z4config/modules/" + entry, "in the way"));
        else if (damage == "fifo" || damage == "big")
            QVERIFY(testsupport::plantUnreadable(at, damage, "", 1 << 20));
        else if (damage == "shared")
            QVERIFY(QDir().mkpath(shared) && QFile::setPermissions(shared, QFile::Permissions(0x7777))
                && root->write("shared/Mine.bin", "mine") && QFile::link(shared, at));
        else
            QVERIFY(QFile::link(
                damage == "dangling" ? root->filePath("gone") : installed + "/modules/" + entry, at));
        QCOMPARE(datafolder::choose(bin, user), user);
        for (const QString file : { "setting/apConfig.bin", "setting/p_Z4.bin", "img/skin1/bg.png" })
            QCOMPARE(testsupport::readFile(user + "/modules/" + file), file.toUtf8());
        for (const char* live : { "/modules/setting/apConfig.bin", "/modules/setting/p_Z4.bin" })
            QVERIFY2(!QFileInfo(user + live).isSymLink(), live);
        const QFileInfo macros(user + "/modules/macro");
        QVERIFY2(macros.isDir() && !macros.isSymLink(), "the macro folder is a link");
        QCOMPARE(int(macros.permissions() & 0x0077), 0);
        if (damage == "shared")
            QCOMPARE(testsupport::readFile(macros.filePath() + "/Mine.bin"), QByteArray("mine"));
    }

    // A portable program folder has no installation to repair from: its factory files stand in.
    void portableLiveFileItsReadersWouldHangOnIsReplaced()
    {
        const QString settings = root->filePath("portable/modules/setting");
        QVERIFY(root->write("portable/modules/setting/pD_Z4.bin", "factory"));
        QVERIFY(testsupport::plantUnreadable(settings + "/p_Z4.bin", "fifo"));
        QCOMPARE(datafolder::choose(root->filePath("portable"), user), root->filePath("portable"));
        QVERIFY(QFileInfo(settings + "/p_Z4.bin").isFile());
        QCOMPARE(testsupport::readFile(settings + "/p_Z4.bin"), QByteArray("factory"));
    }

    // Never the installation folder: one message names the path that could not be made.
    void noUsableFolderIsReported()
    {
        QVERIFY(root->write("home/.local/share", "a file where the folder belongs"));
        QString failure;
        QCOMPARE(datafolder::choose(bin, user, &failure), QString());
        QVERIFY2(failure.contains(root->filePath("home/.local/share")), qPrintable(failure));
    }

    // Installed into the user's own prefix, the installed data sits where the user's data would;
    // a reinstall then must not replace the user's settings.
    void userDataStaysApartFromTheInstallation_data()
    {
        QTest::addColumn<QString>("own");
        QTest::newRow("same path") << "usr/share/z4config";
        QTest::newRow("same folder through a link") << "local/share/z4config";
    }
    void userDataStaysApartFromTheInstallation()
    {
        QFETCH(QString, own);
        QVERIFY(QFile::link(root->filePath("usr"), root->filePath("local")));
        const QString chosen = datafolder::choose(bin, root->filePath(own));
        QVERIFY(root->write(
            QDir(root->path()).relativeFilePath(chosen) + "/modules/setting/apConfig.bin", "mine"));
        QVERIFY(root->write("usr/share/z4config/modules/setting/apConfig.bin", "reinstalled"));
        QCOMPARE(datafolder::choose(bin, root->filePath(own)), chosen);
        QCOMPARE(testsupport::readFile(chosen + "/modules/setting/apConfig.bin"), QByteArray("mine"));
    }
};

QTEST_GUILESS_MAIN(tst_DataFolder)
#include "tst_datafolder.moc"
