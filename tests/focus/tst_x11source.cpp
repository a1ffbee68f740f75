#include "focus/x11source.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

// The X11 source on the test's own X server, with openbox keeping _NET_ACTIVE_WINDOW.
class TestX11Source : public QObject {
    Q_OBJECT

    QProcess windowManager;
    QList<QProcess*> windows;

    // Starts a test window and answers its id.
    quint32 open(const QStringList& args)
    {
        auto* window = new QProcess(this);
        windows << window;
        window->start(QStringLiteral(Z4_TESTWINDOW), args);
        if (!window->waitForReadyRead(5000))
            return 0;
        return window->readLine().trimmed().toUInt();
    }

    static void activate(quint32 window)
    {
        QProcess::execute(QStringLiteral("xdotool"), { "windowactivate", QString::number(window) });
    }

private slots:
    void initTestCase()
    {
        windowManager.setProcessChannelMode(QProcess::ForwardedChannels);
        windowManager.start(QStringLiteral("openbox"), { "--sm-disable" });
        QVERIFY2(windowManager.waitForStarted(5000), "openbox must be installed (scripts/packages.txt)");
        // Ready once it announces itself on the root window.
        QTRY_VERIFY_WITH_TIMEOUT(QProcess::execute(QStringLiteral("sh"),
                                     { "-c", "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" })
                == 0,
            20000);
    }

    void cleanup()
    {
        for (QProcess* window : windows) {
            window->kill();
            window->waitForFinished(2000);
        }
        qDeleteAll(windows);
        windows.clear();
    }

    void cleanupTestCase()
    {
        windowManager.terminate();
        windowManager.waitForFinished(3000);
    }

    // What one window tells about itself, parents and window types included.
    void describe_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("withParent");
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("steamAppId");
        QTest::newRow("class") << QStringList { "Alpha", "a" } << false << "Alpha"
                               << "";
        QTest::newRow("STEAM_GAME") << QStringList { "Game", "g", "steam=730" } << false << "Game"
                                    << "730";
        QTest::newRow("steam_app class") << QStringList { "steam_app_440", "t" } << false << "steam_app_440"
                                         << "440";
        QTest::newRow("no class: the transient parent's") << QStringList { "-", "dialog" } << true << "Parent"
                                                          << "";
        QTest::newRow("no class, no parent: nothing") << QStringList { "-", "orphan" } << false << ""
                                                      << "";
        QTest::newRow("dock: nothing") << QStringList { "Panel", "p", "dock" } << false << ""
                                       << "";
    }
    void describe()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, withParent);
        QFETCH(QString, appId);
        QFETCH(QString, steamAppId);
        X11Source source;
        QVERIFY(source.start());
        if (withParent)
            args << QStringLiteral("transient=%1").arg(open({ "Parent", "main" }));
        const quint32 window = open(args);
        QVERIFY(window);
        const FocusInfo info = source.describe(window);
        QCOMPARE(info.appId, appId);
        QCOMPARE(info.steamAppId, steamAppId);
        QCOMPARE(info.none(), appId.isEmpty());
        if (!info.none())
            QVERIFY(info.pid > 0);
    }

    // Activation and the active window's own title changes are reported, each once.
    void followsActiveWindow()
    {
        X11Source source;
        QSignalSpy spy(&source, &FocusSource::focusChanged);
        const auto last = [&spy] { return spy.isEmpty() ? FocusInfo {} : spy.last().at(0).value<FocusInfo>(); };
        QVERIFY(source.start());
        const quint32 a = open({ "Alpha", "first" });
        const quint32 b = open({ "Beta", "second" });
        QVERIFY(a && b);
        activate(a);
        QTRY_COMPARE(last().appId, QStringLiteral("Alpha"));
        activate(b);
        QTRY_COMPARE(last().appId, QStringLiteral("Beta"));
        QCOMPARE(last().title, QStringLiteral("second"));
        QProcess::execute(
            QStringLiteral("xdotool"), { "set_window", "--name", "renamed", QString::number(b) });
        QTRY_COMPARE(last().title, QStringLiteral("renamed"));
        const qsizetype reports = spy.size();
        QTest::qWait(300);
        QCOMPARE(spy.size(), reports);
        // The title of a window no longer in front is not followed.
        activate(a);
        QTRY_COMPARE(last().appId, QStringLiteral("Alpha"));
        QProcess::execute(
            QStringLiteral("xdotool"), { "set_window", "--name", "behind", QString::number(b) });
        QTest::qWait(300);
        QCOMPARE(last().appId, QStringLiteral("Alpha"));
        QCOMPARE(last().source, QStringLiteral("x11"));
    }
};

QTEST_GUILESS_MAIN(TestX11Source)
#include "tst_x11source.moc"
