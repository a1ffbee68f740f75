#include "app/singleinstance.h"
#include "system/copydataserver.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <unistd.h>

class tst_SingleInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void secondInstanceSeesTheFirstUntilItEnds();
    void staleLockOfACrashedInstanceIsTakenOver();
    void namesInTheSharedTemporaryFolderAreNotUsed();

private:
    static QString uniqueName()
    {
        return QStringLiteral("z4test-") + QUuid::createUuid().toString(QUuid::Id128);
    }
    QTemporaryDir sharedTemp; // stands for /tmp, where every user may create names
    QTemporaryDir runtime; // the user's own runtime folder (mode 0700)
};

void tst_SingleInstance::initTestCase()
{
    qputenv("TMPDIR", sharedTemp.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
}

void tst_SingleInstance::secondInstanceSeesTheFirstUntilItEnds()
{
    const QString name = uniqueName();
    {
        SingleInstance first(name);
        SingleInstance second(name);
        QVERIFY(!first.isRunning());
        QVERIFY(second.isRunning());
    }
    SingleInstance next(name);
    QVERIFY(!next.isRunning());
}

void tst_SingleInstance::staleLockOfACrashedInstanceIsTakenOver()
{
    const QString name = uniqueName();
    QString path;
    {
        SingleInstance probe(name);
        path = probe.lockPath();
    }
    // QLockFile's format: pid, application name, host name. No process has this pid.
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("4194303\nz4config\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    SingleInstance next(name);
    QVERIFY2(!next.isRunning(), "a lock left by a dead process must not block the next start");
}

// Another user gets to the temporary folder first and leaves, under each name this user might
// pick, something this user cannot remove (a folder with a file in it resists even root).
void tst_SingleInstance::namesInTheSharedTemporaryFolderAreNotUsed()
{
    const QString uid = QString::number(getuid());
    const QString user = qEnvironmentVariable("USER", QStringLiteral("root"));
    for (const QString& taken : QStringList { "z4config.lock", "z4config-" + uid + ".lock",
             "z4config-" + user + ".lock", "z4config-copydata-" + uid, "z4config-copydata-" + user }) {
        QVERIFY(QDir(sharedTemp.path()).mkpath(taken + "/held"));
    }
    SingleInstance instance;
    QVERIFY2(!instance.isRunning(), "names taken by another user stopped the program");
    QCOMPARE(QFileInfo(instance.lockPath()).path(), runtime.path());
    CopyDataServer server;
    QVERIFY(server.listen());
    QCOMPARE(QFileInfo(server.fullServerName()).path(), runtime.path());
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
