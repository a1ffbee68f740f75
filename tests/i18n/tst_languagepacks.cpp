#include "i18n/languagepacks.h"
#include "i18n/qt4locale.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_LanguagePacks : public QObject {
    Q_OBJECT
private slots:
    void init();
    void displayName_data();
    void displayName();
    void qt4TablesKeepOldNumbers();
    void availableOrdersByDisplayName();
    void laterDuplicateNameWins();
    void missingFolderGivesNoLanguages();
    void strings_data();
    void strings();
    void messagesAndButtonNamesAlwaysFullLength();
    void missingPackReadsEmpty();
    void codeWithPathSeparatorIsMissing_data();
    void codeWithPathSeparatorIsMissing();

private:
    void writePack(const QString& code, const QByteArray& content);
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<LanguagePacks> packs;
};

void tst_LanguagePacks::init()
{
    tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(tmp->isValid());
    QDir(tmp->path()).mkdir("i18n");
    packs = std::make_unique<LanguagePacks>(tmp->filePath("i18n") + '/');
}

void tst_LanguagePacks::writePack(const QString& code, const QByteArray& content)
{
    QFile file(tmp->filePath("i18n/lang_" + code + ".ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void tst_LanguagePacks::displayName_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("English") << "031000"
                             << "ENGLISH";
    QTest::newRow("Chinese for China") << "025044"
                                       << "CHINESE (Simp)";
    QTest::newRow("Chinese for Taiwan") << "025208"
                                        << "CHINESE (Trad)";
    QTest::newRow("other country named") << "042206"
                                         << "GERMAN (SWITZERLAND)";
    QTest::newRow("old number, not the Qt 6 one") << "075000"
                                                  << "MALAGASY"; // 75 is English in Qt 6
    QTest::newRow("language Qt 6 dropped") << "017000"
                                           << "BIHARI";
    QTest::newRow("country part not a number") << "031xyz"
                                               << "ENGLISH";
    QTest::newRow("language part not a number") << "abc000" << Qt4Locale::languageName(0).toUpper();
    QTest::newRow("beyond the old table") << "999000"
                                          << "UNKNOWN";
    QTest::newRow("negative country") << "031-01"
                                      << "ENGLISH (UNKNOWN)";
    QTest::newRow("short code") << "31"
                                << "ENGLISH";
    QTest::newRow("empty code") << "" << Qt4Locale::languageName(0).toUpper();
}

void tst_LanguagePacks::displayName()
{
    QFETCH(QString, code);
    QTEST(LanguagePacks::displayName(code), "name");
}

void tst_LanguagePacks::qt4TablesKeepOldNumbers()
{
    QCOMPARE(Qt4Locale::languageName(370), "Nigerian Pidgin");
    QCOMPARE(Qt4Locale::languageName(Qt4Locale::languageCount()), "Unknown");
    QCOMPARE(Qt4Locale::territoryName(261), "Europe");
    QCOMPARE(Qt4Locale::territoryName(-1), "Unknown");
    QCOMPARE(Qt4Locale::languageCount(), 371);
    QCOMPARE(Qt4Locale::territoryCount(), 262);
}

void tst_LanguagePacks::availableOrdersByDisplayName()
{
    for (const char* code : { "031000", "025208", "025044" })
        writePack(code, "[font]\nfamily=Arial\n");
    QFile(tmp->filePath("i18n/readme.txt")).open(QIODevice::WriteOnly);
    const QVariantMap map = packs->available();
    QCOMPARE(map.keys(), QStringList({ "CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH" }));
    QCOMPARE(map.values(), QVariantList({ "025044", "025208", "031000" }));
}

void tst_LanguagePacks::laterDuplicateNameWins()
{
    writePack("031000", "");
    writePack("031xyz", "");
    const QVariantMap map = packs->available();
    QCOMPARE(map.size(), 1);
    QCOMPARE(map.value("ENGLISH").toString(), "031xyz");
}

void tst_LanguagePacks::missingFolderGivesNoLanguages()
{
    QVERIFY(LanguagePacks(tmp->filePath("none") + '/').available().isEmpty());
}

void tst_LanguagePacks::strings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("total 0") << QByteArray("[font]\nfamily=Sans\ntotal=0\n[strings]\n1=ONE\n")
                             << QStringList { "Sans" };
    QTest::newRow("gap reads empty") << QByteArray(
        "[font]\nfamily=Sans\ntotal=3\n[strings]\n1=ONE\n3=THREE\n")
                                     << QStringList { "Sans", "ONE", "", "THREE" };
    QTest::newRow("strings/0 ignored")
        << QByteArray("[font]\nfamily=Sans\ntotal=1\n[strings]\n0=ZERO\n1=ONE\n")
        << QStringList { "Sans", "ONE" };
    QTest::newRow("negative total") << QByteArray("[font]\nfamily=Sans\ntotal=-4\n")
                                    << QStringList { "Sans" };
    QTest::newRow("total not a number")
        << QByteArray("[font]\nfamily=Sans\ntotal=lots\n") << QStringList { "Sans" };
    QTest::newRow("unquoted comma kept")
        << QByteArray("[font]\nfamily=Sans\ntotal=1\n[strings]\n1=PLAY, PAUSE\n")
        << QStringList { "Sans", "PLAY, PAUSE" };
    QTest::newRow("UTF-8 text") << QByteArray(
        "[font]\nfamily=Noto\ntotal=1\n[strings]\n1=\xe9\x80\x89\xe9\xa1\xb9\n")
                                << QStringList { "Noto", QString::fromUtf8("\xe9\x80\x89\xe9\xa1\xb9") };
}

void tst_LanguagePacks::strings()
{
    QFETCH(QByteArray, content);
    writePack("031000", content);
    QTEST(packs->read("031000").strings, "expected");
}

void tst_LanguagePacks::messagesAndButtonNamesAlwaysFullLength()
{
    writePack(
        "031000", "[font]\ntotal=2000000000\n[msg]\n2=IMAGE\n[Z4_4E2B9D1]\n0=LEFT\n14=LAST BUT ONE\n15=\n");
    const LanguagePack pack = packs->read("031000");
    QCOMPARE(pack.strings.size(), LanguagePacks::kMaxStrings + 1);
    QCOMPARE(pack.messages, QStringList({ "", "", "IMAGE", "", "", "", "" }));
    QCOMPARE(pack.buttonNames.size(), 16);
    QCOMPARE(pack.buttonNames.first(), "LEFT");
    QCOMPARE(pack.buttonNames.at(14), "LAST BUT ONE");
    QCOMPARE(pack.buttonNames.last(), "");
}

void tst_LanguagePacks::missingPackReadsEmpty()
{
    const LanguagePack pack = packs->read("031000");
    QCOMPARE(pack.strings, QStringList({ "" }));
    QCOMPARE(pack.messages, QStringList(7));
    QCOMPARE(pack.buttonNames, QStringList(16));
    QVERIFY(!QFile::exists(tmp->filePath("i18n/lang_031000.ini")));
}

void tst_LanguagePacks::codeWithPathSeparatorIsMissing_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("slash") << "x/../../outside";
    QTest::newRow("backslash") << "x\\outside";
    QTest::newRow("nul") << QString("031000") + QChar(0);
}

void tst_LanguagePacks::codeWithPathSeparatorIsMissing()
{
    QFETCH(QString, code);
    // The file a path-following reader of "lang_x/../../outside.ini" would open.
    QFile outside(tmp->filePath("outside.ini"));
    QVERIFY(outside.open(QIODevice::WriteOnly));
    outside.write("[font]\nfamily=Leaked\ntotal=1\n");
    outside.close();
    QDir(tmp->path()).mkpath("i18n/lang_x");
    QVERIFY(packs->packPath(code).isEmpty());
    const LanguagePack pack = packs->read(code);
    QCOMPARE(pack.strings, QStringList({ "" }));
    QCOMPARE(pack.buttonNames.size(), 16);
}

QTEST_GUILESS_MAIN(tst_LanguagePacks)
#include "tst_languagepacks.moc"
