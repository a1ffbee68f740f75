#include "scenefixture.h"

#include <QSettings>

// The function menu, the profile menu with its context menu and the page area, driven by real
// clicks on the scene over the simulated mouse.
class tst_SceneMenus : public QObject {
    Q_OBJECT
private slots:
    void init() { fx = std::make_unique<SceneFixture>(); }
    void cleanup() { fx.reset(); }
    void start_data()
    {
        QTest::addColumn<int>("deviceProfile");
        QTest::addColumn<int>("lit");
        QTest::newRow("profile 1") << 1 << 1;
        QTest::newRow("past the last profile, mapped to P01") << 9 << 1;
    }
    // No page shown, the device's profile lit, nothing sent.
    void start()
    {
        QFETCH(int, deviceProfile);
        QFETCH(int, lit);
        QVERIFY(startOn(deviceProfile));
        QCOMPARE(curPageId(), -1);
        for (const QString& page : pages)
            QVERIFY2(!fx->item(page)->isVisible(), qPrintable(page));
        for (int entry = 1; entry <= 5; ++entry)
            QCOMPARE(selected(QStringLiteral("menuProf_entry%1").arg(entry)), entry == lit);
        QCOMPARE(fx->commandCodes(), QByteArray());
    }
    void functionMenu_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<int>("page");
        QTest::newRow("MACRO twice hides it again") << QList<int> { 1, 1 } << false << -1;
        QTest::newRow("a click during a slide-in shows its page at once") << QList<int> { 0, 2 } << true << 2;
    }
    void functionMenu()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, slow);
        QFETCH(int, page);
        QVERIFY(startOn(1));
        fx->root()->setProperty("animation_speed", slow ? 800 : 10);
        for (int entry : clicks)
            QVERIFY(fx->click(QStringLiteral("menuFunc_entry%1").arg(entry)));
        if (slow)
            QVERIFY(!fx->item("pageArea")->property("sliding").toBool());
        QVERIFY(pageAreaAtRest());
        QCOMPARE(curPageId(), page);
        for (int i = 0; i < pages.size(); ++i) {
            QVERIFY2(fx->item(pages[i])->isVisible() == (i == page), qPrintable(pages[i]));
            QVERIFY2(
                selected(QStringLiteral("menuFunc_entry%1").arg(i)) == (i == page), qPrintable(pages[i]));
        }
        QCOMPARE(fx->item("pageArea_content")->x(), 0.0);
    }
    void profileSelection_data()
    {
        QTest::addColumn<int>("pageFirst");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<int>("deviceProfile");
        QTest::addColumn<int>("rateIndex");
        QTest::newRow("another profile: 02H, pages re-read") << -1 << 3 << QByteArray("\x02") << 3 << 3;
        QTest::newRow("the selected profile: nothing") << -1 << 1 << QByteArray() << 1 << 0;
        QTest::newRow("macro page shown: no reaction") << 1 << 3 << QByteArray() << 1 << 0;
    }
    // A left click, then a right click on the same entry (which opens the context menu).
    void profileSelection()
    {
        QFETCH(int, pageFirst);
        QFETCH(int, entry);
        QFETCH(QByteArray, codes);
        QFETCH(int, deviceProfile);
        QVERIFY(startOn(1));
        if (pageFirst >= 0) {
            QVERIFY(fx->click(QStringLiteral("menuFunc_entry%1").arg(pageFirst)));
            QVERIFY(pageAreaAtRest());
        }
        sim::clearWire();
        const QString row = QStringLiteral("menuProf_entry%1").arg(entry);
        QVERIFY(fx->click(row));
        QVERIFY(fx->click(row, Qt::RightButton));
        fx->settle();

        QCOMPARE(fx->commandCodes().toHex(), codes.toHex());
        QCOMPARE(sim::currentProfile(), deviceProfile);
        QTEST(shownRateIndex(), "rateIndex");
        QVERIFY(selected(QStringLiteral("menuProf_entry%1").arg(deviceProfile)));
        QCOMPARE(fx->item("menuProf_context")->isVisible(), pageFirst != 1);
    }
    void contextMenu_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file"); // answers the file dialog; empty: cancelled
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<int>("rateIndex"); // 0 as before; 3 profile 3 imported; 2 the default
        QTest::addColumn<bool>("refused"); // the question before LOAD or RESET answered Cancel
        QTest::addColumn<bool>("built"); // every page built at start (else only when first needed)
        QTest::newRow("LOAD into the selected profile") << 1 << "load"
                                                        << "import.pf" << QByteArray() << 3 << false << true;
        QTest::newRow("LOAD into another profile") << 4 << "load"
                                                   << "import.pf" << QByteArray("\x02") << 3 << false << true;
        QTest::newRow("LOAD cancelled, selected profile") << 1 << "load"
                                                          << "" << QByteArray() << 0 << false << true;
        QTest::newRow("LOAD refused") << 1 << "load"
                                      << "import.pf" << QByteArray() << 0 << true << true;
        QTest::newRow("SAVE the selected profile") << 1 << "save"
                                                   << "export.pf" << QByteArray() << 0 << false << true;
        QTest::newRow("RESET the selected profile") << 1 << "reset"
                                                    << "" << QByteArray() << 2 << false << true;
        QTest::newRow("RESET refused") << 1 << "reset"
                                       << "" << QByteArray() << 0 << true << true;
        // LOAD and RESET show their values as edits, so the pages are built for them.
        QTest::newRow("LOAD before any page was shown") << 1 << "load"
                                                        << "import.pf" << QByteArray() << 3 << false << false;
        QTest::newRow("RESET before any page was shown") << 1 << "reset"
                                                         << "" << QByteArray() << 2 << false << false;
    }
    void contextMenu()
    {
        QFETCH(int, entry);
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QByteArray, codes);
        QFETCH(bool, refused);
        QFETCH(bool, built);
        fx->buildPagesAtStart = built;
        QVERIFY(startOn(1));
        QCOMPARE(fx->has("page_Sensor"), built);
        fx->questionAnswer = refused ? QMessageBox::Cancel : QMessageBox::Ok;
        // An export of the live file that names profile 3 as the one to import.
        fx->view()->profileStore().file()->sync();
        QVERIFY(QFile::copy("modules/setting/p_Z4.bin", "import.pf"));
        QSettings("import.pf", QSettings::IniFormat).setValue("common/importProfile", 3);

        QVERIFY(fx->click(QStringLiteral("menuProf_entry%1").arg(entry), Qt::RightButton));
        QVERIFY(fx->waitFor([this] { return fx->item("menuProf_context")->opacity() == 1.0; }));
        sim::clearWire();
        auto answer
            = SceneFixture::answerFileDialog(file.isEmpty() ? QString() : fx->workDir().filePath(file));
        QVERIFY(fx->click("menuProf_" + action));
        // The window's question is answered when the fixture sees it, and LOAD's file dialog after it.
        const int dialogs = (action == "load" && !refused) || action == "save" ? 1 : 0;
        QVERIFY(action == "save" || fx->waitFor([this] { return !fx->questions.isEmpty(); }));
        QVERIFY(fx->waitFor([&] { return answer->answered == dialogs; }));
        fx->settle();
        // The question names the profile it is about.
        QCOMPARE(fx->questions.size(), action == "save" ? 0 : 1);
        QVERIFY(fx->questions.value(0).contains(QStringLiteral("P0%1").arg(entry)) || action == "save");

        QCOMPARE(fx->commandCodes().toHex(), codes.toHex());
        QTEST(shownRateIndex(), "rateIndex");
        // LOAD and RESET give edits of their profile, written only by APPLY or ALL SAVE.
        QCOMPARE(fx->item("page_Sensor")->property("unapplied").toBool(), shownRateIndex() != 0);
        QVERIFY(fx->waitFor([this] { return !fx->item("menuProf_context")->isVisible(); }));
        if (action == "save")
            QCOMPARE(QSettings(file, QSettings::IniFormat).value("common/importProfile").toInt(), entry);
    }
    // ALL RESET and ALL SAVE cover every page, also one the person has not opened yet.
    void allResetAndSaveReachPagesNotShownYet()
    {
        fx->buildPagesAtStart = false;
        QVERIFY(startOn(1));
        QVERIFY(!fx->has("page_Sensor"));
        QVERIFY(fx->press("menuDown_reset"));
        QVERIFY(fx->waitFor([this] { return !fx->questions.isEmpty(); }));
        fx->settle();
        QVERIFY(fx->waitFor([this] { return !fx->root()->property("protecting").toBool(); }, 3000));
        QCOMPARE(shownRateIndex(), 2); // the default, 500 Hz
        QVERIFY(fx->press("menuDown_save"));
        QVERIFY(fx->waitFor([] { return sim::reportRate(1) == 2; }, 5000));
    }
    // A disabled MouseArea still reports the pointer; the entries must not stay lit for it.
    void disabledMenusStayDarkUnderThePointer()
    {
        QVERIFY(startOn(1));
        for (const char* name : { "menuFunc_entry0", "menuProf_entry2" }) {
            QQuickItem* entry = fx->item(name);
            fx->root()->setProperty("isGlobalSettingSelect", false);
            QTest::mouseMove(fx->view(), entry->mapToScene(QPointF(10, 10)).toPoint());
            QVERIFY2(fx->waitFor([entry] { return entry->property("lit").toBool(); }), name);
            fx->root()->setProperty("isGlobalSettingSelect", true);
            QVERIFY2(!entry->property("lit").toBool(), name);
        }
    }

    // A LOAD cancelled in the file dialog changes nothing, edits included; one that takes a
    // file shows it as edits of the profile, which ALL SAVE then writes there.
    void loadGivesEditsOfItsProfile()
    {
        QVERIFY(startOn(1));
        fx->view()->profileStore().file()->sync();
        QVERIFY(QFile::copy("modules/setting/p_Z4.bin", "import.pf"));
        QSettings("import.pf", QSettings::IniFormat).setValue("common/importProfile", 3);
        QVERIFY(fx->press("menuFunc_entry3"));
        QVERIFY(fx->press("sensor_rate_cell2"));
        for (const QString& file : { QString(), fx->workDir().filePath("import.pf") }) {
            QVERIFY(fx->click("menuProf_entry1", Qt::RightButton));
            QVERIFY(fx->waitFor([this] { return fx->item("menuProf_context")->opacity() == 1.0; }));
            auto answer = SceneFixture::answerFileDialog(file);
            sim::clearWire();
            QVERIFY(fx->press("menuProf_load"));
            QCOMPARE(answer->answered, 1);
            QCOMPARE(shownRateIndex(), file.isEmpty() ? 2 : 3);
            QVERIFY(fx->item("sensor_apply_mark")->isVisible());
            QVERIFY(fx->commands().isEmpty());
        }
        QCOMPARE(shownMessage(), QStringLiteral("P01 is shown: APPLY or ALL SAVE writes it to the mouse"));
        QVERIFY(fx->press("menuDown_save"));
        QVERIFY(fx->commands().contains(QList<int> { 0x03, 1, 1 }));
    }

    // APPLY says what became of its writes: stored, kept without the mouse, or where it failed
    // (then the group stays flagged, so the next connection offers it again).
    void applySaysWhatItDid_data()
    {
        QTest::addColumn<int>("unplug"); // 0 plugged; 1 unplugged at start; 2 after the first data report
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("flagged");
        // The desktop here has no scroll-lines setting: every message names it, as a failure.
        const QString refused = QString::fromUtf8(" — the desktop refused VERTICAL SCROLL SPEED");
        QTest::newRow("saved") << 0 << "Saved to the mouse" + refused << false;
        QTest::newRow("no mouse") << 1 << "Mouse not connected: kept in the program" + refused << true;
        QTest::newRow("unplugged mid-write")
            << 2 << "Writing to the mouse failed at 0CH P00: nothing lost, try again" + refused << true;
    }
    void applySaysWhatItDid()
    {
        QFETCH(int, unplug);
        QVERIFY(fx->start([unplug] {
            sim::setCurrentProfile(1);
            if (unplug == 1)
                sim::unplug();
        }));
        QVERIFY(fx->press("menuFunc_entry3"));
        if (unplug == 2)
            sim::unplugAfter(sim::Op::Write, 1);
        QVERIFY(fx->press("sensor_apply"));
        QTEST(shownMessage(), "message");
        QVERIFY(fx->item("messagePlate")->property("failure").toBool());
        const ProfileStore& store = fx->view()->profileStore();
        QTEST(store.dirtyList(FwGroup::Other).value(store.curProfile()).toBool(), "flagged");
    }

    // Changes not applied are marked on their menu entry and APPLY, and an action that would
    // drop them asks first: APPLY sends them to the profile they were made on, DISCARD reads
    // the profile again, CANCEL leaves everything as it was.
    void unappliedEditsAreMarkedAndSettledFirst_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<int>("rateIndex");
        QTest::addColumn<bool>("marked");
        const int apply = QMessageBox::Apply, discard = QMessageBox::Discard, cancel = QMessageBox::Cancel;
        QTest::newRow("profile, APPLY")
            << "menuProf_entry3" << apply << QByteArray("\x03\x0c\x0c\x04\x02") << 3 << false;
        QTest::newRow("profile, DISCARD") << "menuProf_entry3" << discard << QByteArray("\x02") << 3 << false;
        QTest::newRow("profile, CANCEL") << "menuProf_entry3" << cancel << QByteArray() << 2 << true;
        QTest::newRow("language, CANCEL")
            << "globalsetting_language_item4" << cancel << QByteArray() << 2 << true;
        QTest::newRow("language, DISCARD")
            << "globalsetting_language_item4" << discard << QByteArray() << 0 << false;
        QTest::newRow("close, CANCEL") << "menuUp_close" << cancel << QByteArray() << 2 << true;
        QTest::newRow("close, APPLY")
            << "menuUp_close" << apply << QByteArray("\x03\x0c\x0c\x04") << 2 << false;
    }
    void unappliedEditsAreMarkedAndSettledFirst()
    {
        QFETCH(QString, trigger);
        QFETCH(int, answer);
        QFETCH(QByteArray, codes);
        QVERIFY(startOn(1));
        QVERIFY(fx->press("menuFunc_entry3"));
        QVERIFY(!fx->item("menuFunc_entry3_mark")->isVisible());
        QVERIFY(fx->press("sensor_rate_cell2"));
        QVERIFY(fx->item("menuFunc_entry3_mark")->isVisible());
        QVERIFY(fx->item("sensor_apply_mark")->isVisible());
        if (trigger.startsWith("globalsetting")) {
            QVERIFY(fx->press("menuUp_setting"));
            QVERIFY(fx->press("globalsetting_language_button"));
        }
        sim::clearWire();
        fx->questionAnswer = QMessageBox::StandardButton(answer);
        QVERIFY(fx->press(trigger));
        QVERIFY(fx->waitFor([this] { return !fx->questions.isEmpty(); }));
        QVERIFY2(fx->questions.first().contains("SENSOR"), qPrintable(fx->questions.first()));
        fx->settle(200);
        QCOMPARE(fx->commandCodes().toHex(), codes.toHex());
        QTEST(shownRateIndex(), "rateIndex");
        QTEST(fx->item("menuFunc_entry3_mark")->isVisible(), "marked");
        const bool closing = fx->root()->property("height").toInt() < 600;
        QCOMPARE(closing, trigger == "menuUp_close" && answer != QMessageBox::Cancel);
    }

    // A setting shown but not saved is marked, and closing offers to save it, so a restart never
    // loses what looked applied.
    // A change made by another program (z4ctl) re-reads the pages, but not over unapplied edits.
    void changeFromElsewhereKeepsUnappliedEdits()
    {
        QVERIFY(startOn(1));
        QVERIFY(fx->press("menuFunc_entry3"));
        QVERIFY(fx->press("sensor_rate_cell2"));
        QMetaObject::invokeMethod(fx->root(), "rereadStore");
        fx->settle(200);
        QCOMPARE(shownRateIndex(), 2);
        QVERIFY(fx->item("sensor_apply_mark")->isVisible());
    }

    // Another program chose P03 while the page held edits of P01: the page says whose edits
    // they are, and APPLY sends them to P01, with nothing to P03.
    void editsStayWithTheirProfile()
    {
        QVERIFY(startOn(1));
        QVERIFY(fx->press("menuFunc_entry3"));
        QVERIFY(fx->press("sensor_rate_cell2"));
        sim::setCurrentProfile(3);
        QSettings("modules/setting/p_Z4.bin", QSettings::IniFormat).setValue("common/curProfile", 3);
        fx->view()->rereadStore();
        fx->settle(200);
        QVERIFY(selected("menuProf_entry3"));
        QVERIFY(fx->item("editsOfLabel")->isVisible());
        QCOMPARE(fx->item("editsOfLabel")->property("text").toString(), QStringLiteral("edits of P01"));
        sim::clearWire();
        QVERIFY(fx->press("sensor_apply"));
        for (const QList<int>& command : fx->commands())
            QVERIFY2(command.at(1) != 3, qPrintable(QString::number(command.at(0), 16)));
        QVERIFY(fx->commands().contains(QList<int> { 0x03, 1, 2 }));
    }

    void unsavedSettingsAreMarkedAndSavedOnClose()
    {
        QVERIFY(startOn(1));
        QVERIFY(fx->press("menuUp_setting"));
        QVERIFY(fx->press("globalsetting_language_button"));
        QVERIFY(fx->press("globalsetting_language_item4"));
        QVERIFY(fx->waitFor([this] { return fx->item("globalsetting_apply_mark")->isVisible(); }));
        QVERIFY(fx->press("menuUp_setting"));
        QVERIFY(fx->item("menuUp_setting_mark")->isVisible());
        fx->questionAnswer = QMessageBox::Apply;
        QVERIFY(fx->press("menuUp_close"));
        QVERIFY(fx->waitFor([this] { return !fx->questions.isEmpty(); }));
        QVERIFY(!fx->item("menuUp_setting_mark")->isVisible());
        QCOMPARE(fx->view()->loadApConfig().value(4).toInt(), 4);
    }

private:
    QString shownMessage()
    {
        QQuickItem* plate = fx->item("messagePlate");
        return plate->isVisible() ? plate->property("text").toString() : QString();
    }
    // Profile 3 polls at 1000 Hz, the others at 125 Hz, so the sensor page shows which
    // profile it last read.
    bool startOn(int deviceProfile)
    {
        return fx->start([deviceProfile] {
            for (int n = 0; n < sim::kProfiles; ++n)
                sim::setReportRate(n, n == 3 ? 1 : 8);
            sim::setCurrentProfile(deviceProfile);
        });
    }
    int shownRateIndex() { return fx->item("sensor_rate")->property("currentIndex").toInt(); }
    int curPageId() { return fx->item("main_Z4")->property("curPageId").toInt(); }
    bool selected(const QString& name) { return fx->item(name)->property("selected").toBool(); }
    bool pageAreaAtRest()
    {
        return fx->waitFor([this] { return !fx->item("pageArea")->property("sliding").toBool(); });
    }

    const QStringList pages = { "page_Keydefine", "page_Macro", "page_Color", "page_Sensor" };
    std::unique_ptr<SceneFixture> fx;
};

QTEST_MAIN(tst_SceneMenus)
#include "tst_scene_menus.moc"
