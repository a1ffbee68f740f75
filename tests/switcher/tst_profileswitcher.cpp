#include "switcher/matching.h"
#include "switcher/profileswitcher.h"

#include <QTest>

// Which rule an application meets, and the decisions after focus settles.
class TestProfileSwitcher : public QObject {
    Q_OBJECT

    static FocusInfo app(const QString& appId, const QString& title = {}, qint64 pid = 0,
        const QString& instance = {}, const QString& steam = {})
    {
        return FocusInfo { appId, instance, title, pid, steam, QStringLiteral("test") };
    }

private slots:
    void matching_data()
    {
        QTest::addColumn<FocusInfo>("info");
        QTest::addColumn<int>("rule");
        QTest::newRow("class without case, title") << app("Firefox", "YouTube - Video") << 0;
        QTest::newRow("class, other title") << app("FIREFOX", "Mail") << 1;
        QTest::newRow("instance") << app("Navigator", "Mail", 0, "firefox") << 1;
        QTest::newRow("steam class") << app("steam_app_730") << 2;
        QTest::newRow("STEAM_GAME") << app("game.exe", {}, 0, {}, "730") << 2;
        QTest::newRow("other steam id") << app("steam_app_7300", {}, 0, {}, "7300") << -1;
        QTest::newRow("exe") << app("Code", {}, 42) << 3;
        QTest::newRow("other exe") << app("Code", {}, 43) << -1;
        QTest::newRow("no pid for exe") << app("Code") << -1;
        QTest::newRow("part of a name") << app("firefox-esr") << -1;
        QTest::newRow("no class") << app({}, "firefox") << -1;
    }
    void matching()
    {
        QFETCH(FocusInfo, info);
        QFETCH(int, rule);
        const RuleSet set = parseRules("[rules]\nfirefox = 1 title=youtube\nfirefox = 2\nsteam_app_730 = 3\n"
                                       "code = 4 exe=code-oss\n");
        QCOMPARE(matchingRule(set, info, [](qint64 pid) { return pid == 42 ? "code-oss" : "other"; }), rule);
    }

    void ignored_data()
    {
        QTest::addColumn<FocusInfo>("info");
        QTest::addColumn<bool>("ignored");
        QTest::newRow("nothing") << FocusInfo {} << true;
        QTest::newRow("title only") << app({}, "x") << true;
        QTest::newRow("plasma") << app("plasmashell") << true;
        QTest::newRow("gnome shell") << app("gnome-shell") << true;
        QTest::newRow("our window") << app("z4config") << true;
        QTest::newRow("our window, wayland id") << app("io.github.z4config") << true;
        QTest::newRow("an application") << app("firefox") << false;
    }
    void ignored()
    {
        QFETCH(FocusInfo, info);
        QFETCH(bool, ignored);
        QCOMPARE(!ignoredBecause(info).isEmpty(), ignored);
    }

    // Events: a alpha (rule P3), A alpha with another title, b beta (base P2), s a Steam game
    // (P4), 0 nothing in front, d the desktop, z our window, | the settle timer fires (when it
    // runs), mN a manual choice of PN, r the mouse comes back, p pause, u resume.
    void decisions_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("selected");
        QTest::newRow("settled focus selects") << "a|"
                                               << "3";
        QTest::newRow("flapping selects once") << "ababab|"
                                               << "2";
        QTest::newRow("same target is not sent again") << "a|A|a|"
                                                       << "3";
        QTest::newRow("base after the rule") << "a|b|"
                                             << "32";
        QTest::newRow("nothing in front keeps it") << "a|0|"
                                                   << "3";
        QTest::newRow("nothing in front cancels a pending focus") << "a|b0|"
                                                                  << "3";
        QTest::newRow("desktop and own window ignored") << "a|d|z|"
                                                        << "3";
        QTest::newRow("manual choice holds in its application") << "a|m5A|"
                                                                << "3";
        QTest::newRow("manual choice ends with the focus") << "a|m5b|a|"
                                                           << "323";
        QTest::newRow("manual choice on the base too") << "b|m5b|a|b|"
                                                       << "232";
        QTest::newRow("manual choice equal to the base") << "a|m2b|a|"
                                                         << "33";
        QTest::newRow("steam game") << "s|"
                                    << "4";
        QTest::newRow("mouse back applies again") << "a|r"
                                                  << "33";
        QTest::newRow("mouse back ends a manual choice") << "a|m5r"
                                                         << "33";
        QTest::newRow("paused, then resumed") << "pa|b|u"
                                              << "2";
        QTest::newRow("no front, nothing") << "|r"
                                           << "";
    }
    void decisions()
    {
        QFETCH(QString, events);
        QFETCH(QString, selected);
        ProfileSwitcher switcher;
        RuleSet rules = parseRules("[switch]\nbase = 2\n[rules]\nalpha = 3\nsteam_app_730 = 4\n");
        switcher.setRules(rules);
        QString sent;
        connect(&switcher, &ProfileSwitcher::selectRequested, this, [&](int profile) {
            sent += QString::number(profile);
            switcher.selectionDone(profile, true);
        });
        for (qsizetype i = 0; i < events.size(); ++i) {
            switch (events.at(i).toLatin1()) {
            case 'a':
                switcher.focus(app("Alpha", "one"));
                break;
            case 'A':
                switcher.focus(app("Alpha", "two"));
                break;
            case 'b':
                switcher.focus(app("Beta"));
                break;
            case 's':
                switcher.focus(app("hl2_linux", {}, 0, {}, "730"));
                break;
            case '0':
                switcher.focus(FocusInfo {});
                break;
            case 'd':
                switcher.focus(app("xfdesktop"));
                break;
            case 'z':
                switcher.focus(app("z4config"));
                break;
            case '|':
                if (switcher.pending())
                    switcher.settle();
                break;
            case 'm':
                switcher.manualChoice(events.at(++i).digitValue());
                break;
            case 'r':
                switcher.mouseBack();
                break;
            case 'p':
                rules.paused = true, switcher.setRules(rules);
                break;
            case 'u':
                rules.paused = false, switcher.setRules(rules);
                break;
            }
        }
        QCOMPARE(sent, selected);
    }

    // The timer itself: one decision about 250 ms after the last report.
    void settleTimer()
    {
        ProfileSwitcher switcher;
        switcher.setRules(parseRules("[rules]\nalpha = 3\n"));
        int sent = 0;
        connect(&switcher, &ProfileSwitcher::selectRequested, this, [&] { ++sent; });
        switcher.focus(app("Alpha"));
        QTest::qWait(ProfileSwitcher::kSettleMs / 2);
        switcher.focus(app("Alpha", "again"));
        QTest::qWait(ProfileSwitcher::kSettleMs / 2);
        QCOMPARE(sent, 0);
        QTRY_COMPARE_WITH_TIMEOUT(sent, 1, 1000);
    }
};

QTEST_GUILESS_MAIN(TestProfileSwitcher)
#include "tst_profileswitcher.moc"
