#include "app/ui_controler.h"
#include "bridge/myqquickview.h"

#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "testsupport.h"
#include <QWidget>

class tst_Ui_Controler : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void objectName_data();
    void objectName();
    void windowIsFramelessAndSeeThrough();
    void takesTheSceneSize();
    void publishesBothContextObjects();
    void title_data();
    void title();
    void dragMovesTheWindow();
    void setBusyLocksTheViewForItsInterval();
    void setBusyWithoutArgumentPassesZero();
    void onMinimizeClosesTheWindow();
    void slotsWithoutHostDoNothing();
    void slotTableOrder();
    void sceneDragMovesTheWindow();
    void sceneCloseButtonEndsWithOnMinimize();
    void sceneRelaysKeyReports();

private:
    void writeConfig(const QByteArray& content);
    void showRunningScene();

    std::unique_ptr<testsupport::WorkDir> dir;
    QWidget* host = nullptr;
    Ui_Controler* controller = nullptr;
};

void tst_Ui_Controler::writeConfig(const QByteArray& content)
{
    QVERIFY(dir->write(QStringLiteral("modules/setting/apConfig.bin"), content));
}

// The root stays invisible, and so deaf to the mouse, until its start-up animation runs.
void tst_Ui_Controler::showRunningScene()
{
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host));
    QVERIFY(QMetaObject::invokeMethod(controller->view->rootObject(), "run"));
    QTRY_VERIFY(controller->view->rootObject()->isVisible());
}

void tst_Ui_Controler::init()
{
    dir = std::make_unique<testsupport::WorkDir>();
    writeConfig("[common]\nname=Test Title\n");
    host = new QWidget;
    controller = new Ui_Controler;
    controller->setupUi(host);
}

void tst_Ui_Controler::cleanup()
{
    delete host;
    delete controller;
    dir.reset();
}

void tst_Ui_Controler::objectName_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unnamed host") << QString() << QStringLiteral("Widget");
    QTest::newRow("named host keeps its name") << QStringLiteral("mine") << QStringLiteral("mine");
}

void tst_Ui_Controler::objectName()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);
    QWidget window;
    window.setObjectName(given);
    Ui_Controler c;
    c.setupUi(&window);
    QCOMPARE(window.objectName(), expected);
    QCOMPARE(c.view->objectName(), QStringLiteral("ui_View"));
}

void tst_Ui_Controler::windowIsFramelessAndSeeThrough()
{
    QCOMPARE(int(host->windowFlags()), 0x02000801);
    QVERIFY(host->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(host->windowOpacity(), 1.0);
    QCOMPARE(host->styleSheet(), QStringLiteral("background:transparent;"));
    QCOMPARE(controller->view->parentWidget(), host);
}

void tst_Ui_Controler::takesTheSceneSize()
{
    QVERIFY(controller->view->rootObject());
    QCOMPARE(host->size(), QSize(1000, 600));
}

void tst_Ui_Controler::publishesBothContextObjects()
{
    QQmlContext* context = controller->view->rootContext();
    QCOMPARE(context->contextProperty(QStringLiteral("ui_View")).value<QObject*>(), controller->view);
    QCOMPARE(context->contextProperty(QStringLiteral("ui_Ctl")).value<QObject*>(), controller);
}

void tst_Ui_Controler::title_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("title");
    QTest::newRow("name given") << QByteArray("[common]\nname=My Mouse\n") << QStringLiteral("My Mouse");
    QTest::newRow("no name key") << QByteArray("[common]\nother=1\n") << QString();
    QTest::newRow("garbage file") << QByteArray("\x01\x02[[[=\n") << QString();
    QTest::newRow("empty file") << QByteArray() << QString();
}

void tst_Ui_Controler::title()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, title);
    writeConfig(config);
    controller->retranslateUi(host);
    QCOMPARE(host->windowTitle(), title);
}

void tst_Ui_Controler::dragMovesTheWindow()
{
    host->move(100, 100);
    const QPoint start = host->pos();
    controller->onXChanged(5);
    controller->onYChanged(-3);
    QCOMPARE(host->pos(), start + QPoint(5, -3));
}

void tst_Ui_Controler::setBusyLocksTheViewForItsInterval()
{
    myQQuickView* view = controller->view;
    controller->setBusy(300);
    QVERIFY(!view->isEnabled());
    QCOMPARE(view->rootObject()->property("protectInterval").toInt(), 300);
    QTRY_VERIFY_WITH_TIMEOUT(view->isEnabled(), 2000);
}

void tst_Ui_Controler::setBusyWithoutArgumentPassesZero()
{
    QVERIFY(QMetaObject::invokeMethod(controller, "setBusy"));
    QCOMPARE(controller->view->rootObject()->property("protectInterval").toInt(), 0);
}

void tst_Ui_Controler::onMinimizeClosesTheWindow()
{
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host));
    controller->onMinimize();
    QVERIFY(!host->isVisible());
    QVERIFY(!host->isMinimized());
}

void tst_Ui_Controler::slotsWithoutHostDoNothing()
{
    Ui_Controler idle;
    idle.onMinimize();
    idle.onXChanged(5);
    idle.onYChanged(5);
    idle.setBusy(10);
    QVERIFY(!idle.host);
}

void tst_Ui_Controler::slotTableOrder()
{
    const QMetaObject& meta = Ui_Controler::staticMetaObject;
    QStringList slotSignatures;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        slotSignatures << QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(slotSignatures,
        QStringList({ "onMinimize()", "onXChanged(int)", "onYChanged(int)", "setBusy(int)", "setBusy()" }));
    QCOMPARE(
        meta.method(meta.indexOfMethod("setBusy(int)")).parameterNames().value(0), QByteArray("busyTime"));
}

void tst_Ui_Controler::sceneDragMovesTheWindow()
{
    host->move(200, 200);
    showRunningScene();
    const QPoint start = host->pos();
    QSignalSpy emptyAreaPressed(controller->view->rootObject(), SIGNAL(emptyAreaPressed()));
    QTest::mousePress(controller->view, Qt::LeftButton, {}, QPoint(500, 300));
    QTest::mouseMove(controller->view, QPoint(505, 297));
    QTest::mouseRelease(controller->view, Qt::LeftButton, {}, QPoint(505, 297));
    QCOMPARE(emptyAreaPressed.count(), 1);
    QCOMPARE(host->pos(), start + QPoint(5, -3));
}

void tst_Ui_Controler::sceneCloseButtonEndsWithOnMinimize()
{
    showRunningScene();
    QQuickItem* closeButton
        = controller->view->rootObject()->findChild<QQuickItem*>(QStringLiteral("closeButton"));
    QVERIFY(closeButton);
    const QPointF centre
        = closeButton->mapToScene(QPointF(closeButton->width() / 2, closeButton->height() / 2));
    QTest::mouseClick(controller->view, Qt::LeftButton, {}, centre.toPoint());
    QTRY_VERIFY_WITH_TIMEOUT(!host->isVisible(), 3000);
}

void tst_Ui_Controler::sceneRelaysKeyReports()
{
    QObject* root = controller->view->rootObject();
    QSignalSpy keys(root, SIGNAL(msg_KB(bool, int)));
    QVERIFY(QMetaObject::invokeMethod(root, "detectKeyboard", Q_ARG(QVariant, true), Q_ARG(QVariant, 0x04)));
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.at(0).at(0).toBool(), true);
    QCOMPARE(keys.at(0).at(1).toInt(), 0x04);
}

QTEST_MAIN(tst_Ui_Controler)
#include "tst_ui_controler.moc"
