// Taking turns with other processes: the lock's deadline, the shared runtime folder, and what
// APPLY sends of a page.
#include "core/runtimefolder.h"
#include "core/shownvalues.h"
#include "device/exchangelock.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class tst_Transaction : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QProcess holder;

    void holdLock()
    {
        holder.start("flock", { "-o", ExchangeLock::path(), "sleep", "20" });
        QTRY_VERIFY(QProcess::execute("flock", { "-n", ExchangeLock::path(), "true" }) != 0);
    }

private slots:
    void init() { ExchangeLock::setPath(dir.filePath("exchange.lock")); }
    void cleanup()
    {
        holder.kill();
        holder.waitForFinished();
        ExchangeLock::setPath({});
    }

    // A lock another process keeps is given up on after the deadline, and the wait serves the
    // waiter (the window's events) meanwhile.
    void heldLockGivesUpAfterTheDeadline()
    {
        holdLock();
        int served = 0;
        ExchangeLock::setWaiter([&served](int ms) {
            ++served;
            QThread::msleep(ulong(ms));
        });
        QElapsedTimer waited;
        waited.start();
        const ExchangeLock lock(300);
        ExchangeLock::setWaiter({});
        QVERIFY(!lock.held());
        QVERIFY(waited.elapsed() >= 300 && waited.elapsed() < 2000);
        QVERIFY(served > 10);
    }

    // The lock nests within one process: a change's exchanges take it again at once.
    void heldLockNestsAndIsLetGo()
    {
        {
            const ExchangeLock change(0);
            const ExchangeLock exchange(0);
            QVERIFY(change.held() && exchange.held());
            QVERIFY(QProcess::execute("flock", { "-n", ExchangeLock::path(), "true" }) != 0);
        }
        QCOMPARE(QProcess::execute("flock", { "-n", ExchangeLock::path(), "true" }), 0);
    }

    // Every process of the user meets in one folder, whatever XDG_RUNTIME_DIR says.
    void runtimeFolderIgnoresTheEnvironment()
    {
        const QByteArray kept = qgetenv("XDG_RUNTIME_DIR");
        const QTemporaryDir other;
        qputenv("XDG_RUNTIME_DIR", other.path().toLocal8Bit());
        const QString withVariable = runtimefolder::path();
        qunsetenv("XDG_RUNTIME_DIR");
        const QString without = runtimefolder::path();
        qputenv("XDG_RUNTIME_DIR", kept);
        QVERIFY(!without.isEmpty());
        QCOMPARE(withVariable, without);
    }

    // APPLY sends what the person changed; the rest takes what is current now, and a value
    // changed on both sides is a conflict.
    void mergeSendsOnlyTheEdits_data()
    {
        QTest::addColumn<QVariantList>("edited");
        QTest::addColumn<QVariantList>("now");
        QTest::addColumn<QVariantList>("sent");
        QTest::addColumn<int>("conflicts");
        QTest::newRow("untouched takes now")
            << QVariantList { 1, 2 } << QVariantList { 7, 8 } << QVariantList { 7, 8 } << 0;
        QTest::newRow("edit kept") << QVariantList { 5, 2 } << QVariantList { 1, 8 } << QVariantList { 5, 8 }
                                   << 0;
        QTest::newRow("both sides") << QVariantList { 5, 2 } << QVariantList { 6, 2 } << QVariantList { 6, 2 }
                                    << 1;
        QTest::newRow("same on both")
            << QVariantList { 5, 2 } << QVariantList { 5, 2 } << QVariantList { 5, 2 } << 0;
    }
    void mergeSendsOnlyTheEdits()
    {
        QFETCH(QVariantList, edited);
        QFETCH(QVariantList, now);
        QFETCH(QVariantList, sent);
        QFETCH(int, conflicts);
        ShownValues shown;
        shown.note(ShownValues::Stages, 1, { 1, 2 });
        const ShownValues::Merge merged = shown.merge(ShownValues::Stages, edited, now);
        QCOMPARE(merged.values, sent);
        QCOMPARE(merged.conflicts.size(), conflicts);
        QCOMPARE(shown.profile(ShownValues::Stages, 3), 1);
    }
};

QTEST_GUILESS_MAIN(tst_Transaction)
#include "tst_transaction.moc"
