#include "macro/macrolibrary.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class tst_MacroLibrary : public QObject {
    Q_OBJECT
private slots:
    void init();
    void createMakesFolderAndFirstFile();
    void createTakesFirstFreeName_data();
    void createTakesFirstFreeName();
    void namesListsBinEntriesSortedWithoutCase();
    void namesOfMissingFolderIsEmpty();
    void saveReplacesEveryLine_data();
    void saveReplacesEveryLine();
    void saveOfMissingFileCreatesNothing();
    void saveToUnwritableFileFails();
    void missingLineReadsAsZero();
    void damagedTotalIsClamped_data();
    void damagedTotalIsClamped();
    void linesWithCommasSurvive();
    void escapedNamesOfOlderFilesRead();
    void configOfFreshMacro();
    void configRoundTripAndShortList();
    void damagedConfigReadsDefaults();
    void renameNeverReplaces();
    void renameMovesFile();
    void unsafeNamesNeverReachTheDisk_data();
    void unsafeNamesNeverReachTheDisk();
    void importReplacesOnlyAfterCompleteCopy();
    void importOfMissingMacroCopiesNothing();
    void exportReplacesTargetAndKeepsItOnFailure();
    void deleteRemovesOnlyExistingFile();

private:
    QString path(const QString& name) const { return lib->filePath(name); }
    void writeFile(const QString& file, const QByteArray& content);

    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<MacroLibrary> lib;
};

void tst_MacroLibrary::init()
{
    tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp->isValid());
    lib = std::make_unique<MacroLibrary>(tmp->filePath("macro/1") + '/');
}

void tst_MacroLibrary::writeFile(const QString& file, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

void tst_MacroLibrary::createMakesFolderAndFirstFile()
{
    QCOMPARE(lib->create(), "Macro. 001");
    QVERIFY(QFile::exists(lib->folder() + "Macro. 001.bin"));
    const QSettings file(path("Macro. 001"), QSettings::IniFormat);
    QCOMPARE(file.allKeys().size(), 3);
    QCOMPARE(file.value("config/index").toInt(), -1);
    QCOMPARE(file.value("config/total").toInt(), 0);
    QCOMPARE(file.value("config/repeat").toInt(), 1);
}

void tst_MacroLibrary::createTakesFirstFreeName_data()
{
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QString>("expected");
    QTest::newRow("gap at 2") << QList<int> { 1, 3 } << "Macro. 002";
    QTest::newRow("after 999 comes four digits") << [] {
        QList<int> all;
        for (int n = 1; n <= 999; ++n)
            all << n;
        return all;
    }() << "Macro. 1000";
}

void tst_MacroLibrary::createTakesFirstFreeName()
{
    QFETCH(QList<int>, present);
    for (int n : present)
        writeFile(path(QStringLiteral("Macro. %1").arg(n, 3, 10, QLatin1Char('0'))), "");
    QTEST(lib->create(), "expected");
}

void tst_MacroLibrary::namesListsBinEntriesSortedWithoutCase()
{
    writeFile(path("beta"), "");
    writeFile(path("Alpha"), "");
    writeFile(lib->folder() + "notes.txt", "");
    QDir().mkpath(lib->folder() + "folder.bin");
    QCOMPARE(lib->names(), QStringList({ "Alpha.bin", "beta.bin", "folder.bin" }));
}

void tst_MacroLibrary::namesOfMissingFolderIsEmpty()
{
    QVERIFY(lib->names().isEmpty());
}

void tst_MacroLibrary::saveReplacesEveryLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("fewer lines than before") << QStringList { "B    [Down]" };
    QTest::newRow("no lines") << QStringList();
    QTest::newRow("more lines") << QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11" };
}

void tst_MacroLibrary::saveReplacesEveryLine()
{
    QFETCH(QStringList, lines);
    const QString name = lib->create();
    QVERIFY(lib->saveLines(name, { "A    [Down]", "100   [Delay]", "A      [Up]" }));
    QVERIFY(lib->saveLines(name, lines));
    QCOMPARE(lib->lines(name), lines);
    const QSettings file(path(name), QSettings::IniFormat);
    QCOMPARE(file.value("config/total").toInt(), lines.size());
    QSettings group(path(name), QSettings::IniFormat);
    group.beginGroup("macro");
    QCOMPARE(group.childKeys().size(), lines.size());
}

void tst_MacroLibrary::saveOfMissingFileCreatesNothing()
{
    const QString name = lib->create();
    QVERIFY(lib->remove(name));
    QVERIFY(!lib->saveLines(name, { "A    [Down]" }));
    QVERIFY(!QFile::exists(path(name)));
}

