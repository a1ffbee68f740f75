// Under the virtual X server: real key presses and clicks, made with xdotool while another
// client owns the input, travel through the X source, the host window's callbacks and the
// bridge to a test scene's detectKeyboard and detectMouse.
#include "app/widget.h"
#include "bridge/myqquickview.h"
#include "system/inputhook.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QQuickItem>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray testScene = R"(
import QtQuick
Item {
    width: 10; height: 10
    property string log: ""
    function detectKeyboard(isDown, usbCode) { log += (isDown ? "d" : "u") + usbCode + ";" }
    function detectMouse(isDown, code, x, y) { log += (isDown ? "d" : "u") + code + "@" + x + "," + y + ";" }
}
)";

QString transition(bool down, int code)
{
    return QStringLiteral("%1%2;").arg(down ? QStringLiteral("d") : QStringLiteral("u")).arg(code);
}
} // namespace

class tst_XInputCapture : public QObject {
    Q_OBJECT

    QString log() const { return widget->view()->rootObject()->property("log").toString(); }
    void xdotool(const QStringList& arguments);

    QTemporaryDir dir;
    std::unique_ptr<Widget> widget;
    std::unique_ptr<InputHook> hook;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        widget = std::make_unique<Widget>();
        const QString scene = dir.filePath(QStringLiteral("capture.qml"));
        QFile file(scene);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testScene);
        file.close();
        widget->view()->setSource(QUrl::fromLocalFile(scene));
        QVERIFY(widget->view()->rootObject());

        hook = std::make_unique<InputHook>();
        QVERIFY2(hook->install(), "no X display with XInput 2.1");
        hook->setKeyCallback(&Widget::keyReport, widget.get());
        hook->setMouseCallback(&Widget::mouseReport, widget.get());
    }
    void init() { widget->view()->rootObject()->setProperty("log", QString()); }
    void cleanupTestCase()
    {
        if (hook)
            hook->uninstall();
        hook.reset();
        widget.reset();
    }
    void keys_data()
    {
        QTest::addColumn<QString>("keysym");
        QTest::addColumn<int>("usage");
        QTest::addColumn<int>("alongside"); // a modifier xdotool itself holds around the key, or 0

        QTest::newRow("a") << "a" << 0x04 << 0;
        QTest::newRow("keypad Enter") << "KP_Enter" << 0x58 << 0;
        QTest::newRow("right Shift") << "Shift_R" << 0xE5 << 0xE1;
    }
    void keys()
    {
        QFETCH(QString, keysym);
        QFETCH(int, usage);
        QFETCH(int, alongside);
        xdotool({ QStringLiteral("key"), keysym });
        const QString expected = alongside ? transition(true, alongside) + transition(true, usage)
                + transition(false, alongside) + transition(false, usage)
                                           : transition(true, usage) + transition(false, usage);
        QTRY_COMPARE_WITH_TIMEOUT(log(), expected, 3000);
    }
    void rightButton()
    {
        const QString button = QStringLiteral("3");
        const int code = 0xF1; // X numbers it 3, the mouse 0xF1
        xdotool({ QStringLiteral("mousemove"), QStringLiteral("123"), QStringLiteral("45") });
        xdotool({ QStringLiteral("click"), QStringLiteral("4") }); // the wheel is never reported
        xdotool({ QStringLiteral("click"), button });
        const QString expected = QStringLiteral("d%1@123,45;u%1@123,45;").arg(code);
        QTRY_COMPARE_WITH_TIMEOUT(log(), expected, 3000);
    }
};

void tst_XInputCapture::xdotool(const QStringList& arguments)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
}

QTEST_MAIN(tst_XInputCapture)
#include "tst_xinputcapture.moc"
