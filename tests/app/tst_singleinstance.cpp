#include "app/singleinstance.h"

#include <QFile>
#include <QSysInfo>
#include <QTest>
#include <QUuid>

class tst_SingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondInstanceSeesTheFirst();
    void lockIsFreedWhenTheFirstEnds();
    void staleLockOfACrashedInstanceIsTakenOver();

private:
    static QString uniqueName()
    {
        return QStringLiteral("z4test-") + QUuid::createUuid().toString(QUuid::Id128);
    }
};

void tst_SingleInstance::secondInstanceSeesTheFirst()
{
    const QString name = uniqueName();
    SingleInstance first(name);
    SingleInstance second(name);
    QVERIFY(!first.isRunning());
    QVERIFY(second.isRunning());
}

void tst_SingleInstance::lockIsFreedWhenTheFirstEnds()
{
    const QString name = uniqueName();
    {
        SingleInstance first(name);
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

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
