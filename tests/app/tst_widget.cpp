#include "app/widget.h"
#include "bridge/myqquickview.h"
#include "simmouse.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "testsupport.h"

class tst_Widget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void burstOfChangesGivesOneDetection();
    void sceneStartsOnlyOnceTheEventLoopRuns();

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

void tst_Widget::burstOfChangesGivesOneDetection()
{
    const QTimer& timer = widget->deviceChangeTimer();
    QVERIFY2(!timer.isActive(), "detection must not run without a device change");
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
    QCOMPARE(detections.count(), 1);
    QVERIFY2(!timer.isActive(), "detection is never repeated on its own");
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

QTEST_MAIN(tst_Widget)
#include "tst_widget.moc"