void tst_MacroLibrary::saveToUnwritableFileFails()
{
    const QString name = lib->create();
    QFile::setPermissions(path(name), QFile::ReadOwner);
    QFile::setPermissions(lib->folder(), QFile::ReadOwner | QFile::ExeOwner);
    const bool permissionsApply = !QFileInfo(path(name)).isWritable();
    const bool saved = lib->saveLines(name, { "A    [Down]" });
    QFile::setPermissions(lib->folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!permissionsApply)
        QSKIP("running with rights that ignore file permissions");
    QVERIFY(!saved);
}

void tst_MacroLibrary::missingLineReadsAsZero()
{
    writeFile(path("m"), "[config]\ntotal=3\n[macro]\n0=A    [Down]\n2=A      [Up]\n");
    QCOMPARE(lib->lines("m"), QStringList({ "A    [Down]", "0", "A      [Up]" }));
}

void tst_MacroLibrary::damagedTotalIsClamped_data()
{
    QTest::addColumn<QByteArray>("total");
    QTest::addColumn<int>("expected");
    QTest::newRow("negative") << QByteArray("-5") << 0;
    QTest::newRow("not a number") << QByteArray("many") << 0;
    QTest::newRow("huge") << QByteArray("2000000000") << MacroLibrary::kMaxLines;
    QTest::newRow("beyond int") << QByteArray("99999999999999") << MacroLibrary::kMaxLines;
    QTest::newRow("below int") << QByteArray("-99999999999999") << 0;
}

void tst_MacroLibrary::damagedTotalIsClamped()
{
    QFETCH(QByteArray, total);
    writeFile(path("m"), "[config]\ntotal=" + total + "\n");
    QTEST(int(lib->lines("m").size()), "expected");
}

void tst_MacroLibrary::linesWithCommasSurvive()
{
    const QString name = lib->create();
    const QStringList lines { ", <    [Down]", "' \"    [Down]", "\\ |      [Up]", "KP 7     [Down]" };
    QVERIFY(lib->saveLines(name, lines));
    QCOMPARE(lib->lines(name), lines);
}

// Files written without a UTF-8 codec carry non-ASCII key names as \x escapes.
void tst_MacroLibrary::escapedNamesOfOlderFilesRead()
{
    writeFile(path("m"), "[config]\ntotal=2\n[macro]\n0=\\x25ba    [Down]\n1=\xe2\x96\xba      [Up]\n");
    const QString right(QChar(0x25BA));
    QCOMPARE(lib->lines("m"), QStringList({ right + "    [Down]", right + "      [Up]" }));
}

void tst_MacroLibrary::configOfFreshMacro()
{
    const QString name = lib->create();
    QCOMPARE(lib->config(name), QVariantList({ -1, 1 }));
    QCOMPARE(lib->config("missing"), QVariantList());
    QCOMPARE(lib->repeat("missing"), 1);
}

void tst_MacroLibrary::configRoundTripAndShortList()
{
    const QString name = lib->create();
    QVERIFY(lib->setConfig(name, { 4.0, 300 })); // numbers from the scene arrive as doubles
    QCOMPARE(lib->config(name), QVariantList({ 4, 300 }));
    QVERIFY(!lib->setConfig(name, { 7 }));
    QCOMPARE(lib->config(name), QVariantList({ 4, 300 }));
    QVERIFY(!lib->setConfig("missing", { 1, 1 }));
    QVERIFY(!QFile::exists(path("missing")));
}

void tst_MacroLibrary::damagedConfigReadsDefaults()
{
    writeFile(path("m"), "[config]\nindex=abc\nrepeat=\n");
    QCOMPARE(lib->config("m"), QVariantList({ -1, 1 }));
}

void tst_MacroLibrary::renameNeverReplaces()
{
    writeFile(path("a"), "[config]\ntotal=1\n");
    writeFile(path("b"), "[config]\ntotal=2\n");
    QVERIFY(!lib->rename("a", "b"));
    QCOMPARE(lib->lines("a").size(), 1);
    QCOMPARE(lib->lines("b").size(), 2);
}

void tst_MacroLibrary::renameMovesFile()
{
    const QString name = lib->create();
    QVERIFY(lib->rename(name, "Jump"));
    QCOMPARE(lib->names(), QStringList({ "Jump.bin" }));
    QVERIFY(!lib->rename("missing", "other"));
    QCOMPARE(lib->names(), QStringList({ "Jump.bin" }));
}

