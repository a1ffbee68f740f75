#include "macro/macrolibrary.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>

class tst_MacroLibrary : public QObject {
    Q_OBJECT

    QString path(const QString& name) const { return lib->filePath(name); }
    void put(const QString& name, const QByteArray& content)
    {
        QVERIFY(work->write(kFolder + name, content));
    }

    const QString kFolder = QStringLiteral("macro/1/");
    std::unique_ptr<testsupport::WorkDir> work;
    std::unique_ptr<MacroLibrary> lib;

private slots:
    void init()
    {
        work = std::make_unique<testsupport::WorkDir>();
        lib = std::make_unique<MacroLibrary>(work->filePath(kFolder));
    }
    void cleanup()
    {
        lib.reset();
        work.reset();
    }
    void createTakesFirstFreeName_data()
    {
        QTest::addColumn<QList<int>>("present");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing folder") << QList<int> {} << "Macro. 001";
        QTest::newRow("gap at 2") << QList<int> { 1, 3 } << "Macro. 002";
    }
    void createTakesFirstFreeName()
    {
        QFETCH(QList<int>, present);
        for (int n : present)
            put(QStringLiteral("Macro. %1.bin").arg(n, 3, 10, QLatin1Char('0')), "");
        const QString name = lib->create();
        QTEST(name, "expected");
        const QSettings file(path(name), QSettings::IniFormat);
        QCOMPARE(file.allKeys().size(), 3);
        QCOMPARE(file.value("config/total").toInt(), 0);
        QCOMPARE(lib->config(name), QVariantList({ -1, 1 }));
    }
    // A macro can hold typed text such as a password: only its owner may list or read it.
    void macrosArePrivate()
    {
        const mode_t previous = umask(022);
        const QString name = lib->create();
        umask(previous);
        const auto closed = [](const QString& file) { return (QFileInfo(file).permissions() & 0x77) == 0; };
        QVERIFY2(closed(lib->folder()) && closed(path(name)), "a new macro is open to others");
        put("old.bin", "");
        QVERIFY(QFile::setPermissions(path("old"), QFileDevice::Permissions(0x6644)));
        QVERIFY(QFile::setPermissions(lib->folder(), QFileDevice::Permissions(0x7755)));
        lib->keepPrivate();
        QVERIFY2(closed(lib->folder()) && closed(path("old")), "an existing macro stayed open to others");
    }
    void namesListsBinEntriesSortedWithoutCase()
    {
        QVERIFY2(lib->names().isEmpty(), "a missing folder lists nothing");
        put("beta.bin", "");
        put("Alpha.bin", "");
        put("notes.txt", "");
        put(".hidden.bin", "");
        put("upper.BIN", ""); // reachable as "upper" only where file names ignore case
        QDir().mkpath(lib->folder() + "folder.bin");
        const QStringList names = lib->names();
        for (const QString& name : names)
            QVERIFY2(lib->exists(name.chopped(4)), qPrintable(name + " is listed but cannot be opened"));
        QStringList expected { "Alpha.bin", "beta.bin" }; // a folder is no macro
        if (lib->exists("upper"))
            expected << "upper.BIN";
        QCOMPARE(names, expected);
    }
    void saveReplacesEveryLine()
    {
        const QStringList lines { ", <    [Down]", "' \"    [Down]", "\\ |      [Up]", "KP 7     [Down]" };
        const QString name = lib->create();
        QVERIFY(lib->saveLines(name, { "A    [Down]", "100   [Delay]", "A      [Up]" }));
        QVERIFY(lib->saveLines(name, lines));
        QCOMPARE(lib->lines(name), lines);
        QSettings file(path(name), QSettings::IniFormat);
        QCOMPARE(file.value("config/total").toInt(), lines.size());
        file.beginGroup("macro");
        QVERIFY2(file.childKeys().size() == lines.size(), "stale lines left in the file");
    }
    // A refused write must not linger in the settings cache and be read back as if saved.
    void failedSaveIsNeverReadBack()
    {
        if (QFileInfo(QStringLiteral("/")).isWritable())
            QSKIP("running with rights that ignore file permissions");
        const QString name = lib->create();
        QVERIFY(lib->saveLines(name, { "A    [Down]" }));
        QFile::setPermissions(work->filePath(kFolder), QFile::ReadOwner | QFile::ExeOwner);
        QFile::setPermissions(path(name), QFile::ReadOwner);
        QVERIFY(!lib->saveLines(name, { "B    [Down]" }));
        QCOMPARE(lib->lines(name), QStringList { "A    [Down]" });
        QFile::setPermissions(
            work->filePath(kFolder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Non-ASCII characters are written as \x escapes, as Qt's INI writer did without a codec, so
    // files and exports stay in that format; a hex digit right after an escape is escaped too.
    void nonAsciiWrittenAsEscapes()
    {
        const QString right(QChar(0x25BA)), up(QChar(0x25B2));
        const QStringList lines { right + "    [Down]", up + "B      [Up]",
            QString::fromUtf8("caf\xc3\xa9") };
        const QString name = lib->create();
        QVERIFY(lib->saveLines(name, lines));
        QByteArray file = testsupport::readFile(path(name));
        QVERIFY2(file.contains("0=\\x25ba    [Down]\n"), file.constData());
        QVERIFY2(file.contains("1=\\x25b2\\x42      [Up]\n"), file.constData());
        QVERIFY2(file.contains("2=caf\\xe9\n"), file.constData());
        QVERIFY(std::all_of(file.begin(), file.end(), [](char c) { return uchar(c) < 0x80; }));
        QCOMPARE(lib->lines(name), lines);
        QVERIFY(lib->setConfig(name, { 4, 2 }));
        QCOMPARE(testsupport::readFile(path(name)),
            file.replace("index=-1", "index=4").replace("repeat=1", "repeat=2"));
    }
    void handWrittenFileReads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("head");
        const QString right(QChar(0x25BA));
        QTest::newRow("missing line reads as 0")
            << QByteArray("[config]\ntotal=3\n[macro]\n0=A    [Down]\n2=A      [Up]\n") << 3
            << QStringList { "A    [Down]", "0", "A      [Up]" };
        // Files written without a UTF-8 codec carry non-ASCII key names as \x escapes.
        QTest::newRow("escaped and UTF-8 names")
            << QByteArray("[config]\ntotal=2\n[macro]\n0=\\x25ba    [Down]\n1=\xe2\x96\xba      [Up]\n") << 2
            << QStringList { right + "    [Down]", right + "      [Up]" };
        QTest::newRow("total not a number") << QByteArray("[config]\ntotal=many\n") << 0 << QStringList();
        QTest::newRow("huge total clamped")
            << QByteArray("[config]\ntotal=2000000000\n") << MacroLibrary::kMaxLines << QStringList { "0" };
        // The longest pause the mouse can play is 65535 units of 20 ms; a longer one is cut to it.
        QTest::newRow("delay beyond the longest clamped")
            << QByteArray("[config]\ntotal=2\n[macro]\n0=1310720   [Delay]\n1=99999999999   [Delay]\n") << 2
            << QStringList { "1310700   [Delay]", "1310700   [Delay]" };
        QTest::newRow("FIFO reads as nothing") << QByteArray("fifo") << 0 << QStringList();
        QTest::newRow("total beyond int is no number")
            << QByteArray("[config]\ntotal=99999999999999\n[macro]\n0=A    [Down]\n") << 0 << QStringList();
    }
    void handWrittenFileReads()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, head);
        if (content == "fifo")
            QVERIFY(testsupport::plantUnreadable(work->filePath(kFolder + "m.bin"), "fifo"));
        else
            put("m.bin", content);
        const QStringList lines = lib->lines("m");
        QTEST(int(lines.size()), "count");
        QCOMPARE(lines.mid(0, head.size()), head);
    }
    void configRoundTripAndDamage()
    {
        const QString name = lib->create();
        QVERIFY(lib->setConfig(name, { 4.0, 300 })); // numbers from the scene arrive as doubles
        QCOMPARE(lib->config(name), QVariantList({ 4, 300 }));
        QVERIFY2(!lib->setConfig(name, { 7 }), "a short list accepted");
        QCOMPARE(lib->config(name), QVariantList({ 4, 300 }));
        put("m.bin", "[config]\nindex=abc\nrepeat=\n");
        QCOMPARE(lib->config("m"), QVariantList({ -1, 1 }));
        put("m.bin", "[config]\nindex=4294967296\nrepeat=99999999999999\n"); // beyond int: no number
        QCOMPARE(lib->config("m"), QVariantList({ -1, 1 }));
    }
    void renameMovesButNeverReplaces()
    {
        put("a.bin", "[config]\ntotal=1\n");
        put("b.bin", "[config]\ntotal=2\n");
        QVERIFY2(!lib->rename("a", "b"), "rename replaced an existing macro");
        QCOMPARE(lib->lines("b").size(), 2);
        QVERIFY(!lib->rename("missing", "other"));
        QVERIFY(lib->rename("a", "Jump"));
        QCOMPARE(lib->names(), QStringList({ "b.bin", "Jump.bin" }));
        QCOMPARE(lib->lines("Jump").size(), 1);
    }
    void unsafeNamesNeverReachTheDisk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("climbs out") << "../escape";
        QTest::newRow("slash") << "sub/name";
        QTest::newRow("backslash") << "sub\\name";
        QTest::newRow("nul") << QString("a") + QChar(0) + "b";
        QTest::newRow("hidden") << ".hidden";
        QTest::newRow("missing macro") << "missing"; // never brought back by a write
    }
    void unsafeNamesNeverReachTheDisk()
    {
        QFETCH(QString, name);
        const QString existing = lib->create();
        // Files that ".." or "../escape" would reach if names were used as paths.
        QVERIFY(work->write("macro/escape.bin", "[config]\ntotal=1\n"));
        QVERIFY(work->write("macro/..bin", "[config]\ntotal=1\n"));
        const QStringList before = QDir(work->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        const bool unsafe = name != "missing";
        QVERIFY(!lib->exists(name));
        QCOMPARE(lib->filePath(name).isEmpty(), unsafe);
        QVERIFY(lib->lines(name).isEmpty());
        QCOMPARE(lib->repeat(name), 1);
        QVERIFY(!lib->saveLines(name, { "A    [Down]" }));
        QVERIFY(lib->config(name).isEmpty());
        QVERIFY(!lib->setConfig(name, { 1, 1 }));
        QVERIFY(!lib->remove(name));
        if (unsafe)
            QVERIFY(!lib->rename(existing, name));
        QVERIFY(!lib->rename(name, "fine"));
        QVERIFY(!lib->importFrom(name, path(existing)));
        QVERIFY(!lib->exportTo(name, work->filePath("out.mc")));

        QCOMPARE(lib->names(), QStringList({ existing + ".bin" }));
        QCOMPARE(QDir(work->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QVERIFY(QFile::exists(work->filePath("macro/escape.bin")));
        QVERIFY(QFile::exists(work->filePath("macro/..bin")));
    }
    void importReplacesOnlyAfterCompleteCopy()
    {
        const QString name = lib->create();
        QVERIFY(lib->saveLines(name, { "A    [Down]" }));
        QVERIFY(work->write("picked.mc", "[config]\ntotal=1\n[macro]\n0=B    [Down]\n"));
        QVERIFY(lib->importFrom(name, work->filePath("picked.mc")));
        QCOMPARE(lib->lines(name), QStringList({ "B    [Down]" }));

        // A source that cannot be read (a folder, a missing file) leaves the macro as it was.
        QDir().mkpath(work->filePath("folder.mc"));
        for (const QString& source : { work->filePath("folder.mc"), work->filePath("gone.mc"), QString() })
            QVERIFY2(!lib->importFrom(name, source), qPrintable("imported from " + source));
        QCOMPARE(lib->lines(name), QStringList({ "B    [Down]" }));
        QCOMPARE(QDir(lib->folder()).entryList(QDir::Files | QDir::Hidden), QStringList({ name + ".bin" }));
    }
    void exportReplacesTargetAndKeepsItOnFailure()
    {
        const QString name = lib->create();
        QVERIFY(lib->saveLines(name, { "A    [Down]" }));
        const QString target = work->filePath("out.mc");
        QVERIFY(work->write("out.mc", "older export"));
        QVERIFY(lib->exportTo(name, target));
        QCOMPARE(testsupport::readFile(target), testsupport::readFile(path(name)));

        QVERIFY(lib->remove(name));
        QVERIFY(!lib->exportTo(name, target));
        QVERIFY2(QFile::exists(target), "a failed export removed the earlier one");
        const QString other = lib->create();
        QDir().mkpath(work->filePath("dir.mc"));
        QVERIFY(!lib->exportTo(other, work->filePath("dir.mc")));
        QVERIFY(QFileInfo(work->filePath("dir.mc")).isDir());
    }
};

QTEST_GUILESS_MAIN(tst_MacroLibrary)
#include "tst_macrolibrary.moc"
