// What the IPC routes make of the bytes they read: whole, split, broken or hostile input.
#include "focus/wayland/hyprlandsource.h"
#include "focus/wayland/swaysource.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TstWaylandParsers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<FocusInfo>(); }

    // --- sway: i3-ipc framing ---
    void swayFraming_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("take");
        QTest::addColumn<int>("left");
        const QByteArray one = i3ipc::frame(i3ipc::WindowEvent, "{}");
        QByteArray huge = i3ipc::frame(1, {});
        huge[6] = char(0xff), huge[7] = char(0xff), huge[8] = char(0xff), huge[9] = char(0x7f);
        QTest::newRow("nothing yet") << QByteArray() << int(i3ipc::Take::NeedMore) << 0;
        QTest::newRow("part of the magic") << QByteArray("i3-") << int(i3ipc::Take::NeedMore) << 3;
        QTest::newRow("header only") << one.left(14) << int(i3ipc::Take::NeedMore) << 14;
        QTest::newRow("payload cut short") << one.chopped(1) << int(i3ipc::Take::NeedMore) << one.size() - 1;
        QTest::newRow("whole") << one << int(i3ipc::Take::Message) << 0;
        QTest::newRow("two at once") << one + one << int(i3ipc::Take::Message) << one.size();
        QTest::newRow("not IPC") << QByteArray("HTTP/1.1 200 OK\r\n") << int(i3ipc::Take::Broken) << 17;
        QTest::newRow("short garbage") << QByteArray("xyz") << int(i3ipc::Take::Broken) << 3;
        QTest::newRow("absurd length") << huge << int(i3ipc::Take::Broken) << huge.size();
    }
    void swayFraming()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, take);
        QFETCH(int, left);
        i3ipc::Message m;
        QCOMPARE(int(i3ipc::take(bytes, m)), take);
        QCOMPARE(bytes.size(), left);
        if (take == int(i3ipc::Take::Message))
            QCOMPARE(m.payload, QByteArray("{}"));
    }

    // --- sway: window events ---
    void swayEvents_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("relevant");
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("instance");
        QTest::addColumn<QString>("steam");
        QTest::newRow("Wayland window")
            << QByteArray(R"({"change":"focus","container":{"app_id":"foot","name":"~","pid":7}})") << true
            << "foot"
            << ""
            << "";
        QTest::newRow("X11 window: class and instance") << QByteArray(
            R"({"change":"focus","container":{"app_id":null,"window_properties":{"class":"XTerm","instance":"xterm"}}})")
                                                        << true << "XTerm"
                                                        << "xterm"
                                                        << "";
        QTest::newRow("Proton game") << QByteArray(
            R"({"change":"focus","container":{"window_properties":{"class":"steam_app_570"}}})")
                                     << true << "steam_app_570"
                                     << ""
                                     << "570";
        QTest::newRow("not a Steam id")
            << QByteArray(R"({"change":"focus","container":{"app_id":"steam_app_x1"}})") << true
            << "steam_app_x1"
            << ""
            << "";
        QTest::newRow("focused window's title")
            << QByteArray(R"({"change":"title","container":{"app_id":"game","focused":true}})") << true
            << "game"
            << ""
            << "";
        QTest::newRow("title of a window behind")
            << QByteArray(R"({"change":"title","container":{"app_id":"game","focused":false}})") << false
            << ""
            << ""
            << "";
        QTest::newRow("focused window closes")
            << QByteArray(R"({"change":"close","container":{"app_id":"game","focused":true}})") << true << ""
            << ""
            << "";
        QTest::newRow("new window") << QByteArray(R"({"change":"new","container":{"app_id":"foot"}})")
                                    << false << ""
                                    << ""
                                    << "";
        QTest::newRow("focus on no window")
            << QByteArray(R"({"change":"focus","container":{"type":"workspace"}})") << false << ""
            << ""
            << "";
        QTest::newRow("not JSON") << QByteArray("\xff{[") << false << ""
                                  << ""
                                  << "";
        QTest::newRow("container of the wrong type")
            << QByteArray(R"({"change":"focus","container":[1,2]})") << false << ""
            << ""
            << "";
    }
    void swayEvents()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, relevant);
        FocusInfo info;
        QCOMPARE(i3ipc::focusFromWindowEvent(json, info), relevant);
        if (!relevant)
            return;
        QTEST(info.appId, "appId");
        QTEST(info.instance, "instance");
        QTEST(info.steamAppId, "steam");
        QCOMPARE(info.source, QStringLiteral("sway"));
    }

    // --- Hyprland: event lines ---
    void hyprlandLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("relevant");
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << QByteArray("activewindow>>kitty,htop") << true << "kitty"
                               << "htop";
        QTest::newRow("commas in the title")
            << QByteArray("activewindow>>firefox,Mail, news, more") << true << "firefox"
            << "Mail, news, more";
        QTest::newRow("no window") << QByteArray("activewindow>>,") << true << ""
                                   << "";
        QTest::newRow("no comma at all") << QByteArray("activewindow>>kitty") << true << "kitty"
                                         << "";
        QTest::newRow("v2 address line") << QByteArray("activewindowv2>>5f3a10") << false << ""
                                         << "";
        QTest::newRow("other event") << QByteArray("workspace>>2") << false << ""
                                     << "";
        QTest::newRow("empty") << QByteArray() << false << ""
                               << "";
        QTest::newRow("invalid UTF-8") << QByteArray("activewindow>>\xff\xfe,\xc3") << true << "\ufffd\ufffd"
                                       << "\ufffd";
    }
    void hyprlandLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, relevant);
        FocusInfo info;
        QCOMPARE(parseHyprlandEvent(line, info), relevant);
        if (!relevant)
            return;
        QTEST(info.appId, "appId");
        QTEST(info.title, "title");
        QCOMPARE(info.none(), info.appId.isEmpty());
    }

    // --- Hyprland: the socket closes (reload, restart) and the source comes back ---
    void hyprlandReconnects()
    {
        QTemporaryDir dir;
        QLocalServer server;
        QVERIFY(server.listen(dir.filePath(QStringLiteral(".socket2.sock"))));
        HyprlandSource source(nullptr, server.fullServerName());
        QSignalSpy seen(&source, &FocusSource::focusChanged);
        QSignalSpy lost(&source, &FocusSource::lost);
        QVERIFY(source.start());
        QVERIFY(server.waitForNewConnection(2000));
        QLocalSocket* first = server.nextPendingConnection();
        // Recorded lines, one of them split across two writes.
        first->write("workspace>>1\nactivewindow>>kitty,ht");
        first->flush();
        QTest::qWait(50);
        first->write("op\nactivewindowv2>>55d0\n");
        QTRY_COMPARE(seen.size(), 1);
        QCOMPARE(seen.last().at(0).value<FocusInfo>().title, QStringLiteral("htop"));
        first->disconnectFromServer();
        QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingConnections() || server.waitForNewConnection(100), 5000);
        QLocalSocket* second = server.nextPendingConnection();
        second->write("activewindow>>steam_app_570,Dota 2\n");
        QTRY_COMPARE(seen.size(), 2);
        QCOMPARE(seen.last().at(0).value<FocusInfo>().steamAppId, QStringLiteral("570"));
        QCOMPARE(lost.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TstWaylandParsers)
#include "tst_waylandparsers.moc"
