#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The preloaded simulation in a program linked against the real hidapi.
class tst_Preload : public QObject {
    Q_OBJECT
private slots:
    void init();
    void detection_data();
    void detection();
    void stateSurvivesTheProgram();
    void wireLog();
    void codedMouse();
    void vendorReportFromControlFile();

private:
    QStringList run(const QStringList& args, const QStringList& environment = {});
    QString file(const char* name) const { return dir->filePath(QLatin1String(name)); }
    static QByteArray read(const QString& path);
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_Preload::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

QStringList tst_Preload::run(const QStringList& args, const QStringList& environment)
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(Z4SIM_PRELOAD));
    // A sanitizer runtime must come first in the library list; the preloaded library does.
    env.insert(QStringLiteral("ASAN_OPTIONS"),
        env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    for (const QString& pair : environment)
        env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(Z4SIM_PROBE), args);
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0) {
        qWarning() << probe.readAllStandardError();
        return { QStringLiteral("probe did not finish cleanly") };
    }
    return QString::fromLatin1(probe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray tst_Preload::read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void tst_Preload::detection_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("found");
    QTest::newRow("standard") << QStringList() << "found 1";
    QTest::newRow("unplugged") << QStringList { "Z4SIM_PLUGGED=0" } << "found 0";
    QTest::newRow("command collection only") << QStringList { "Z4SIM_LAYOUT=command-only" } << "found 0";
    QTest::newRow("two mice") << QStringList { "Z4SIM_LAYOUT=two-mice" } << "found 1";
    QTest::newRow("nothing") << QStringList { "Z4SIM_LAYOUT=none" } << "found 0";
}

void tst_Preload::detection()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, found);
    QCOMPARE(run({}, environment).value(0), found);
}

void tst_Preload::stateSurvivesTheProgram()
{
    const QString state = QStringLiteral("Z4SIM_STATE=") + file("mouse.state");
    QStringList out = run({ "write" }, { state });
    QCOMPARE(out.value(1), QStringLiteral("read ") + QString(256, QLatin1Char('0')));
    QCOMPARE(out.value(2), QStringLiteral("version 1.05"));
    QByteArray expected;
    for (int i = 0; i < 128; ++i)
        expected.append(char(3 * i));
    QVERIFY(read(file("mouse.state")).contains("profile 2 image " + expected.toHex() + "\n"));

    out = run({}, { state });
    QCOMPARE(out.value(1), QStringLiteral("read ") + QString::fromLatin1(expected.toHex()));
}

void tst_Preload::wireLog()
{
    run({}, { QStringLiteral("Z4SIM_WIRELOG=") + file("wire.log") });
    const QList<QByteArray> lines = read(file("wire.log")).split('\n');
    QVERIFY(lines.size() > 4);
    QVERIFY2(lines.at(0).endsWith(" out command feature 0001080000000000f6"), lines.at(0).constData());
    QVERIFY2(lines.at(1).endsWith(" out command feature 008c02000000000071"), lines.at(1).constData());
    QVERIFY2(lines.at(3).contains(" in command input "), lines.at(3).constData());
}

void tst_Preload::codedMouse()
{
    const QStringList coded { "Z4SIM_CODE=Z4cfg1", "Z4SIM_STATE=" + file("mouse.state") };
    run({ "code=wrong1", "write" }, coded);
    QVERIFY2(!read(file("mouse.state")).contains("profile 2 image 00030609"), "a wrong code is refused");
    run({ "code=Z4cfg1", "write" }, coded);
    QVERIFY(read(file("mouse.state")).contains("profile 2 image 00030609"));
}

void tst_Preload::vendorReportFromControlFile()
{
    QFile control(file("control"));
    QVERIFY(control.open(QIODevice::WriteOnly));
    control.write("vendor 0a0b0c0d\n");
    control.close();
    const QStringList out = run({ "listen" }, { QStringLiteral("Z4SIM_CONTROL=") + file("control") });
    QCOMPARE(out.value(3), QStringLiteral("vendor 0a0b0c0d"));
}

QTEST_GUILESS_MAIN(tst_Preload)
#include "tst_preload.moc"
