// Whether the program's window counts as seen, on a real X server: covered by other top-level
// windows, minimised or hidden.
#include "app/windowsight.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

class tst_WindowSight : public QObject {
    Q_OBJECT

private slots:
    void coveredOnlyWhenNoPartShows_data()
    {
        QTest::addColumn<QList<QRect>>("covers");
        QTest::addColumn<bool>("seen");
        QTest::newRow("one window over all of it") << QList<QRect> { { 50, 50, 400, 300 } } << false;
        QTest::newRow("two windows sharing it")
            << QList<QRect> { { 50, 50, 160, 300 }, { 200, 50, 200, 300 } } << false;
        QTest::newRow("a corner still shows") << QList<QRect> { { 150, 150, 400, 300 } } << true;
        QTest::newRow("a window beside it") << QList<QRect> { { 400, 50, 200, 200 } } << true;
    }
    void coveredOnlyWhenNoPartShows()
    {
        QFETCH(QList<QRect>, covers);
        QFETCH(bool, seen);
        QWindow window;
        QSurfaceFormat format;
        format.setAlphaBufferSize(8); // as the program's window is see-through
        window.setFormat(format);
        WindowSight sight(&window);
        window.setGeometry(100, 100, 200, 150);
        window.show();
        QTRY_VERIFY(sight.seen());
        std::vector<std::unique_ptr<QWidget>> others;
        for (const QRect& cover : covers) {
            others.push_back(std::make_unique<QWidget>());
            others.back()->setGeometry(cover);
            others.back()->show();
            QVERIFY(QTest::qWaitForWindowExposed(others.back().get()));
        }
        QTRY_COMPARE(sight.seen(), seen);
        others.clear();
        QTRY_VERIFY(sight.seen());
    }

    void outOfSightWhenMinimisedOrHidden_data()
    {
        QTest::addColumn<bool>("minimise");
        QTest::newRow("minimised") << true;
        QTest::newRow("hidden") << false;
    }
    void outOfSightWhenMinimisedOrHidden()
    {
        QFETCH(bool, minimise);
        QWindow window;
        window.resize(200, 150);
        WindowSight sight(&window);
        window.show();
        QTRY_VERIFY(sight.seen());
        QSignalSpy changes(&sight, &WindowSight::seenChanged);
        minimise ? window.showMinimized() : window.hide();
        QTRY_VERIFY(!sight.seen());
        window.showNormal();
        QTRY_VERIFY(sight.seen());
        QCOMPARE(changes.count(), 2);
    }
};

QTEST_MAIN(tst_WindowSight)
#include "tst_windowsight.moc"
