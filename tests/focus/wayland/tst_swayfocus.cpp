// Both sway routes against a real headless sway (started by with-sway.sh) with two Wayland
// windows and one X11 window; focus is moved by swaymsg, as a person's key press would.
#include "focus/wayland/swaysource.h"
#include "focus/wayland/wlrtoplevelsource.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TstSwayFocus : public QObject {
    Q_OBJECT

    static QByteArray swaymsg(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral("swaymsg"), args);
        p.waitForFinished(5000);
        return p.readAllStandardOutput();
    }
    static void focus(const QString& criteria) { swaymsg({ criteria + QStringLiteral(" focus") }); }

    static std::unique_ptr<FocusSource> make(const QString& route)
    {
        if (route == QLatin1String("ipc"))
            return std::make_unique<SwaySource>();
        return std::make_unique<WlrToplevelSource>();
    }

    // The newest report in spy, waiting up to 5 s for one naming appId.
    static FocusInfo waitFor(QSignalSpy& spy, const QString& appId)
    {
        const QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            if (!spy.isEmpty()) {
                const auto info = spy.last().at(0).value<FocusInfo>();
                if (info.appId == appId)
                    return info;
            }
            spy.wait(100);
        }
        return {};
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<FocusInfo>();
        if (qEnvironmentVariableIsEmpty("SWAYSOCK"))
            QSKIP("needs the headless sway of with-sway.sh");
        swaymsg(
            { QStringLiteral("exec foot -a z4alpha sleep 300; exec foot -a z4beta sleep 300; exec xlogo") });
        const QDeadlineTimer deadline(20000);
        QByteArray tree;
        while (!deadline.hasExpired()) {
            tree = swaymsg({ QStringLiteral("-t"), QStringLiteral("get_tree") });
            if (tree.contains("\"z4alpha\"") && tree.contains("\"z4beta\"") && tree.contains("\"XLogo\""))
                return;
            QTest::qWait(100);
        }
        QFAIL("the three windows did not appear");
    }

    void focusReachesEachRoute_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("instance");
        for (const char* route : { "ipc", "wlr" }) {
            const bool ipc = route == QByteArray("ipc");
            QTest::addRow("%s: Wayland window", route) << route << "[app_id=z4alpha]"
                                                       << "z4alpha"
                                                       << "";
            QTest::addRow("%s: another one", route) << route << "[app_id=z4beta]"
                                                    << "z4beta"
                                                    << "";
            // sway's foreign-toplevel app_id of an X11 window is its class; only IPC has the instance.
            QTest::addRow("%s: X11 window", route) << route << "[class=XLogo]"
                                                   << "XLogo" << (ipc ? "xlogo" : "");
        }
    }

    void focusReachesEachRoute()
    {
        QFETCH(QString, route);
        QFETCH(QString, criteria);
        QFETCH(QString, appId);
        QFETCH(QString, instance);
        // Start from another window, so that the focus really moves.
        focus(appId == QLatin1String("z4beta") ? QStringLiteral("[app_id=z4alpha]")
                                               : QStringLiteral("[app_id=z4beta]"));
        const auto source = make(route);
        QSignalSpy spy(source.get(), &FocusSource::focusChanged);
        QVERIFY2(source->start(), qPrintable(source->why()));
        QElapsedTimer clock;
        clock.start();
        focus(criteria);
        const FocusInfo info = waitFor(spy, appId);
        QCOMPARE(info.appId, appId);
        QCOMPARE(info.instance, instance);
        QCOMPARE(info.source, source->name());
        QVERIFY(!info.title.isEmpty());
        if (route == QLatin1String("ipc"))
            QVERIFY(info.pid > 0);
        qInfo("%s: focus reported %lld ms after swaymsg started", qPrintable(route), clock.elapsed());
    }

    // Last: sway ends, and each route says so once instead of spinning on a closed socket.
    void compositorEndIsReported()
    {
        SwaySource ipc;
        WlrToplevelSource wlr;
        QSignalSpy ipcLost(&ipc, &FocusSource::lost);
        QSignalSpy wlrLost(&wlr, &FocusSource::lost);
        QVERIFY(ipc.start());
        QVERIFY(wlr.start());
        swaymsg({ QStringLiteral("exit") });
        QTRY_COMPARE_WITH_TIMEOUT(ipcLost.size(), 1, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(wlrLost.size(), 1, 5000);
        QTest::qWait(200);
        QCOMPARE(ipcLost.size() + wlrLost.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TstSwayFocus)
#include "tst_swayfocus.moc"
