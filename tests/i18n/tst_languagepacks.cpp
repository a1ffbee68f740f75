#include "i18n/languagepacks.h"
#include "i18n/qt4locale.h"
#include "testsupport.h"

#include <QTest>

class tst_LanguagePacks : public QObject {
    Q_OBJECT

    void writePack(const QString& code, const QByteArray& content)
    {
        QVERIFY(work->write("i18n/lang_" + code + ".ini", content));
    }
    std::unique_ptr<testsupport::WorkDir> work;
    std::unique_ptr<LanguagePacks> packs;

private slots:
    void init()
    {
        work = std::make_unique<testsupport::WorkDir>();
        QDir(work->path()).mkdir("i18n");
        packs = std::make_unique<LanguagePacks>(work->filePath("i18n") + '/');
    }
    void cleanup()
    {
        packs.reset();
        work.reset();
    }
    void displayName_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        const QString unnamed = Qt4Locale::languageName(0).toUpper();
        QTest::newRow("own language and country") << "042206"
                                                  << "Deutsch (Schweiz)";
        QTest::newRow("capital in its own script") << "037000" << QString::fromUtf8("Français");
        QTest::newRow("script, not country") << "025208" << QString::fromUtf8("繁體中文");
        QTest::newRow("old number, not the Qt 6 one") << "075000"
                                                      << "Malagasy"; // 75 is English in Qt 6
        QTest::newRow("language part not a number") << "abc000" << unnamed;
    }
    void displayName()
    {
        QFETCH(QString, code);
        QTEST(LanguagePacks::displayName(code), "name");
    }
    void available_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("chosen");
        QTest::newRow("ordered by display name")
            << QStringList { "031000", "025208", "025044" }
            << QStringList { "English", QString::fromUtf8("简体中文"), QString::fromUtf8("繁體中文") }
            << QStringList { "031000", "025044", "025208" };
        QTest::newRow("later duplicate name wins")
            << QStringList { "031000", "031xyz" } << QStringList { "English" } << QStringList { "031xyz" };
    }
    void available()
    {
        QFETCH(QStringList, codes);
        for (const QString& code : codes)
            writePack(code, "[font]\nfamily=Arial\n");
        QVERIFY(work->write("i18n/readme.txt", ""));
        // Offered only where read() opens them: not another case, not a name too short for a code.
        QVERIFY(work->write("i18n/LANG_042206.INI", "[font]\nfamily=Arial\n"));
        QVERIFY(work->write("i18n/lang_1.ini", "[font]\nfamily=Arial\n"));
        const QVariantMap map = packs->available();
        QTEST(map.keys(), "names");
        QStringList chosen;
        for (const QVariant& code : map)
            chosen << code.toString();
        QTEST(chosen, "chosen");
        QVERIFY2(
            LanguagePacks(work->filePath("none") + '/').available().isEmpty(), "a missing folder has packs");
    }
    void strings_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        const QByteArray head = "[font]\nfamily=Sans\n";
        QTest::newRow("total 0") << head + "total=0\n[strings]\n1=ONE\n" << QStringList { "Sans" };
        QTest::newRow("gap reads empty") << head + "total=3\n[strings]\n1=ONE\n3=THREE\n"
                                         << QStringList { "Sans", "ONE", "", "THREE" };
        QTest::newRow("UTF-8 text") << head + "total=1\n[strings]\n1=\xe9\x80\x89\xe9\xa1\xb9\n"
                                    << QStringList { "Sans", QString::fromUtf8("\xe9\x80\x89\xe9\xa1\xb9") };
    }
    void strings()
    {
        QFETCH(QByteArray, content);
        writePack("031000", content);
        QTEST(packs->read("031000").strings, "expected");
    }
    void messagesAndButtonNamesAlwaysFullLength()
    {
        writePack("031000",
            "[font]\ntotal=2000000000\n[msg]\n2=IMAGE\n[Z4_4E2B9D1]\n0=LEFT\n14=LAST BUT ONE\n15=\n");
        const LanguagePack pack = packs->read("031000");
        QCOMPARE(pack.strings.size(), LanguagePacks::kMaxStrings + 1);
        QCOMPARE(
            pack.messages, QStringList({ "", "", "IMAGE" }) + QStringList(LanguagePacks::kMessageCount - 3));
        QCOMPARE(pack.buttonNames.size(), 16);
        QCOMPARE(pack.buttonNames.first(), "LEFT");
        QCOMPARE(pack.buttonNames.at(14), "LAST BUT ONE");
    }
    void missingOrUnsafePackReadsEmpty_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("missing") << "059000";
        QTest::newRow("slash") << "x/../../outside";
        QTest::newRow("backslash") << "x\\outside";
        QTest::newRow("nul") << QString("031000") + QChar(0);
        QTest::newRow("FIFO") << "042000";
    }
    void missingOrUnsafePackReadsEmpty()
    {
        QFETCH(QString, code);
        // The files a path-following reader of these codes would open.
        QVERIFY(work->write("outside.ini", "[font]\nfamily=Leaked\ntotal=1\n"));
        QVERIFY(work->write("i18n/lang_x/placeholder", ""));
        writePack("031000", "[font]\nfamily=Leaked\ntotal=1\n");
        QVERIFY(testsupport::plantUnreadable(work->filePath("i18n/lang_042000.ini"), "fifo"));
        const LanguagePack pack = packs->read(code);
        QCOMPARE(pack.strings, QStringList({ "" }));
        QCOMPARE(pack.messages, QStringList(LanguagePacks::kMessageCount));
        QCOMPARE(pack.buttonNames, QStringList(16));
        QVERIFY2(!QFile::exists(work->filePath("i18n/lang_059000.ini")), "reading a missing pack created it");
    }
};

QTEST_GUILESS_MAIN(tst_LanguagePacks)
#include "tst_languagepacks.moc"
