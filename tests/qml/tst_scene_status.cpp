// The mouse's status in the top bar, its permission help, and the question about edits made
// while the mouse was away.
#include "core/accessrule.h"
#include "scenefixture.h"

#include <QSettings>

class TestSceneStatus : public QObject {
    Q_OBJECT
    static Widget* host(SceneFixture& fx) { return qobject_cast<Widget*>(fx.view()->window()); }
    static QString status(SceneFixture& fx) { return fx.value("deviceStatus_text", "text").toString(); }

private slots:
    // Each state at start, then after a plug, unplug or new access as a device change reports it.
    void statusFollowsTheMouse_data()
    {
        QTest::addColumn<int>("arrange");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("connected, unplugged") << 0 << "CONNECTED"
                                              << "NOT CONNECTED";
        QTest::newRow("absent, plugged") << 1 << "NOT CONNECTED"
                                         << "CONNECTED";
        QTest::newRow("refused, then allowed") << 2 << "NO PERMISSION"
                                               << "CONNECTED";
    }
    void statusFollowsTheMouse()
    {
        QFETCH(int, arrange);
        QFETCH(QString, before);
        QFETCH(QString, after);
        SceneFixture fx;
        QVERIFY(fx.start([arrange] {
            arrange == 1 ? sim::unplug() : arrange == 2 ? sim::failCall(sim::Op::Open) : void();
        }));
        QTRY_COMPARE(status(fx), before);
        const QString detail = fx.value("deviceStatus_detail", "text").toString();
        QCOMPARE(detail, arrange == 0 ? QStringLiteral("Z4 Gaming Mouse  v1.05") : QString());
        QVERIFY(fx.click("deviceStatus"));
        QTRY_COMPARE(fx.value("permissionPanel", "visible").toBool(), arrange == 2);
        if (arrange == 2) {
            QCOMPARE(fx.value("permission_device", "text").toString(), "sim/hidraw0 — Permission denied");
            // A command that needs no file of a build or a package, whatever the rule's state here.
            const QString command
                = accessrule::installCommand(accessrule::ruleLines(loadCatalogue(":/DevInfo.ini", {})));
            QCOMPARE(fx.value("permission_command", "text").toString(),
                accessrule::installed() ? QString() : command);
        }
        arrange == 0 ? sim::unplug() : sim::plug();
        host(fx)->deviceChanged();
        QTRY_COMPARE_WITH_TIMEOUT(status(fx), after, 3000);
        QVERIFY(!fx.value("permissionPanel", "visible").toBool());
    }

    // With the package's rule in place a command would change nothing: replugging is the advice.
    void installedRuleAsksForReplug_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("rule missing") << false;
        QTest::newRow("rule installed") << true;
    }
    void installedRuleAsksForReplug()
    {
        QFETCH(bool, installed);
        SceneFixture fx;
        QVERIFY(fx.start());
        fx.view()->setDeviceStatus({ { "state", 1 }, { "path", "sim/hidraw0" }, { "reason", "Permission denied" },
            { "command", "printf x | sudo tee y" }, { "ruleInstalled", installed } });
        QTRY_COMPARE(status(fx), "NO PERMISSION");
        QVERIFY(fx.click("deviceStatus"));
        QTRY_VERIFY(fx.value("permissionPanel", "visible").toBool());
        QCOMPARE(fx.item("permission_command")->isVisible(), !installed);
        QCOMPARE(fx.item("permission_copy")->isVisible(), !installed);
        const QStringList strings = fx.root()->property("globalSetting_stringList").toStringList();
        QCOMPARE(fx.value("permission_advice", "text").toString(), strings.value(installed ? 150 : 127));
        QVERIFY(!strings.value(150).isEmpty());
    }

    // Edits without the mouse, then the mouse: asked before anything is read; the answer settles.
    void editsMadeAwayAreSettled_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArray>("sent");
        // The read then finds the factory profile 0 and switches the mouse to the one shown (02).
        QTest::newRow("write") << "settle_write" << QByteArray("\x82\x0C\x04\x03\x82\x02");
        QTest::newRow("keep") << "settle_keep" << QByteArray("\x82\x82\x02");
        QTest::newRow("unanswered") << QString() << QByteArray();
    }
    void editsMadeAwayAreSettled()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, sent);
        SceneFixture fx;
        QVERIFY(fx.start(sim::unplug));
        const int edited = fx.view()->profileStore().curProfile();
        fx.view()->z4_03H_SetReportRate(2);
        fx.view()->z4_0CH_SetRGBLedEffect(3, 200, 4);
        sim::plug();
        host(fx)->deviceChanged();
        QTRY_VERIFY_WITH_TIMEOUT(fx.value("settleQuestion", "visible").toBool(), 3000);
        QCOMPARE(fx.commandCodes(), QByteArray("\x01\x80", 2)); // set-up and version, no read yet
        sim::clearWire();
        if (!answer.isEmpty())
            QVERIFY(fx.click(answer));
        const QByteArray codes = fx.commandCodes();
        QCOMPARE(codes.left(sent.isEmpty() ? codes.size() : sent.size()), sent);
        QCOMPARE(std::count_if(codes.begin(), codes.end(), [](char c) { return uchar(c) < 0x80; }),
            std::max<qsizetype>(0, sent.size() - 2)); // setters: only the dirty groups
        QCOMPARE(sim::reportRate(edited) == 2, answer == "settle_write");
        QCOMPARE(fx.view()->profileStore().hasDirty(), answer.isEmpty());
        QCOMPARE(fx.view()->profileStore().file()->value("other_fw/dirty").toStringList().value(edited),
            answer.isEmpty() ? "true" : "false");
    }
};

QTEST_MAIN(TestSceneStatus)
#include "tst_scene_status.moc"
