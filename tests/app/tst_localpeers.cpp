#include "app/changenotices.h"
#include "app/singleinstance.h"
#include "system/copydatamessage.h"
#include "system/copydataserver.h"
#include "system/inputhook.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
QByteArray frame(quint32 dwData, quint32 cbData, const QByteArray& payload)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(dwData, bytes.data());
    qToLittleEndian(cbData, bytes.data() + 4);
    return bytes + payload;
}

// Sends the message and lets the server (on this thread) take it; true once it arrived.
bool delivered(const QString& name, const QByteArray& message, const QSignalSpy& spy)
{
    QLocalSocket client;
    client.connectToServer(name);
    const qsizetype before = spy.size();
    if (!client.waitForConnected(500) || client.write(message) != message.size() || !client.flush())
        return false;
    return QTest::qWaitFor([&] { return spy.size() > before; }, 1500);
}

} // namespace

// The program's contact with other local processes: a second instance and copy-data senders.
class tst_LocalPeers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void secondInstanceSeesTheFirstUntilItEnds();
    void staleLockOfACrashedInstanceIsTakenOver();
    void namesInTheSharedTemporaryFolderAreNotUsed();
    void unusableRuntimeFolderGivesWayToAPrivateOne_data();
    void unusableRuntimeFolderGivesWayToAPrivateOne();
    void warningText_data();
    void warningText();
    void serverHandsOverFrames_data();
    void serverHandsOverFrames();
    void senderIsLetGoBeforeTheBox();
    void oneWarningAtATimeAsPlainText();
    void hostilePeersAreCut_data();
    void hostilePeersAreCut();

private:
    QTemporaryDir sharedTemp; // stands for /tmp, where every user may create names
    QTemporaryDir runtime; // the user's own runtime folder (mode 0700)
    CopyDataServer testServer;
    ChangeNotices notices;
    QString noticeName;
    const QString testName = QStringLiteral("z4-test-copydata-%1").arg(QCoreApplication::applicationPid());
};

