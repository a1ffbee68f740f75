#include "app/ui_controler.h"
#include "app/userevent.h"
#include "app/widget.h"
#include "bridge/myqquickview.h"
#include "simmouse.h"

#include <QDir>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "testsupport.h"

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
    std::unique_ptr<testsupport::WorkDir> dir;
    Widget* widget = nullptr;
};

void tst_Widget::init()
{
    dir = std::make_unique<testsupport::WorkDir>();
    // Without a mouse a detection is quick, so the timer's own period is what the tests see.
    sim::reset();
    sim::unplug();
    widget = new Widget;
}

void tst_Widget::cleanup()
{
    delete widget;
    dir.reset();
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
    const QTimer& timer = widget->deviceChangeTimer();
    QSignalSpy detections(&timer, &QTimer::timeout);
    for (int i = 0; i < 4; ++i) {
        widget->deviceChanged();
        // Each notification starts the settle period afresh (a coarse timer may report up to 5%
        // less); 400 ms later an unrestarted timer would have at most 1648 ms left.
        QVERIFY2(timer.remainingTime() > 1900, qPrintable(QString::number(timer.remainingTime())));
        QTest::qWait(400);
        QCOMPARE(detections.count(), 0);
    }
    QVERIFY(detections.wait(4000));
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
