// The sensor and colour pages on the simulated mouse: real clicks on their controls, then what
// reached the wire, the mouse and the desktop's pointer settings.
#include "scenefixture.h"

#include <QSettings>

// The few GIO calls needed to read the in-memory desktop settings the program wrote.
extern "C" {
struct _GSettings;
_GSettings* g_settings_new(const char* schema);
double g_settings_get_double(_GSettings* settings, const char* key);
int g_settings_get_int(_GSettings* settings, const char* key);
void g_object_unref(void* object);
}

namespace {
using Commands = QList<QList<int>>;
constexpr int kCurrent = 1;
const std::vector<int> kCodes { 3, 7, 11, 15, 19, 23, 31, 63 }; // not the default stages

// Profile 3 has wave lighting and 1000 Hz, the others static and 500 Hz; `effect` >= 0 gives
// every profile that lighting effect instead.
void arrangeMouse(int maxStage, int lighting, int effect)
{
    for (int p = 0; p < sim::kProfiles; ++p) {
        sim::Bytes image(sim::kBlockLength, 0);
        image[70] = uchar(maxStage);
        image[71] = effect >= 0 ? effect : p == 3 ? 5 : 1;
        image[72] = 255;
        std::copy(kCodes.begin(), kCodes.end(), image.begin() + 84);
        std::copy(kCodes.begin(), kCodes.end(), image.begin() + 92);
        sim::setProfileImage(p, image);
        sim::setReportRate(p, p == 3 ? 4 : 2);
        sim::setDpiStage(p, 2);
    }
    sim::setCurrentProfile(kCurrent);
    sim::setLightingType(lighting);
    // Profile 0's default effect (9) differs from every stored one.
    QSettings defaults(QStringLiteral("modules/setting/pD_Z4.bin"), QSettings::IniFormat);
    QVariantList image = defaults.value(QStringLiteral("profile_fw/0")).toList();
    image[71] = 9;
    defaults.setValue(QStringLiteral("profile_fw/0"), image);
}
} // namespace