void tst_LocalPeers::initTestCase()
{
    qputenv("TMPDIR", sharedTemp.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QVERIFY(testServer.listen(testName));
    noticeName = runtime.filePath(QStringLiteral("notice"));
    QVERIFY(notices.listen(noticeName));
}

void tst_LocalPeers::secondInstanceSeesTheFirstUntilItEnds()
{
    {
        SingleInstance first(QStringLiteral("first"));
        SingleInstance second(QStringLiteral("first"));
        QVERIFY(!first.isRunning());
        QVERIFY(second.isRunning());
    }
    SingleInstance next(QStringLiteral("first"));
    QVERIFY(!next.isRunning());
    // A lock error other than "held by another process" must not let an instance start either.
    QVERIFY2(
        SingleInstance(QStringLiteral("no-such-folder/z4config")).isRunning(), "started without its lock");
}

void tst_LocalPeers::staleLockOfACrashedInstanceIsTakenOver()
{
    QString path;
    {
        SingleInstance probe(QStringLiteral("crashed"));
        path = probe.lockPath();
    }
    // QLockFile's format: pid, application name, host name. No process has this pid.
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("4194303\nz4config\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    SingleInstance next(QStringLiteral("crashed"));
    QVERIFY2(!next.isRunning(), "a lock left by a dead process must not block the next start");
}

// Another user gets to the temporary folder first and leaves, under each name this user might
// pick, something this user cannot remove (a folder with a file in it resists even root).
void tst_LocalPeers::namesInTheSharedTemporaryFolderAreNotUsed()
{
    const QString uid = QString::number(getuid());
    const QString user = qEnvironmentVariable("USER", QStringLiteral("root"));
    for (const QString& taken : QStringList { "z4config.lock", "z4config-" + uid + ".lock",
             "z4config-" + user + ".lock", "z4config-copydata-" + uid, "z4config-copydata-" + user }) {
        QVERIFY(QDir(sharedTemp.path()).mkpath(taken + "/held"));
    }
    SingleInstance instance;
    QVERIFY2(!instance.isRunning(), "names taken by another user stopped the program");
    const QString folder = QFileInfo(instance.lockPath()).path();
    QVERIFY2(folder != sharedTemp.path(), "a name in the shared folder was used");
    CopyDataServer server;
    QVERIFY(server.listen());
    QCOMPARE(QFileInfo(server.fullServerName()).path(), folder);
}

void tst_LocalPeers::unusableRuntimeFolderGivesWayToAPrivateOne_data()
{
    QTest::addColumn<bool>("inherited");
    QTest::newRow("unset (su, ssh)") << false;
    QTest::newRow("another user's") << true;
}

// Another user has also taken the name Qt falls back to in the shared temporary folder.
void tst_LocalPeers::unusableRuntimeFolderGivesWayToAPrivateOne()
{
    QFETCH(bool, inherited);
    const QTemporaryDir foreign;
    const passwd* user = getpwuid(geteuid());
    const QString qtFallback = sharedTemp.filePath(QStringLiteral("runtime-") + (user ? user->pw_name : ""));
    for (const QString& folder : { foreign.path(), qtFallback })
        if (getuid() != 0 || !QDir().mkpath(folder) || chown(qPrintable(folder), 65534, 65534) != 0)
            QSKIP("needs root to hand folders to another user");
    if (inherited)
        qputenv("XDG_RUNTIME_DIR", foreign.path().toLocal8Bit());
    else
        qunsetenv("XDG_RUNTIME_DIR");
    SingleInstance first(QStringLiteral("fallback"));
    SingleInstance second(QStringLiteral("fallback"));
    const QString socket = CopyDataServer::defaultName();
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QDir(qtFallback).removeRecursively();
    QVERIFY2(!first.isRunning() && second.isRunning(), "two instances could run");
    const QFileInfo folder(QFileInfo(first.lockPath()).path());
    QVERIFY2(folder.ownerId() == geteuid() && !(folder.permissions() & 0x77), "not a private folder");
    QCOMPARE(QFileInfo(socket).path(), folder.filePath());
}

void tst_LocalPeers::warningText_data()
{
    QTest::addColumn<quint32>("tag");
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<quint32>("cbData");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");

    const quint32 tag = copyDataWarningTag;
    QTest::newRow("abc, NUL counted") << tag << QByteArray("abc\0", 4) << 4u << false << "";
    QTest::newRow("wrong tag") << 0x2510u << QByteArray("abc") << 3u << false << "";
    QTest::newRow("stops at cbData") << tag << QByteArray("abcdef") << 3u << true << "abc";
    QTest::newRow("NUL inside") << tag << QByteArray("ab\0cd", 5) << 5u << false << "";
    QTest::newRow("two-byte character")
        << tag << QByteArray("\xc3\xbc") << 2u << true << QString(QChar(0xFC));
    QTest::newRow("invalid UTF-8") << tag << QByteArray("a\xff") << 2u << false << "";
    QTest::newRow("empty") << tag << QByteArray() << 0u << true << "";
}

void tst_LocalPeers::warningText()
{
    QFETCH(quint32, tag);
    QFETCH(QByteArray, buffer);
    QFETCH(quint32, cbData);
    QFETCH(bool, shown);
    // A buffer exactly cbData long, so a read past it is caught by the address sanitizer.
    const QByteArray exact = buffer.left(cbData);
    std::unique_ptr<char[]> heap(new char[std::max<quint32>(cbData, 1)]);
    std::copy(exact.cbegin(), exact.cend(), heap.get());
    const std::optional<QString> text = copyDataWarningText(CopyData { tag, cbData, heap.get() });
    QCOMPARE(text.has_value(), shown);
    if (shown)
        QTEST(*text, "text");
}

void tst_LocalPeers::serverHandsOverFrames_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("inPieces");

    QTest::newRow("frame") << frame(0x250F, 3, "abc") << 1 << QByteArray("abc") << false;
    QTest::newRow("frame sent a byte at a time")
        << frame(0x250F, 5, "hello") << 1 << QByteArray("hello") << true;
    QTest::newRow("extra bytes ignored") << frame(7, 2, "hello") << 1 << QByteArray("he") << false;
    QTest::newRow("largest") << frame(
        1, CopyDataServer::maxDataBytes, QByteArray(CopyDataServer::maxDataBytes, 'x'))
                             << 1 << QByteArray(CopyDataServer::maxDataBytes, 'x') << false;
    QTest::newRow("oversized refused")
        << frame(0x250F, CopyDataServer::maxDataBytes + 1, "abc") << 0 << QByteArray() << false;
    // A sender that stops mid-frame is cut off after the frame timeout, not waited for.
    QTest::newRow("half a frame, then silence")
        << frame(0x250F, 5, "hello").left(10) << 0 << QByteArray() << false;
}

void tst_LocalPeers::serverHandsOverFrames()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, frames);
    QFETCH(bool, inPieces);
    QSignalSpy spy(&testServer, &CopyDataServer::received);
    {
        QLocalSocket client;
        client.connectToServer(testName);
        QVERIFY(client.waitForConnected(2000));
        for (qsizetype at = 0; at < bytes.size(); at += inPieces ? 1 : bytes.size()) {
            client.write(bytes.mid(at, inPieces ? 1 : -1));
            QVERIFY(client.waitForBytesWritten(2000));
            if (inPieces)
                QTest::qWait(1); // lets the server read each piece on its own
        }
        // The server closes the connection once it has handed the frame over or refused it.
        QTRY_COMPARE_WITH_TIMEOUT(
            client.state(), QLocalSocket::UnconnectedState, CopyDataServer::frameTimeoutMs + 2000);
    }
    QTRY_COMPARE(spy.size(), frames);
    if (!frames)
        return;
    QCOMPARE(spy.at(0).at(0).value<quintptr>(), quintptr(qFromLittleEndian<quint32>(bytes.constData())));
    QFETCH(QByteArray, payload);
    QCOMPARE(spy.at(0).at(1).toUInt(), uint(payload.size()));
    QCOMPARE(spy.at(0).at(2).toByteArray(), payload);
}

