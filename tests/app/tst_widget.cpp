#include "app/ui_controler.h"
#include "app/userevent.h"
#include "app/widget.h"
#include "bridge/myqquickview.h"
#include "simmouse.h"

#include <QDir>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_Widget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void deviceTimerSettlesAfter2048ms();
    void burstOfChangesGivesOneDetection();
    void noChangeNoDetection();
    void sceneStartsOnlyOnceTheEventLoopRuns();
    void userEvent_data();
    void userEvent();
    void bridgeHoldsTheDevice();

private:
    QTemporaryDir dir;
    QString previousDir;
    Widget* widget = nullptr;
};

void tst_Widget::init()
{
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    // Without a mouse a detection is quick, so the timer's own period is what the tests see.
    sim::reset();
    sim::unplug();
    widget = new Widget;
}

void tst_Widget::cleanup()
{
    delete widget;
    QDir::setCurrent(previousDir);
}

void tst_Widget::deviceTimerSettlesAfter2048ms()
{
    const QTimer& timer = widget->deviceChangeTimer();
    QCOMPARE(timer.interval(), 2048);
    QVERIFY(timer.isSingleShot());
    QVERIFY(!timer.isActive());
}

void tst_Widget::burstOfChangesGivesOneDetection()
{
    QSignalSpy detections(&widget->deviceChangeTimer(), &QTimer::timeout);
    QElapsedTimer sinceLast;
    for (int i = 0; i < 4; ++i) {
        widget->deviceChanged();
        sinceLast.start();
        QTest::qWait(150);
    }
    QVERIFY(detections.wait(3000));
    const qint64 settled = sinceLast.elapsed();
    QVERIFY2(settled >= 2040 && settled < 2600, qPrintable(QString::number(settled)));
    QTest::qWait(300);
    QCOMPARE(detections.count(), 1);
}

void tst_Widget::noChangeNoDetection()
{
    QSignalSpy detections(&widget->deviceChangeTimer(), &QTimer::timeout);
    QTest::qWait(2300);
    QCOMPARE(detections.count(), 0);
}

void tst_Widget::sceneStartsOnlyOnceTheEventLoopRuns()
{
    QQuickItem* root = widget->view()->rootObject();
    QVERIFY(root);
    widget->startScene();
    QVERIFY(!root->property("initialized").toBool());
    QVERIFY(!root->isVisible());
    QTRY_VERIFY(root->property("initialized").toBool());
    QTRY_VERIFY(root->isVisible());
}

void tst_Widget::userEvent_data()
{
    QTest::addColumn<int>("eventId");
    QTest::addColumn<bool>("runs");
    QTest::newRow("run the scene") << 2177 << true;
    QTest::newRow("unknown request") << 2178 << false;
    QTest::newRow("zero") << 0 << false;
}

void tst_Widget::userEvent()
{
    QFETCH(int, eventId);
    QFETCH(bool, runs);
    QQuickItem* root = widget->view()->rootObject();
    QCoreApplication::postEvent(widget, new UserEvent(eventId));
    QTest::qWait(100);
    QCOMPARE(root->isVisible(), runs);
}

void tst_Widget::bridgeHoldsTheDevice()
{
    QCOMPARE(widget->controller()->host, widget);
    QCOMPARE(widget->view()->parentWidget(), widget);
}

QTEST_MAIN(tst_Widget)
#include "tst_widget.moc"