class tst_SceneSensorColor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("GSETTINGS_BACKEND", "memory"); }
    void cleanup() { fx.reset(); }

    void sensorApplySendsRateIndicatorStagesThenActiveStage_data()
    {
        QTest::addColumn<int>("lighting");
        QTest::addColumn<int>("maxStage");
        QTest::newRow("eight colours: indices in profile 0") << 0 << 8;
        QTest::newRow("RGB: 24 numbers in the current profile") << 1 << 8;
        QTest::newRow("five stages: the rest hidden, all sent") << 1 << 5;
    }
    void sensorApplySendsRateIndicatorStagesThenActiveStage()
    {
        QFETCH(int, lighting);
        QFETCH(int, maxStage);
        start(3, maxStage, lighting);
        QCOMPARE(shown(QStringLiteral("sensor_rate")), 2); // byte 2 is 500 Hz
        QCOMPARE(stageValues().at(1).toInt(), 800);
        QCOMPARE(fx->item(QStringLiteral("sensor_dpi_cell5"))->isVisible(), maxStage > 5);
        QVERIFY(fx->press(QStringLiteral("sensor_dpi_cell6"), 10)); // inert when hidden
        QCOMPARE(shown(QStringLiteral("sensor_dpi")), maxStage > 6 ? 6 : 1);
        for (const char* name : { "sensor_rate_cell0", "sensor_dpi_arrow2", "sensor_dpi_choice5",
                 "sensor_dpi_cell3", "sensor_color_cell2",
                 lighting == 0 ? "sensor_eight_color5" : "sensor_color_pick_strip", "sensor_apply" })
            QVERIFY(fx->press(QLatin1String(name)));

        const int indicatorProfile = lighting == 0 ? 0 : kCurrent;
        QCOMPARE(fx->commands(),
            (Commands { { 0x03, kCurrent, 8 }, { 0x0C, indicatorProfile, 0x80 }, { 0x0C, kCurrent, 0x80 },
                { 0x04, kCurrent, 4 } }));
        const sim::Bytes image = sim::profileImage(kCurrent);
        const std::vector<int> row { 3, 7, 19, 15, 19, 23, 31, 63 }; // 2000 DPI in stage 2
        QCOMPARE(std::vector<int>(image.begin() + 84, image.begin() + 92), row);
        QCOMPARE(std::vector<int>(image.begin() + 92, image.begin() + 100), row);
        if (lighting == 0)
            QCOMPARE(int(sim::profileImage(0)[16 + 2]), 5);
        else // the picker's fields follow the page after the write, on a later turn of the loop
            QTRY_COMPARE(fx->rgbTexts(QStringLiteral("sensor_color_pick")),
                (QStringList {
                    QString::number(image[110]), QString::number(image[111]), QString::number(image[112]) }));
    }
    void pointerSettingsReachTheDesktop()
    {
        start(3);
        const qreal width = fx->item(QStringLiteral("sensor_cursorSpeed_track"))->width() - 1;
        QVERIFY(fx->press(QStringLiteral("sensor_cursorSpeed_track"), 7.5 / 11 * width));
        QVERIFY(fx->press(QStringLiteral("sensor_doubleClick_track"), 3.5 / 11 * width));
        QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed"); // no such desktop key
        QVERIFY(fx->press(QStringLiteral("sensor_apply")));
        _GSettings* mouse = g_settings_new("org.gnome.desktop.peripherals.mouse");
        QVERIFY(qAbs(g_settings_get_double(mouse, "speed") - 0.4) < 1e-9); // position 7: 14 of 20
        QCOMPARE(g_settings_get_int(mouse, "double-click"), 900 - 70 * 3);
        g_object_unref(mouse);
        QCOMPARE(fx->view()->getCursorSpeed(), 7u);
    }
    // The default file holds stage codes as the mouse does; DEFAULT reads them like a read-back.
    void sensorDefaultShowsWhatProfileResetShows()
    {
        start(3);
        QVERIFY(fx->press(QStringLiteral("sensor_default")));
        const QVariantList afterDefault = stageValues();
        QCOMPARE(afterDefault.at(2).toInt(), 1600);
        fx->view()->z4_resetProfile(kCurrent);
        QCOMPARE(stageValues(), afterDefault);
        QVERIFY(fx->commands().isEmpty());
    }
    void allResetShowsDefaultsAndSendsNothingUntilAllSave()
    {
        start(3);
        QVERIFY(fx->press(QStringLiteral("sensor_rate_cell3")));
        QVERIFY(fx->press(QStringLiteral("menuDown_reset")));
        QCOMPARE(shown(QStringLiteral("sensor_rate")), 2);
        QVERIFY(fx->commands().isEmpty());
        QVERIFY(fx->press(QStringLiteral("menuDown_save")));
        QVERIFY(fx->commands().contains(QList<int> { 0x03, kCurrent, 2 }));
        QVERIFY(fx->commands().contains(QList<int> { 0x04, kCurrent, 2 }));
    }
    void profileSwitchRereadsBothPages()
    {
        start(3);
        QVERIFY(fx->press(QStringLiteral("menuProf_entry3")));
        QCOMPARE(sim::currentProfile(), 3);
        QCOMPARE(shown(QStringLiteral("sensor_rate")), 1); // byte 4
        QCOMPARE(shown(QStringLiteral("color_effect"), "defaultIndex"), 5);
    }
    void colorApplySendsColoursThenEffect()
    {
        start(2, 8, 1, 1);
        QVERIFY(!fx->item(QStringLiteral("color_speed"))->isEnabled()); // static has no speed
        QVERIFY(fx->press(QStringLiteral("color_effect_button")));
        QVERIFY(fx->press(QStringLiteral("color_effect_item3"))); // breathing
        QVERIFY(fx->item(QStringLiteral("color_speed"))->isEnabled());
        QVERIFY(fx->press(QStringLiteral("color_speed_track"), 0));
        QVERIFY(fx->press(QStringLiteral("color_group_cell1")));
        QVERIFY(fx->press(QStringLiteral("color_group_pick_strip")));
        QVERIFY(fx->press(QStringLiteral("color_apply")));

        QCOMPARE(fx->commands(), (Commands { { 0x0C, 0, 0x80 }, { 0x0C, kCurrent, 0x80 } }));
        const sim::Bytes table = sim::profileImage(0);
        QCOMPARE(fx->rgbTexts(QStringLiteral("color_group_pick")),
            (QStringList {
                QString::number(table[27]), QString::number(table[28]), QString::number(table[29]) }));
        const sim::Bytes image = sim::profileImage(kCurrent);
        QCOMPARE((QList<int> { image[71], image[72], image[73] }),
            (QList<int> { 3, 255, 10 })); // slider 0: slowest
    }
    // The preview plays what the page shows before APPLY, sends nothing, and draws no frames
    // while the page is out of sight; the sensor picture lights the active stage's colour.
    void previewFollowsThePageAndStopsOutOfSight()
    {
        start(2, 8, 1, 1);
        QVERIFY(fx->press(QStringLiteral("color_group_pick_strip"))); // cell 0 of the static effect
        QCOMPARE(zone(0), asInts(fx->rgbTexts(QStringLiteral("color_group_pick"))));
        QVERIFY(!playing());
        QVERIFY(fx->press(QStringLiteral("color_brightness_track"), 0));
        QCOMPARE(zone(0), (QVariantList { 0, 0, 0 }));
        QCOMPARE(
            fx->item(QStringLiteral("color_preview_wheel"))->property("color").value<QColor>().alpha(), 0);
        QVERIFY(fx->press(QStringLiteral("color_effect_button")));
        QVERIFY(fx->press(QStringLiteral("color_effect_item5"))); // wave moves
        QVERIFY(fx->waitFor([this] { return time() > 100; }));

        for (const char* away : { "menuFunc_entry3", "menuUp_setting", "minimise" }) {
            if (qstrcmp(away, "minimise") == 0)
                fx->view()->window()->showMinimized();
            else
                QVERIFY(fx->press(QLatin1String(away)));
            QVERIFY2(!playing(), away);
            const double before = time();
            QTest::qWait(150);
            QCOMPARE(time(), before);
            if (qstrcmp(away, "menuFunc_entry3") == 0) {
                QVERIFY(fx->press(QStringLiteral("sensor_default")));
                QVERIFY(fx->press(QStringLiteral("sensor_dpi_cell3")));
                QCOMPARE(fx->item(QStringLiteral("sensor_preview_dpi"))->property("color").value<QColor>(),
                    QColor(255, 0, 255)); // stage 3's default indicator colour
                QVERIFY(fx->press(QStringLiteral("menuFunc_entry2")));
            } else if (qstrcmp(away, "menuUp_setting") == 0) {
                QVERIFY(fx->press(QLatin1String(away)));
            } else {
                fx->view()->window()->showNormal();
            }
            QVERIFY2(fx->waitFor([this] { return playing(); }), away);
        }
        QVERIFY(fx->press(QStringLiteral("color_default"))); // profile 0's yo-yo, factory colours
        QCOMPARE(preview("effectId"), QVariant(9));
        QCOMPARE(preview("cells").toList().at(0), QVariant(QVariantList { 255, 0, 0 }));
        QVERIFY(fx->commands().isEmpty());
        fx->questionAnswer = QMessageBox::Discard;
        QVERIFY(fx->press(QStringLiteral("menuProf_entry3"))); // static and a blank colour table
        QCOMPARE(preview("effectId"), QVariant(1));
        QCOMPARE(preview("cells").toList().at(0), QVariant(QVariantList { 0, 0, 0 }));
    }
    // An effect the drop-down does not offer stays on the mouse; DEFAULT then shows profile 0's
    // lighting although another profile is selected, and sends nothing.
    void unofferedEffectStaysAndDefaultReadsProfileZero()
    {
        start(2, 8, 1, 42);
        QCOMPARE(shown(QStringLiteral("color_effect"), "defaultIndex"), -1);
        QVERIFY(!fx->item(QStringLiteral("color_group"))->isEnabled());
        QVERIFY(fx->press(QStringLiteral("color_apply")));
        QCOMPARE(fx->commands(), (Commands { { 0x0C, 0, 0x80 } }));
        QCOMPARE(int(sim::profileImage(kCurrent)[71]), 42);
        sim::clearWire();
        QVERIFY(fx->press(QStringLiteral("color_default")));
        QCOMPARE(shown(QStringLiteral("color_effect"), "defaultIndex"), 9);
        QVERIFY(fx->commands().isEmpty());
    }

