#include "switcher/rules.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The rules file: what a hand-written file means, bad lines named and skipped, and edits that
// keep what the person wrote.
class TestRules : public QObject {
    Q_OBJECT

    static QString read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rules");
        QTest::addColumn<int>("base");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("badLines");
        QTest::newRow("empty") << "" << 0 << 0 << false << "";
        QTest::newRow("full")
            << "# mine\n[switch]\nbase = 2\npause = on\n[rules]\nfirefox = 1 title=You Tube\n"
               "steam_app_730=3\ncode = 4 exe=code-oss title=a=b\n"
            << 3 << 2 << true << "";
        QTest::newRow("base none") << "[switch]\nbase = None" << 0 << 0 << false << "";
        QTest::newRow("profile out of range")
            << "[rules]\na = 0\nb = 6\nc = x\nd = 1" << 1 << 0 << false << "2,3,4";
        QTest::newRow("no profile, no value") << "[rules]\na =\nb\n= 3" << 0 << 0 << false << "2,3,4";
        QTest::newRow("bad regex, empty title")
            << "[rules]\na = 1 title=(\nb = 1 title=" << 0 << 0 << false << "2,3";
        QTest::newRow("stray words") << "[rules]\na = 1 fast\nb = 1 exe=x exe=y\nc = 1 exe=" << 0 << 0
                                     << false << "2,3,4";
        QTest::newRow("bad settings") << "[switch]\nbase = 7\npause = maybe\ncolour = red\n[other]\nx=1" << 0
                                      << 0 << false << "2,3,4,5,6";
        QTest::newRow("before a section") << "a = 1\n[rules\n" << 0 << 0 << false << "1,2";
        QTest::newRow("CRLF and binary")
            << QString::fromLatin1("[rules]\r\na = 2\r\n\x01\x02\xff\r\n") << 1 << 0 << false << "3";
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, rules);
        QFETCH(int, base);
        QFETCH(bool, paused);
        QFETCH(QString, badLines);
        const RuleSet set = parseRules(text);
        QCOMPARE(set.rules.size(), rules);
        QCOMPARE(set.base, base);
        QCOMPARE(set.paused, paused);
        QStringList lines;
        for (const QString& problem : set.problems)
            lines << problem.section(QLatin1Char(':'), 0, 0).mid(5);
        QCOMPARE(lines.join(QLatin1Char(',')), badLines);
    }

    void ruleFields()
    {
        const RuleSet set = parseRules("[rules]\ncode = 4 exe=code-oss title=a=b c\n");
        QCOMPARE(set.rules.size(), 1);
        const Rule& rule = set.rules.first();
        QCOMPARE(rule.match, QStringLiteral("code"));
        QCOMPARE(rule.profile, 4);
        QCOMPARE(rule.exe, QStringLiteral("code-oss"));
        QCOMPARE(rule.title.pattern(), QStringLiteral("a=b c"));
        QCOMPARE(rule.line, 2);
    }

    // Edits go into the hand-written file without losing its comments, order or bad lines.
    void edits()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/switch.ini");
        RulesFile file(path);
        QVERIFY(file.add("Firefox", 2, {}, "You.*be").isEmpty());
        QVERIFY(file.setBase(1).isEmpty());
        QVERIFY(file.setPaused(true).isEmpty());
        QVERIFY(!file.add("x=y", 2, {}, {}).isEmpty());
        QVERIFY(!file.add("[x]", 2, {}, {}).isEmpty());
        QVERIFY(!file.add("a", 2, "two words", {}).isEmpty());
        QVERIFY(!file.add("a", 2, {}, "(").isEmpty());
        QFile hand(path);
        QVERIFY(hand.open(QIODevice::Append));
        hand.write("# my games\nbad line\ngame = 3\n");
        hand.close();
        RulesFile again(path);
        QVERIFY(again.add("steam_app_730", 4, {}, {}).isEmpty());
        QVERIFY(again.remove(1).isEmpty());
        QVERIFY(!again.remove(3).isEmpty());
        QVERIFY(again.setBase(0).isEmpty());
        QCOMPARE(read(path),
            QStringLiteral("[switch]\npause = true\nbase = none\n\n[rules]\n# my games\nbad line\ngame = 3\n"
                           "steam_app_730 = 4\n"));
        const RuleSet set = RulesFile(path).rules();
        QCOMPARE(set.rules.size(), 2);
        QCOMPARE(set.problems.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
