// The scene's frame on the real host window, bridge and simulated mouse: dragging, the protect
// lock, the settings panel (disabling the rest, language, apply) and the platform choice.

#include "app/platformchoice.h"
#include "scenefixture.h"

#include <QRegularExpression>
#include <QSettings>

namespace {

QVariantList storedEntries(const QString& file)
{
    QSettings config(file, QSettings::IniFormat);
    QVariantList entries;
    const int total = config.value(QStringLiteral("common/total")).toInt();
    for (int i = 0; i < total; ++i)
        entries << config.value(QStringLiteral("common/%1").arg(i));
    return entries;
}

} // namespace

class TestSceneFrame : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // A scene error anywhere in these flows is a fault, not noise.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("TypeError|ReferenceError|Unable to assign")));
        fx = std::make_unique<SceneFixture>();
    }
    void cleanup() { fx.reset(); }

    void dragMovesWindowByPointerOffset()
    {
        QVERIFY(fx->start());
        auto* host = fx->view()->window();
        const QPoint before = host->pos();

        // The top bar's empty left end: nothing but the background takes the press there.
        QTest::mousePress(fx->view(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
        QTest::mouseMove(fx->view(), QPoint(45, 27));
        // The window moved under the pointer: in it, the pointer is back where it was pressed.
        QTest::mouseRelease(fx->view(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));

        QTRY_COMPARE(host->pos(), before + QPoint(5, -3));
    }
    void closeButtonShrinksThenCloses()
    {
        QVERIFY(fx->start());
        auto* host = fx->view()->window();
        QVERIFY(fx->click(QStringLiteral("menuUp_close")));
        QTRY_VERIFY(!host->isVisible());
        QCOMPARE(root()->height(), 0.0);
    }
    void protectLockHoldsInputForItsInterval_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("interval");
        QTest::newRow("ALL RESET") << "menuDown_reset" << 800;
        QTest::newRow("ALL SAVE") << "menuDown_save" << 2000;
    }
    void protectLockHoldsInputForItsInterval()
    {
        QFETCH(QString, button);
        QFETCH(int, interval);
        QVERIFY(fx->start());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(fx->click(button));
        // ALL RESET asks first, in the window; the lock starts with the answer.
        QVERIFY(fx->waitFor([this] { return !fx->view()->isEnabled(); }, 500));
        QVERIFY(fx->item(QStringLiteral("busyIndicator"))->isVisible());

        // A click late in the lock reaches nothing: the settings panel stays closed. The pages'
        // own reset or apply runs inside the first click and may use up part of the interval.
        const qint64 spent = clock.elapsed();
        QVERIFY2(spent < interval - 200, "the pages' work outlasted the lock");
        QTest::qWait(int(interval - 200 - spent));
        QVERIFY(fx->click(QStringLiteral("menuUp_setting")));
        QVERIFY(!panelOpen());
        QVERIFY(clock.elapsed() < interval);

        QTRY_VERIFY_WITH_TIMEOUT(fx->view()->isEnabled(), 1000);
        QVERIFY(!fx->item(QStringLiteral("busyIndicator"))->isVisible());
        QVERIFY(fx->click(QStringLiteral("menuUp_setting")));
        QVERIFY(panelOpen());
    }
    // A lock taken while one holds ends with the later of the two: a short second lock neither
    // ends the first early nor lets go of the view while it is taken.
    void secondLockExtendsTheFirst()
    {
        QVERIFY(fx->start());
        const auto lock
            = [this](int ms) { QMetaObject::invokeMethod(root(), "setProtectUI", Q_ARG(QVariant, ms)); };
        QElapsedTimer clock;
        clock.start();
        lock(500);
        QTest::qWait(100);
        lock(100);
        while (clock.elapsed() < 450) {
            QVERIFY2(!fx->view()->isEnabled(),
                qPrintable(QStringLiteral("enabled after %1 ms").arg(clock.elapsed())));
            QVERIFY(fx->item(QStringLiteral("busyIndicator"))->isVisible());
            QTest::qWait(20);
        }
        QTRY_VERIFY_WITH_TIMEOUT(fx->view()->isEnabled(), 500);
        QVERIFY(!fx->item(QStringLiteral("busyIndicator"))->isVisible());
    }
    void settingsPanelDisablesTheRest()
    {
        QVERIFY(fx->start());
        QVERIFY(fx->click(QStringLiteral("menuUp_setting")));
        QVERIFY(panelOpen());
        fx->settle();
        QCOMPARE(fx->item(QStringLiteral("menuDown"))->opacity(), 0.2);
        // Drawn at 0.2 once: controls under the dimmed bar and page do not dim themselves again.
        for (const char* control : { "menuDown_reset", "keydefine_button", "keydefine_apply" }) {
            qreal drawn = 1;
            for (const QQuickItem* up = fx->item(control); up; up = up->parentItem())
                drawn *= up->opacity();
            QCOMPARE(drawn, 0.2);
        }

        const QVariant page = fx->item(QStringLiteral("main_Z4"))->property("curPageId");
        fx->click(QStringLiteral("menuFunc_entry1"));
        fx->click(QStringLiteral("menuDown_save"));
        fx->settle();
        QCOMPARE(fx->item(QStringLiteral("main_Z4"))->property("curPageId"), page);
        QVERIFY(fx->view()->isEnabled());

        QVERIFY(fx->click(QStringLiteral("menuUp_setting")));
        QTRY_VERIFY(!fx->item(QStringLiteral("page_Globalsetting"))->isVisible());
        QCOMPARE(fx->item(QStringLiteral("menuDown"))->opacity(), 1.0);
        QVERIFY(fx->click(QStringLiteral("menuDown_save")));
        QVERIFY(!fx->view()->isEnabled());
    }
    // A value still being typed when RESET is pressed is committed before the reset, not after it.
    void resetDropsTypedColour()
    {
        QVERIFY(fx->start());
        QVERIFY(fx->click(QStringLiteral("menuUp_setting")));
        fx->settle();
        const QColor factory = global("globalSetting_color").value<QColor>();
        QVERIFY(fx->click(QStringLiteral("globalsetting_colorPick_r")));
        QTest::keyClick(fx->view(), Qt::Key_End);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(fx->view(), Qt::Key_Backspace);
        QTest::keyClicks(fx->view(), factory.red() == 7 ? "8" : "7");
        QVERIFY(fx->click(QStringLiteral("globalsetting_reset")));
        fx->settle();
        QVERIFY(fx->click(QStringLiteral("menuUp_setting")));
        QTRY_VERIFY(!panelOpen());
        QCOMPARE(global("globalSetting_color").value<QColor>(), factory);
    }
    void requestDuringSlideFinishesItFirst()
    {
        QVERIFY(fx->start());
        root()->setProperty("animation_speed", 2000);
        QQuickItem* panel = fx->item(QStringLiteral("page_Globalsetting"));
        QQuickItem* content = fx->item(QStringLiteral("globalsetting_content"));
        root()->setProperty("isGlobalSettingSelect", true);
        QTest::qWait(50);
        QVERIFY(content->x() > 0);

        root()->setProperty("isGlobalSettingSelect", false);
        QVERIFY(panel->property("sliding").toBool());
        root()->setProperty("animation_speed", 10);
        QTRY_VERIFY(!panel->isVisible());
        QCOMPARE(content->x(), panel->width());
    }
    void languageChangeReplacesTexts()
    {
        QVERIFY(fx->start());
        QCOMPARE(fx->item(QStringLiteral("menuDown_reset"))->property("label").toString(),
            QStringLiteral("ALL RESET"));
        QVERIFY(fx->click(QStringLiteral("menuUp_setting")));
        fx->settle();
        QVERIFY(fx->click(QStringLiteral("globalsetting_language_button")));
        fx->settle();
        // Languages in the order of their codes: 简体中文, 繁體中文, English, ...
        QVERIFY(fx->click(QStringLiteral("globalsetting_language_item1")));
        fx->settle();

        QCOMPARE(fx->item(QStringLiteral("menuDown_reset"))->property("label").toString(),
            QString::fromUtf8("全部重設"));
        QCOMPARE(global("globalSetting_fontFamily").toString(), QStringLiteral("Noto Sans CJK TC"));
        QCOMPARE(global("globalSetting_stringList").toStringList().value(29), QString::fromUtf8("語言"));
    }
    void applyWritesTheEntries()
    {
        QVERIFY(fx->start());
        QVERIFY(fx->click(QStringLiteral("menuUp_setting")));
        fx->settle();
        QVERIFY(fx->click(QStringLiteral("globalsetting_sizeLarger")));
        QVERIFY(fx->click(QStringLiteral("globalsetting_swatch3")));
        QCOMPARE(global("globalSetting_size").toInt(), 12);
        QCOMPARE(global("globalSetting_color").value<QColor>(), QColor(200, 200, 100));
        QVERIFY(fx->click(QStringLiteral("globalsetting_apply")));
        QVERIFY(!panelOpen());

        const QString file = fx->workDir().filePath(QStringLiteral("modules/setting/apConfig.bin"));
        QVariantList entries;
        QTRY_VERIFY((entries = storedEntries(file)).value(29).toInt() == 3);
        QCOMPARE(entries.size(), 32);
        QCOMPARE(entries.mid(0, 5), QVariantList({ "2", "0", "0", "0", "2" }));
        QCOMPARE(entries.at(7).toInt(), 1);
        QCOMPARE(entries.mid(17, 3), QVariantList({ "200", "200", "100" }));
        QCOMPARE(entries.at(30).toInt(), 7);
    }
    void damagedConfigurationKeepsDefaults()
    {
        const auto damage = [this] {
            QSettings config(
                fx->workDir().filePath(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat);
            config.setValue(QStringLiteral("common/4"), 99);
            config.setValue(QStringLiteral("common/7"), 5);
            config.setValue(QStringLiteral("common/8"), QStringLiteral("abc"));
            config.setValue(QStringLiteral("common/30"), 99);
        };
        QVERIFY(fx->start(damage));
        QCOMPARE(global("globalSetting_size").toInt(), 11);
        QCOMPARE(global("globalSetting_color").value<QColor>(), QColor(0, 255, 255));
        QCOMPARE(fx->item(QStringLiteral("menuDown_save"))->property("label").toString(),
            QStringLiteral("ALL SAVE"));
    }
    void platformChoice_data()
    {
        // XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY and the user's QT_QPA_PLATFORM.
        QTest::addColumn<QByteArrayList>("env");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("wayland session with XWayland")
            << QByteArrayList { "wayland", "", ":0", "" } << QByteArray("xcb");
        QTest::newRow("wayland display only")
            << QByteArrayList { "", "wayland-0", ":1", "" } << QByteArray("xcb");
        QTest::newRow("no X server") << QByteArrayList { "wayland", "wayland-0", "", "" } << QByteArray();
        QTest::newRow("user's choice")
            << QByteArrayList { "wayland", "wayland-0", ":0", "wayland" } << QByteArray();
        QTest::newRow("x11 session") << QByteArrayList { "x11", "", ":0", "" } << QByteArray();
    }
    void platformChoice()
    {
        QFETCH(QByteArrayList, env);
        QTEST(platformchoice::platformFor(env[0], env[1], env[2], env[3]), "platform");
    }

private:
    QQuickItem* root() const { return fx->root(); }
    QVariant global(const char* name) const { return root()->property(name); }
    bool panelOpen() const { return global("isGlobalSettingSelect").toBool(); }

    std::unique_ptr<SceneFixture> fx;
};

QTEST_MAIN(TestSceneFrame)
#include "tst_scene_frame.moc"