private:
    // Opens the sensor page (menu entry 3) or the colour page (entry 2).
    void start(int page, int maxStage = 8, int lighting = 1, int effect = -1)
    {
        fx = std::make_unique<SceneFixture>();
        QVERIFY(fx->start([=] { arrangeMouse(maxStage, lighting, effect); }));
        QVERIFY(fx->press(QStringLiteral("menuFunc_entry%1").arg(page)));
        sim::clearWire();
    }
    int shown(const QString& name, const char* property = "currentIndex")
    {
        return fx->value(name, property).toInt();
    }
    QVariantList zone(int index) { return preview("zoneColors").toList().at(index).toList(); }
    QVariant preview(const char* property) { return fx->value(QStringLiteral("color_preview"), property); }
    bool playing() { return preview("playing").toBool(); }
    double time() { return preview("time").toDouble(); }
    static QVariantList asInts(const QStringList& texts)
    {
        QVariantList out;
        for (const QString& text : texts)
            out << text.toInt();
        return out;
    }
    QVariantList stageValues() { return fx->value(QStringLiteral("sensor_dpi"), "valueForIndex").toList(); }

    std::unique_ptr<SceneFixture> fx;
};

QTEST_MAIN(tst_SceneSensorColor)
#include "tst_scene_sensorcolor.moc"