void tst_MacroLibrary::unsafeNamesNeverReachTheDisk_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("climbs out") << "../escape";
    QTest::newRow("slash") << "sub/name";
    QTest::newRow("backslash") << "sub\\name";
    QTest::newRow("absolute") << "/tmp/name";
    QTest::newRow("nul") << QString("a") + QChar(0) + "b";
}

void tst_MacroLibrary::unsafeNamesNeverReachTheDisk()
{
    QFETCH(QString, name);
    const QString existing = lib->create();
    // A file that ".." or "../escape" would reach if names were used as paths.
    writeFile(tmp->filePath("macro/escape.bin"), "[config]\ntotal=1\n");
    writeFile(tmp->filePath("macro/..bin"), "[config]\ntotal=1\n");
    const QStringList before = QDir(tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    QVERIFY(!lib->exists(name));
    QVERIFY(lib->filePath(name).isEmpty());
    QVERIFY(lib->lines(name).isEmpty());
    QVERIFY(!lib->saveLines(name, { "A    [Down]" }));
    QVERIFY(lib->config(name).isEmpty());
    QVERIFY(!lib->setConfig(name, { 1, 1 }));
    QVERIFY(!lib->remove(name));
    QVERIFY(!lib->rename(existing, name));
    QVERIFY(!lib->rename(name, "fine"));
    QVERIFY(!lib->importFrom(name, path(existing)));
    QVERIFY(!lib->exportTo(name, tmp->filePath("out.mc")));

    QCOMPARE(lib->names(), QStringList({ existing + ".bin" }));
    QCOMPARE(QDir(tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(QFile::exists(tmp->filePath("macro/escape.bin")));
    QVERIFY(QFile::exists(tmp->filePath("macro/..bin")));
}

void tst_MacroLibrary::importReplacesOnlyAfterCompleteCopy()
{
    const QString name = lib->create();
    QVERIFY(lib->saveLines(name, { "A    [Down]" }));
    const QByteArray original = [&] {
        QFile f(path(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    writeFile(tmp->filePath("picked.mc"), "[config]\ntotal=1\n[macro]\n0=B    [Down]\n");
    QVERIFY(lib->importFrom(name, tmp->filePath("picked.mc")));
    QCOMPARE(lib->lines(name), QStringList({ "B    [Down]" }));

    // A source that cannot be read (a folder, a missing file) leaves the macro as it was.
    writeFile(path(name), original);
    QDir().mkpath(tmp->filePath("folder.mc"));
    QVERIFY(!lib->importFrom(name, tmp->filePath("folder.mc")));
    QVERIFY(!lib->importFrom(name, tmp->filePath("gone.mc")));
    QVERIFY(!lib->importFrom(name, QString()));
    QCOMPARE(lib->lines(name), QStringList({ "A    [Down]" }));
    QCOMPARE(QDir(lib->folder()).entryList(QDir::Files | QDir::Hidden), QStringList({ name + ".bin" }));
}

void tst_MacroLibrary::importOfMissingMacroCopiesNothing()
{
    writeFile(tmp->filePath("picked.mc"), "[config]\ntotal=0\n");
    QVERIFY(!lib->importFrom("missing", tmp->filePath("picked.mc")));
    QVERIFY(!QFile::exists(path("missing")));
}

void tst_MacroLibrary::exportReplacesTargetAndKeepsItOnFailure()
{
    const QString name = lib->create();
    QVERIFY(lib->saveLines(name, { "A    [Down]" }));
    const QString target = tmp->filePath("out.mc");
    writeFile(target, "older export");
    QVERIFY(lib->exportTo(name, target));
    QFile exported(target), source(path(name));
    QVERIFY(exported.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), source.readAll());

    // Exporting a macro that is gone leaves the earlier export in place.
    QVERIFY(lib->remove(name));
    QVERIFY(!lib->exportTo(name, target));
    QVERIFY(QFile::exists(target));
    // A target that is a folder is left alone.
    const QString other = lib->create();
    QDir().mkpath(tmp->filePath("dir.mc"));
    QVERIFY(!lib->exportTo(other, tmp->filePath("dir.mc")));
    QVERIFY(QFileInfo(tmp->filePath("dir.mc")).isDir());
}

void tst_MacroLibrary::deleteRemovesOnlyExistingFile()
{
    const QString name = lib->create();
    QVERIFY(lib->remove(name));
    QVERIFY(!lib->remove(name));
    QVERIFY(lib->names().isEmpty());
}

QTEST_GUILESS_MAIN(tst_MacroLibrary)
#include "tst_macrolibrary.moc"