// A box's nested event loop runs while the message is shown; a sender hanging up meanwhile
// (as one that stops waiting does) must not pull the connection from under the server.
void tst_LocalPeers::senderIsLetGoBeforeTheBox()
{
    QLocalSocket sender;
    bool letGo = false, shownAndClosed = false;
    const auto shown = connect(&testServer, &CopyDataServer::received, this, [&] {
        letGo = QTest::qWaitFor([&] { return sender.state() == QLocalSocket::UnconnectedState; }, 1000);
        sender.abort();
        QTest::qWait(200);
        shownAndClosed = true;
    });
    sender.connectToServer(testName);
    QVERIFY(sender.waitForConnected(2000));
    sender.write(frame(0x250F, 2, "hi"));
    QTRY_VERIFY(shownAndClosed);
    disconnect(shown);
    QVERIFY2(letGo, "the sender was kept waiting while the message was shown");
}

// The sender's text is never markup, and a second message while a box is up opens no second box.
void tst_LocalPeers::oneWarningAtATimeAsPlainText()
{
    const QByteArray link = "<a href='https://example.org'>Install the update</a>";
    const CopyData message { copyDataWarningTag, quint32(link.size()), link.constData() };
    int most = 0, ticks = 0;
    bool plain = true;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        QList<QWidget*> up = QApplication::topLevelWidgets();
        up.removeIf([](QWidget* w) { return !qobject_cast<QMessageBox*>(w) || !w->isVisible(); });
        most = std::max(most, int(up.size()));
        for (QWidget* box : up) {
            plain = plain && static_cast<QMessageBox*>(box)->textFormat() == Qt::PlainText;
            if (++ticks > 15)
                box->close();
        }
    });
    watch.start(20);
    QTimer::singleShot(100, this, [&] { showCopyDataWarning(message, QStringLiteral("second")); });
    showCopyDataWarning(message, QStringLiteral("first"));
    QCOMPARE(most, 1);
    QVERIFY2(plain, "the sender's text was shown as rich text");
}

void tst_LocalPeers::hostilePeersAreCut_data()
{
    QTest::addColumn<bool>("notice");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("unfinished"); // never complete
    QTest::newRow("change notices") << true << QByteArray("reread\n") << QByteArray(1 << 20, 'x');
    QTest::newRow("copy data") << false << frame(1, 2, "hi") << frame(1, CopyDataServer::maxDataBytes, "abc");
}

// A stray process must not grow the window's memory, hold its handles or stop its messages:
// a notice longer than a line is cut at once, a silent peer after about a second, a burst of
// connections is held to a few, and a server that accept() failed on listens again.
void tst_LocalPeers::hostilePeersAreCut()
{
    QFETCH(bool, notice);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, unfinished);
    const QString name = notice ? noticeName : testName;
    const QSignalSpy spy(notice ? static_cast<QObject*>(&notices) : &testServer,
        notice ? SIGNAL(changed()) : SIGNAL(received(quintptr, quint32, QByteArray)));
    QLocalSocket silent, endless;
    for (QLocalSocket* peer : { &silent, &endless }) {
        peer->connectToServer(name);
        QVERIFY(peer->waitForConnected(1000));
    }
    endless.write(unfinished);
    QElapsedTimer clock;
    clock.start();
    QTRY_COMPARE_WITH_TIMEOUT(endless.state(), QLocalSocket::UnconnectedState, 2000);
    QVERIFY2(!notice || clock.elapsed() < 800, "a notice longer than a line was kept");
    QTRY_COMPARE_WITH_TIMEOUT(silent.state(), QLocalSocket::UnconnectedState, 2000);

    std::vector<std::unique_ptr<QLocalSocket>> burst(40);
    for (auto& peer : burst) {
        peer = std::make_unique<QLocalSocket>();
        peer->connectToServer(name);
    }
    QTest::qWait(300);
    const auto held = std::count_if(burst.cbegin(), burst.cend(),
        [](const auto& peer) { return peer->state() == QLocalSocket::ConnectedState; });
    QVERIFY2(held <= 8, qPrintable(QStringLiteral("%1 connections held").arg(held)));
    burst.clear();
    QTest::qWait(200); // the server sees them go
    QVERIFY(delivered(name, message, spy));

    // Out of file handles, accept() fails, and Qt closes the server for good and removes its name.
    rlimit saved {};
    QVERIFY(getrlimit(RLIMIT_NOFILE, &saved) == 0);
    rlimit tight = saved;
    tight.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 4096);
    QVERIFY(setrlimit(RLIMIT_NOFILE, &tight) == 0);
    std::vector<int> filler;
    for (int fd; (fd = dup(0)) >= 0;)
        filler.push_back(fd);
    ::close(filler.back()); // room for the client's socket, none for the server's accept()
    filler.pop_back();
    QLocalSocket client;
    client.connectToServer(name);
    QTest::qWait(200);
    for (const int fd : filler)
        ::close(fd);
    QVERIFY(setrlimit(RLIMIT_NOFILE, &saved) == 0);
    client.abort();
    QTRY_VERIFY_WITH_TIMEOUT(delivered(name, message, spy), 4000);
}

QTEST_MAIN(tst_LocalPeers)
#include "tst_localpeers.moc"
