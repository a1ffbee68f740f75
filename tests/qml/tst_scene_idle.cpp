// A window left alone costs nothing: once a page or panel has had a few seconds of rest, the
// scene renders no frames. Only a moving lighting effect's preview keeps running.
#include "scenefixture.h"

#include <QElapsedTimer>
#include <QSignalSpy>

namespace {
// Every profile lit with this effect (1 stays still, 5 is the moving wave).
void lightAll(int effect)
{
    for (int p = 0; p < sim::kProfiles; ++p) {
        sim::Bytes image = sim::profileImage(p);
        image[71] = uchar(effect);
        sim::setProfileImage(p, image);
    }
}
} // namespace

class tst_SceneIdle : public QObject {
    Q_OBJECT

    // Waits (at most `ms`) for one second without a rendered frame; then the frames of the next two.
    int framesAtRest(SceneFixture& fx, int ms)
    {
        QSignalSpy frames(fx.view()->quickWindow(), &QQuickWindow::afterRendering);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            frames.clear();
            QTest::qWait(1000);
            if (frames.isEmpty())
                break;
        }
        frames.clear();
        QTest::qWait(2000);
        return int(frames.count());
    }

private slots:
    void noFramesAtRest_data()
    {
        QTest::addColumn<int>("page"); // 4 is the settings panel
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("moving");
        const char* names[] = { "key", "macro", "colour", "sensor", "settings panel" };
        for (int page = 0; page < 5; ++page)
            QTest::addRow("%s", names[page]) << page << 1 << false;
        QTest::addRow("colour, moving effect") << 2 << 5 << true;
    }
    void noFramesAtRest()
    {
        QFETCH(int, page);
        QFETCH(int, effect);
        QFETCH(bool, moving);
        SceneFixture fx;
        QVERIFY(fx.start([effect] { lightAll(effect); }));
        QMetaObject::invokeMethod(fx.item(QStringLiteral("pageArea")), "show", Q_ARG(QVariant, page % 4));
        fx.root()->setProperty("isGlobalSettingSelect", page == 4);
        const int frames = framesAtRest(fx, 8000);
        if (moving)
            QVERIFY2(frames > 10, qPrintable(QString::number(frames)));
        else
            QCOMPARE(frames, 0);
    }
};

QTEST_MAIN(tst_SceneIdle)
#include "tst_scene_idle.moc"
