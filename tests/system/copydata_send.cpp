// Another process sending a copy-data message: connects to the program's socket, writes one
// frame and waits until the program closes the connection, as a synchronous send would.
// Usage: copydata_send <socket> <dwData> <text> [cbData] [wait ms]; a cbData beyond the text
// pads it with NUL bytes (up to 1 MiB), as a sender counting the terminator would.
// Exit status: 0 closed by the program, 2 no connection, 3 still open after the wait.
#include <QCoreApplication>
#include <QLocalSocket>
#include <QtEndian>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 64;
    QByteArray text = args.at(3).toUtf8();
    const quint32 dwData = args.at(2).toUInt(nullptr, 0);
    const quint32 cbData = args.size() > 4 ? args.at(4).toUInt(nullptr, 0) : quint32(text.size());
    const int waitMs = args.size() > 5 ? args.at(5).toInt() : 30000;
    if (cbData > quint32(text.size()))
        text.append(QByteArray(qMin<quint32>(cbData, 1 << 20) - text.size(), '\0'));

    QByteArray frame(8, '\0');
    qToLittleEndian(dwData, frame.data());
    qToLittleEndian(cbData, frame.data() + 4);
    frame += text;

    QLocalSocket socket;
    socket.connectToServer(args.at(1));
    if (!socket.waitForConnected(5000))
        return 2;
    socket.write(frame);
    socket.waitForBytesWritten(5000);
    if (socket.state() != QLocalSocket::UnconnectedState && !socket.waitForDisconnected(waitMs))
        return 3;
    return 0;
}
