// z4ctl's commands on the simulated mouse, in a private copy of the program folder.
#include "cli/ctl.h"
#include "device/exchangelock.h"
#include "simmouse.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

class TestCtl : public QObject {
    Q_OBJECT

    QTemporaryDir work;
    QString pristine;
    QString out;
    QString err;

    int ctl(const QString& line)
    {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        return ctl::run(line.split(QLatin1Char(' '), Qt::SkipEmptyParts), o, e);
    }

    // The command packets that reached the mouse, as hex of bytes 1..4.
    QStringList commands()
    {
        QStringList codes;
        for (const sim::Report& r : sim::wire()) {
            if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature)
                codes << QByteArray(reinterpret_cast<const char*>(r.bytes.data()) + 1, 4).toHex();
        }
        return codes;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QProcess::execute("cp", { "-r", Z4_PROGRAM_DIR "/modules", work.path() }) == 0);
        QDir::setCurrent(work.path());
        pristine = work.filePath("p_Z4.pristine");
        QVERIFY(QFile::copy("modules/setting/p_Z4.bin", pristine));
        QDir().mkpath("modules/macro/1");
        QFile macro("modules/macro/1/m1.bin");
        QVERIFY(macro.open(QIODevice::WriteOnly));
        macro.write("[config]\nindex=-1\ntotal=1\nrepeat=1\n[macro]\n0=Z    [Down]\n1=Z      [Up]\n");
    }

    void init()
    {
        QFile::remove("modules/setting/p_Z4.bin");
        QVERIFY(QFile::copy(pristine, "modules/setting/p_Z4.bin"));
        QFile::setPermissions("modules/setting/p_Z4.bin", QFile::ReadOwner | QFile::WriteOwner);
        sim::reset();
    }

    // Each setter's last exchange on the wire, and show --json reading back what was set.
    void setterOnWireAndReadBack_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("lastCommand");
        QTest::addColumn<QString>("shown");
        QTest::newRow("profile") << "profile 3"
                                 << "02030000"
                                 << "\"profile\":3";
        QTest::newRow("rate") << "rate --profile 2 250"
                              << "03020400"
                              << "\"report_rate_hz\":250";
        QTest::newRow("active stage") << "dpi --profile 2 --active 3"
                                      << "04020300"
                                      << "\"active\":3";
        QTest::newRow("stages") << "dpi --profile 2 400,0,1600"
                                << "0c028000"
                                << "\"stages\":[400,0,1600,0,0,0,0,0]";
        QTest::newRow("key") << "button --profile 2 4 key:F5"
                             << "0d028000"
                             << "{\"button\":4,\"function\":\"key:f5\"";
        QTest::newRow("combo") << "button --profile 2 1 combo:ctrl+shift+k"
                               << "0d028000"
                               << "\"function\":\"combo:ctrl+shift+k\"";
        QTest::newRow("media") << "button --profile 2 2 media:play-pause"
                               << "0d028000"
                               << "\"function\":\"media:play-pause\"";
        QTest::newRow("fire") << "button --profile 2 10 fire:right:5:20"
                              << "0d028000"
                              << "\"function\":\"fire:right:5:20\"";
        QTest::newRow("macro") << "button --profile 2 5 macro:m1:always-repeat"
                               << "0d028000"
                               << "\"function\":\"macro:m1:always-repeat\"";
        QTest::newRow("light") << "light --profile 2 neon --speed 2 --brightness 3"
                               << "0c028000"
                               << "\"lighting\":{\"brightness\":3,\"colors\"";
        QTest::newRow("colours") << "light --profile 2 static --colors #102030"
                                 << "0c008000"
                                 << "\"colors\":[\"#102030\"";
    }
    void setterOnWireAndReadBack()
    {
        QFETCH(QString, line);
        QFETCH(QString, lastCommand);
        QFETCH(QString, shown);
        QCOMPARE(ctl(line), int(ctl::kOk));
        QCOMPARE(commands().value(commands().size() - 1), lastCommand);
        // "profile N" changes the current profile, which a plain show reads.
        QCOMPARE(ctl(line.startsWith("profile") ? "--json show" : "--json show 2"), int(ctl::kOk));
        QVERIFY2(out.contains(shown), qPrintable(out));
    }

    // Refused before anything reaches the mouse or the file, naming the bad value.
    void badInputExitsTwoSilently_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("named");
        QTest::newRow("command") << "frobnicate"
                                 << "frobnicate";
        QTest::newRow("profile") << "profile 6"
                                 << "'6'";
        QTest::newRow("option profile") << "rate --profile 0 500"
                                        << "'0'";
        QTest::newRow("rate") << "rate 300"
                              << "'300'";
        QTest::newRow("dpi value") << "dpi 450"
                                   << "'450'";
        QTest::newRow("nine stages") << "dpi 400,400,400,400,400,400,400,400,400"
                                     << "9";
        QTest::newRow("key") << "button 1 key:nosuch"
                             << "'nosuch'";
        QTest::newRow("button") << "button 11 led"
                                << "'11'";
        QTest::newRow("macro") << "button 1 macro:nosuch"
                               << "'nosuch'";
        QTest::newRow("effect") << "light sparkle"
                                << "'sparkle'";
        QTest::newRow("colour") << "light static --colors red"
                                << "'red'";
        QTest::newRow("file") << "import /nonexistent/x.pf 2"
                              << "/nonexistent/x.pf";
        QTest::newRow("option") << "--verbose show"
                                << "--verbose";
    }
    void badInputExitsTwoSilently()
    {
        QFETCH(QString, line);
        QFETCH(QString, named);
        const QByteArray before = [] {
            QFile f("modules/setting/p_Z4.bin");
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QCOMPARE(ctl(line), int(ctl::kUsage));
        QVERIFY2(err.contains(named) && err.count('\n') == 1, qPrintable(err));
        QVERIFY(sim::wire().empty());
        QFile f("modules/setting/p_Z4.bin");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void noMouse()
    {
        sim::unplug();
        QCOMPARE(ctl("profile 2"), int(ctl::kNoMouse));
        QCOMPARE(ctl("--json show"), int(ctl::kOk));
        QVERIFY(err.contains("profile file"));
        QCOMPARE(ctl("rate --profile 2 125"), int(ctl::kOk));
        QVERIFY(err.contains("no mouse"));
        QVERIFY(sim::wire().empty());
        sim::plug();
        QCOMPARE(ctl("--json show 2"), int(ctl::kOk));
        QVERIFY2(
            out.contains("\"report_rate_hz\":125"), "the edit made without the mouse is kept, not read over");
    }

    // Detection's set-up, profile 2's four reads and profile 0's image (the shared colours).
    void showReadsOnlyWhatItPrints()
    {
        QCOMPARE(ctl("show 2"), int(ctl::kOk));
        QStringList codes;
        for (const QString& c : commands())
            codes << c.left(4);
        QCOMPARE(codes.join(' '), QString("0108 8c02 8d02 8402 8302 8c00"));
    }

    void dryRunSendsNothing()
    {
        QCOMPARE(ctl("--dry-run rate --profile 2 500"), int(ctl::kOk));
        QVERIFY(sim::wire().empty());
        QCOMPARE(out.trimmed(), QString("00 03 02 02 00 00 00 00 f8"));
    }

    void exportThenImportGivesEqualShow()
    {
        const QString file = work.filePath("two.pf");
        QCOMPARE(ctl("rate --profile 2 250"), int(ctl::kOk));
        QCOMPARE(ctl("button --profile 2 3 led"), int(ctl::kOk));
        QCOMPARE(ctl("export 2 " + file), int(ctl::kOk));
        QCOMPARE(ctl("import " + file + " 4"), int(ctl::kOk));
        QCOMPARE(ctl("--json show 2"), int(ctl::kOk));
        QJsonObject two = QJsonDocument::fromJson(out.toUtf8()).object();
        QCOMPARE(ctl("--json show 4"), int(ctl::kOk));
        QJsonObject four = QJsonDocument::fromJson(out.toUtf8()).object();
        two.remove("profile");
        four.remove("profile");
        QCOMPARE(four, two);
        QCOMPARE(sim::reportRate(4), 4);
    }

    // Another program keeps the mouse (a z4ctl stopped with Ctrl+Z): z4ctl gives up after the
    // lock's deadline with the line a person understands, and nothing reaches the mouse.
    void busyMouseFailsAfterTheDeadline()
    {
        const QString lock = work.filePath("exchange.lock");
        ExchangeLock::setPath(lock);
        QProcess holder;
        holder.start("flock", { "-o", lock, "sleep", "20" });
        QTRY_VERIFY(QProcess::execute("flock", { "-n", lock, "true" }) != 0);
        QElapsedTimer waited;
        waited.start();
        const int status = ctl("rate --profile 2 250");
        const qint64 ms = waited.elapsed();
        holder.kill();
        holder.waitForFinished();
        ExchangeLock::setPath({});
        QCOMPARE(status, int(ctl::kFailed));
        QVERIFY2(ms < 2 * ExchangeLock::kWaitMs, qPrintable(QString::number(ms)));
        QVERIFY2(
            err.contains("The mouse is busy with another program: nothing lost, try again"), qPrintable(err));
        QVERIFY(commands().filter(QRegularExpression("^0[34c]")).isEmpty());
    }

    // The factory state names profile 0, which nobody can choose: a change without --profile
    // goes to the profile the file and the window show, never to profile 0.
    void unshownCurrentProfileIsNeverWritten()
    {
        sim::setCurrentProfile(0);
        QCOMPARE(ctl("rate 250"), int(ctl::kOk));
        const QStringList rates = commands().filter(QRegularExpression("^03"));
        QCOMPARE(rates.size(), 1);
        QVERIFY2(rates.first() != "03000400", qPrintable(rates.first()));
    }

    // Edits made without the mouse wait for the person's choice: until it is made, z4ctl says
    // which groups wait and how to settle them, and changes nothing.
    void flaggedGroupsStopChangesUntilSynced()
    {
        sim::unplug();
        QCOMPARE(ctl("rate --profile 2 125"), int(ctl::kOk));
        sim::plug();
        QCOMPARE(ctl("dpi --profile 3 400,800"), int(ctl::kFailed));
        QVERIFY2(err.contains("P02") && err.contains("z4ctl sync --write") && err.contains("--keep"),
            qPrintable(err));
        QVERIFY(commands().filter(QRegularExpression("^0[34c]")).isEmpty());
        QCOMPARE(ctl("sync --write"), int(ctl::kOk));
        QVERIFY(commands().contains("03020800"));
        QCOMPARE(ctl("dpi --profile 3 400,800"), int(ctl::kOk));
    }
};

QTEST_GUILESS_MAIN(TestCtl)
#include "tst_ctl.moc"
