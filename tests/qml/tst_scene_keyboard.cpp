// The scene used with the keyboard alone: Tab reaches the controls, keys work them, and what
// they set reaches the wire as a click would; an armed key box keeps Tab and Escape.
#include "scenefixture.h"

#include <QQuickWindow>

namespace {
using Commands = QList<QList<int>>;
constexpr int kProfile = 3;
} // namespace

class tst_SceneKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fx = std::make_unique<SceneFixture>();
        QVERIFY(fx->start());
        fx->view()->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(fx->view()->window()));
    }
    void cleanup() { fx.reset(); }

    void sensorTaskByKeyboardAlone()
    {
        QVERIFY(tabTo(QStringLiteral("menuProf_entry3")));
        key(Qt::Key_Space);
        QCOMPARE(fx->commands().value(0).value(0), 0x02);
        QVERIFY(tabTo(QStringLiteral("menuFunc_entry3"), true));
        key(Qt::Key_Return);
        QVERIFY(fx->waitFor([this] { return fx->item(QStringLiteral("page_Sensor"))->isVisible(); }));
        sim::clearWire();

        QVERIFY(tabTo(QStringLiteral("sensor_rate")));
        key(Qt::Key_End); // 1000 Hz
        QVERIFY(tabTo(QStringLiteral("sensor_dpi")));
        const int stage = fx->value(QStringLiteral("sensor_dpi"), "currentIndex").toInt() + 1;
        key(Qt::Key_Right);
        key(Qt::Key_Space); // the pop-up of the new stage: its first choice
        key(Qt::Key_Home);
        key(Qt::Key_Return);
        QCOMPARE(fx->value(QStringLiteral("sensor_dpi"), "valueForIndex").toList().at(stage).toInt(), 400);
        QVERIFY(tabTo(QStringLiteral("sensor_apply")));
        key(Qt::Key_Space);
        QVERIFY(fx->waitFor([this] { return !fx->root()->property("protecting").toBool(); }, 5000));
        QQuickItem* apply = fx->item(QStringLiteral("sensor_apply")); // not ALL RESET after the lock
        QVERIFY2(focused() == apply || apply->isAncestorOf(focused()), qPrintable(focused()->objectName()));

        const Commands sent = fx->commands();
        QCOMPARE(sent.value(0), (QList<int> { 0x03, kProfile, 1 }));
        QCOMPARE(sent.value(sent.size() - 1), (QList<int> { 0x04, kProfile, stage + 1 }));
        QCOMPARE(int(sim::profileImage(kProfile).at(84 + stage)), 3); // 400 DPI: 400 / 100 - 1
    }

    void shortcutsActAsClicks_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("expected");
        QTest::newRow("Alt+5 selects P05") << (Qt::AltModifier | Qt::Key_5) << "currentProfile" << 5;
        QTest::newRow("Ctrl+2 opens MACRO") << (Qt::ControlModifier | Qt::Key_2) << "currentIndex" << 1;
    }
    void shortcutsActAsClicks()
    {
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, property);
        QFETCH(int, expected);
        const QString menu = property == QLatin1String("currentProfile") ? "menuProf" : "menuFunc";
        QTest::keyClick(fx->view(), keys.key(), keys.keyboardModifiers());
        QCOMPARE(fx->value(menu, qPrintable(property)).toInt(), expected);
        // The same shortcut again closes the page, as a second click does.
        if (menu == QLatin1String("menuFunc")) {
            QTest::keyClick(fx->view(), Qt::Key_2, Qt::ControlModifier);
            QCOMPARE(fx->value(menu, "currentIndex").toInt(), -1);
        }
    }

    // What a key opens, Escape closes, and the keys go back to the control that opened it.
    void escapeClosesWhatKeysOpened_data()
    {
        QTest::addColumn<Qt::Key>("page"); // with Ctrl: the page to open first
        QTest::addColumn<QString>("control");
        QTest::addColumn<QKeyCombination>("opener");
        QTest::addColumn<QString>("opened"); // empty: the scene's root
        QTest::addColumn<QString>("property");
        QTest::newRow("Menu key on a profile")
            << Qt::Key_1 << "menuProf_entry2" << QKeyCombination(Qt::Key_Menu) << "menuProf_context"
            << "isOpen";
        QTest::newRow("Shift+F10 on a profile")
            << Qt::Key_1 << "menuProf_entry4" << (Qt::ShiftModifier | Qt::Key_F10) << "menuProf_context"
            << "isOpen";
        QTest::newRow("Menu key on a macro file")
            << Qt::Key_2 << "macro_files" << QKeyCombination(Qt::Key_Menu) << "macro_menu"
            << "shown";
        QTest::newRow("Space on a drop-down")
            << Qt::Key_1 << "keydefine_button" << QKeyCombination(Qt::Key_Space) << "keydefine_button"
            << "isOpen";
        QTest::newRow("Space on the settings button")
            << Qt::Key_1 << "menuUp_setting" << QKeyCombination(Qt::Key_Space) << QString()
            << "isGlobalSettingSelect";
    }
    void escapeClosesWhatKeysOpened()
    {
        QFETCH(Qt::Key, page);
        QFETCH(QString, control);
        QFETCH(QKeyCombination, opener);
        QFETCH(QString, opened);
        QFETCH(QString, property);
        QTest::keyClick(fx->view(), page, Qt::ControlModifier);
        if (page == Qt::Key_2) { // a new macro, selected, for its row's menu
            QVERIFY(tabTo(QStringLiteral("macro_file_add")));
            key(Qt::Key_Space);
        }
        QVERIFY(tabTo(control));
        QQuickItem* target = opened.isEmpty() ? fx->root() : fx->item(opened);
        QTest::keyClick(fx->view(), opener.key(), opener.keyboardModifiers());
        QVERIFY(fx->waitFor([&] { return target->property(qPrintable(property)).toBool(); }));
        key(Qt::Key_Escape);
        QVERIFY(fx->waitFor([&] { return !target->property(qPrintable(property)).toBool(); }));
        QCOMPARE(focused(), fx->item(control));
    }

    void armedKeyBoxKeepsTabAndEscape()
    {
        QQuickItem* box = keyBoxOfLastButton();
        QVERIFY(box);
        key(Qt::Key_Space);
        QVERIFY(box->property("isSelect").toBool());
        key(Qt::Key_Tab);
        key(Qt::Key_Escape);
        QCOMPARE(focused(), box);
        QMetaObject::invokeMethod(fx->root(), "detectKeyboard", Q_ARG(QVariant, true), Q_ARG(QVariant, 0x2B));
        QVERIFY(fx->waitFor([box] { return !box->property("isSelect").toBool(); }));
        QCOMPARE(box->property("tmpKeycodeUSB").toInt(), 0x2B); // Tab, stored
    }

    // Ctrl+digit opens its page, and the armed box lets go with the key it had; a modifier
    // pressed and released alone is still the key asked for.
    void armedKeyBoxLetsPageShortcutsPass_data()
    {
        QTest::addColumn<bool>("withDigit");
        QTest::newRow("Ctrl+2") << true;
        QTest::newRow("Ctrl alone") << false;
    }
    void armedKeyBoxLetsPageShortcutsPass()
    {
        QFETCH(bool, withDigit);
        QQuickItem* box = keyBoxOfLastButton();
        QVERIFY(box);
        const int before = box->property("tmpKeycodeUSB").toInt();
        key(Qt::Key_Space);
        QVERIFY(box->property("isSelect").toBool());
        report(true, 0xE0); // the hook hears L Ctrl before the window sees Ctrl+2
        if (withDigit) {
            report(true, 0x1F);
            QTest::keyClick(fx->view(), Qt::Key_2, Qt::ControlModifier);
            report(false, 0x1F);
        }
        report(false, 0xE0);
        QVERIFY(!box->property("isSelect").toBool());
        QCOMPARE(fx->value(QStringLiteral("menuFunc"), "currentIndex").toInt(), withDigit ? 1 : 0);
        QCOMPARE(box->property("tmpKeycodeUSB").toInt(), withDigit ? before : 0xE0);
    }

    // An in-window dialog keeps Tab and Enter to itself until it closes, then gives the focus back.
    void dialogKeepsTheFocus()
    {
        QVERIFY(tabTo(QStringLiteral("menuFunc_entry2")));
        QQuickItem* opener = focused();
        const QVariantMap noPermission { { "state", 1 }, { "path", "/dev/hidraw9" }, { "reason", "denied" },
            { "command", "sudo udevadm trigger" } };
        QMetaObject::invokeMethod(fx->root(), "showDeviceStatus", Q_ARG(QVariant, noPermission));
        QQuickItem* panel = fx->item(QStringLiteral("permissionPanel"));
        QMetaObject::invokeMethod(panel, "open");
        QSet<QString> reached;
        for (int i = 0; i < 8; ++i) {
            key(Qt::Key_Tab);
            QVERIFY2(panel->isAncestorOf(focused()), qPrintable(focused()->objectName()));
            reached << focused()->objectName();
        }
        QVERIFY(reached.contains(QStringLiteral("permission_guide")));
        QVERIFY(reached.contains(QStringLiteral("permission_copy")));
        key(Qt::Key_Backtab);
        QVERIFY(panel->isAncestorOf(focused()));
        key(Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QCOMPARE(focused(), opener);
        QCOMPARE(fx->value(QStringLiteral("menuFunc"), "currentIndex").toInt(), -1);
    }

private:
    // By keyboard only: the key page, the last button (on a closed list), KEYBOARD from the open
    // category list, then the focus on the key box; null when a step did not get there.
    QQuickItem* keyBoxOfLastButton()
    {
        QTest::keyClick(fx->view(), Qt::Key_1, Qt::ControlModifier);
        if (!tabTo(QStringLiteral("keydefine_button")))
            return nullptr;
        key(Qt::Key_End);
        if (!tabTo(QStringLiteral("keydefine_category")))
            return nullptr;
        key(Qt::Key_Space);
        key(Qt::Key_Home);
        key(Qt::Key_Return);
        return tabTo(QStringLiteral("keydefine_key")) ? focused() : nullptr;
    }
    QQuickItem* focused() const { return fx->view()->quickWindow()->activeFocusItem(); }
    void key(Qt::Key k) { QTest::keyClick(fx->view(), k); }
    void report(bool isDown, int usage)
    {
        QMetaObject::invokeMethod(
            fx->root(), "detectKeyboard", Q_ARG(QVariant, isDown), Q_ARG(QVariant, usage));
    }

    // Presses Tab (Shift+Tab backwards) until the focus is on the named item or inside it.
    bool tabTo(const QString& name, bool backwards = false)
    {
        QQuickItem* target = fx->item(name);
        for (int i = 0; target && i < 80; ++i) {
            QQuickItem* now = focused();
            if (now && (now == target || target->isAncestorOf(now)))
                return true;
            QTest::keyClick(fx->view(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                backwards ? Qt::ShiftModifier : Qt::NoModifier);
        }
        return false;
    }

    std::unique_ptr<SceneFixture> fx;
};

QTEST_MAIN(tst_SceneKeyboard)
#include "tst_scene_keyboard.moc"
