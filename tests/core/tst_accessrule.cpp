// The access rule as the permission help hands it out: run by a shell from any folder, it writes
// the same lines the build puts in the packaged rule file, then reloads and applies the rules.
#include "core/accessrule.h"
#include "testsupport.h"

#include <QProcess>
#include <QTest>

class tst_AccessRule : public QObject {
    Q_OBJECT

private slots:
    void commandWritesThePackagedRule()
    {
        testsupport::WorkDir dir;
        // A stand-in that logs what would run as root; "sudo tee FILE" writes to written.rules.
        QVERIFY(dir.write("bin/sudo", "#!/bin/sh\necho \"$*\" >>\"$LOG\"\n"
                                      "if [ \"$1\" = tee ]; then cat >\"$OUT\"; fi\n"));
        QVERIFY(QFile::setPermissions(dir.filePath("bin/sudo"), QFile::ReadOwner | QFile::ExeOwner));
        const QStringList lines = accessrule::ruleLines(loadCatalogue(":/DevInfo.ini", {}));
        QVERIFY(!lines.isEmpty());

        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", dir.filePath("bin") + ":/usr/bin:/bin");
        env.insert("LOG", dir.filePath("log"));
        env.insert("OUT", dir.filePath("written.rules"));
        shell.setProcessEnvironment(env);
        shell.setWorkingDirectory(dir.filePath("bin"));
        shell.start("/bin/sh", { "-c", accessrule::installCommand(lines) });
        QVERIFY(shell.waitForFinished(10000));
        QCOMPARE(shell.exitCode(), 0);

        QStringList packaged;
        for (const QString& line : QString::fromUtf8(testsupport::readFile(Z4_RULE_FILE)).split('\n')) {
            if (!line.startsWith('#') && !line.trimmed().isEmpty())
                packaged << line;
        }
        QCOMPARE(QString::fromUtf8(testsupport::readFile(dir.filePath("written.rules"))).split('\n', Qt::SkipEmptyParts),
            packaged);
        QCOMPARE(QString::fromUtf8(testsupport::readFile(dir.filePath("log"))),
            "tee /etc/udev/rules.d/70-z4config.rules\nudevadm control --reload\nudevadm trigger\n");
    }

    void installedInAnyOfTheFolders()
    {
        testsupport::WorkDir dir;
        const QStringList folders { dir.filePath("lib"), dir.filePath("etc") };
        QVERIFY(!accessrule::installed(folders));
        QVERIFY(dir.write("etc/" + accessrule::kFileName, "x"));
        QVERIFY(accessrule::installed(folders));
    }
};

QTEST_MAIN(tst_AccessRule)
#include "tst_accessrule.moc"
