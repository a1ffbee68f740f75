// The sensor page on the simulated mouse: real clicks on its controls, then what reached the
// wire, the mouse and the desktop's pointer settings.
#include "tst_scene_sensorcolor.h"

// The few GIO calls needed to read the in-memory desktop settings the program wrote.
extern "C" {
struct _GSettings;
_GSettings* g_settings_new(const char* schema);
double g_settings_get_double(_GSettings* settings, const char* key);
int g_settings_get_int(_GSettings* settings, const char* key);
void g_object_unref(void* object);
}

using pagetest::commands;

namespace {
constexpr int kCurrent = 1;
const std::vector<int> kCodes { 3, 7, 11, 15, 19, 23, 31, 63 }; // not the default stages

void arrangeMouse(int maxStage, int lighting)
{
    for (int p = 0; p < sim::kProfiles; ++p) {
        sim::Bytes image(sim::kBlockLength, 0);
        image[70] = uchar(maxStage);
        image[71] = p == 3 ? 5 : 1; // wave in profile 3, static elsewhere
        std::copy(kCodes.begin(), kCodes.end(), image.begin() + 84);
        std::copy(kCodes.begin(), kCodes.end(), image.begin() + 92);
        sim::setProfileImage(p, image);
        sim::setReportRate(p, p == 3 ? 4 : 2);
        sim::setDpiStage(p, 2);
    }
    sim::setCurrentProfile(kCurrent);
    sim::setLightingType(lighting);
}
} // namespace

class tst_SceneSensor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("GSETTINGS_BACKEND", "memory"); }
    void cleanup() { fx.reset(); }

    void applySendsRateIndicatorStagesThenActiveStage_data();
    void applySendsRateIndicatorStagesThenActiveStage();
    void pointerSettingsReachTheDesktop();
    void defaultShowsWhatProfileResetShows();
    void allResetShowsDefaultsAndSendsNothingUntilAllSave();
    void profileSwitchRereadsBothPages();

private:
    void start(int maxStage = 8, int lighting = 1)
    {
        fx = std::make_unique<SceneFixture>();
        QVERIFY(fx->start([=] { arrangeMouse(maxStage, lighting); }));
        QVERIFY(press(QStringLiteral("menuFunc_entry3")));
        fx->markWire();
    }
    bool press(const QString& name, qreal x = -1) { return pagetest::press(*fx, name, x); }
    int shownIndex(const QString& name) { return fx->item(name)->property("currentIndex").toInt(); }
    QVariantList stageValues()
    {
        return fx->item(QStringLiteral("sensor_dpi"))
            ->property("valueForIndex")
            .value<QJSValue>()
            .toVariant()
            .toList();
    }

    std::unique_ptr<SceneFixture> fx;
};

void tst_SceneSensor::applySendsRateIndicatorStagesThenActiveStage_data()
{
    QTest::addColumn<int>("lighting");
    QTest::addColumn<int>("maxStage");
    QTest::newRow("eight colours: indices in profile 0") << 0 << 8;
    QTest::newRow("RGB: 24 numbers in the current profile") << 1 << 8;
    QTest::newRow("five stages: the rest hidden, all sent") << 1 << 5;
}

void tst_SceneSensor::applySendsRateIndicatorStagesThenActiveStage()
{
    QFETCH(int, lighting);
    QFETCH(int, maxStage);
    start(maxStage, lighting);
    QCOMPARE(shownIndex(QStringLiteral("sensor_rate")), 2); // byte 2 is 500 Hz
    QCOMPARE(stageValues().at(1).toInt(), 800);
    QCOMPARE(fx->item(QStringLiteral("sensor_dpi_cell5"))->isVisible(), maxStage > 5);
    QVERIFY(press(QStringLiteral("sensor_dpi_cell6"), 10)); // inert when hidden
    QCOMPARE(shownIndex(QStringLiteral("sensor_dpi")), maxStage > 6 ? 6 : 1);
    for (const char* name : { "sensor_rate_cell0", "sensor_dpi_arrow2", "sensor_dpi_choice5",
             "sensor_dpi_cell3", "sensor_color_cell2",
             lighting == 0 ? "sensor_eight_color5" : "sensor_color_pick_strip", "sensor_apply" })
        QVERIFY(press(QLatin1String(name)));

    const int indicatorProfile = lighting == 0 ? 0 : kCurrent;
    QCOMPARE(commands(),
        (QList<QList<int>> { { 0x03, kCurrent, 8 }, { 0x0C, indicatorProfile, 0x80 },
            { 0x0C, kCurrent, 0x80 }, { 0x04, kCurrent, 4 } }));
    const sim::Bytes image = sim::profileImage(kCurrent);
    const std::vector<int> row { 3, 7, 19, 15, 19, 23, 31, 63 }; // 2000 DPI in stage 2
    QCOMPARE(std::vector<int>(image.begin() + 84, image.begin() + 92), row);
    QCOMPARE(std::vector<int>(image.begin() + 92, image.begin() + 100), row);
    if (lighting == 0)
        QCOMPARE(int(sim::profileImage(0)[16 + 2]), 5);
    else
        QCOMPARE(pagetest::fieldTexts(*fx, QStringLiteral("sensor_color_pick")),
            (QStringList {
                QString::number(image[110]), QString::number(image[111]), QString::number(image[112]) }));
}

void tst_SceneSensor::pointerSettingsReachTheDesktop()
{
    start();
    const qreal width = fx->item(QStringLiteral("sensor_cursorSpeed_track"))->width() - 1;
    QVERIFY(press(QStringLiteral("sensor_cursorSpeed_track"), 7.5 / 11 * width));
    QVERIFY(press(QStringLiteral("sensor_doubleClick_track"), 3.5 / 11 * width));
    QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed"); // no such desktop key
    QVERIFY(press(QStringLiteral("sensor_apply")));
    _GSettings* mouse = g_settings_new("org.gnome.desktop.peripherals.mouse");
    QVERIFY(qAbs(g_settings_get_double(mouse, "speed") - 0.4) < 1e-9); // position 7: 14 of 20
    QCOMPARE(g_settings_get_int(mouse, "double-click"), 900 - 70 * 3);
    g_object_unref(mouse);
    QCOMPARE(fx->view()->getCursorSpeed(), 7u);
}

// The default file holds stage codes as the mouse does; DEFAULT reads them like a read-back.
void tst_SceneSensor::defaultShowsWhatProfileResetShows()
{
    start();
    QVERIFY(press(QStringLiteral("sensor_default")));
    const QVariantList afterDefault = stageValues();
    QCOMPARE(afterDefault.at(2).toInt(), 1600);
    fx->view()->z4_resetProfile(kCurrent);
    QMetaObject::invokeMethod(fx->item(QStringLiteral("page_Sensor")), "initUI");
    QCOMPARE(stageValues(), afterDefault);
    QVERIFY(commands().isEmpty());
}

void tst_SceneSensor::allResetShowsDefaultsAndSendsNothingUntilAllSave()
{
    start();
    QVERIFY(press(QStringLiteral("sensor_rate_cell3")));
    QVERIFY(press(QStringLiteral("menuDown_reset")));
    QCOMPARE(shownIndex(QStringLiteral("sensor_rate")), 2);
    QVERIFY(commands().isEmpty());
    QVERIFY(press(QStringLiteral("menuDown_save")));
    QVERIFY(commands().contains(QList<int> { 0x03, kCurrent, 2 }));
    QVERIFY(commands().contains(QList<int> { 0x04, kCurrent, 2 }));
}

void tst_SceneSensor::profileSwitchRereadsBothPages()
{
    start();
    QVERIFY(press(QStringLiteral("menuProf_entry3")));
    QCOMPARE(shownIndex(QStringLiteral("sensor_rate")), 1); // byte 4
    QCOMPARE(fx->item(QStringLiteral("color_effect"))->property("defaultIndex").toInt(), 5);
}

QTEST_MAIN(tst_SceneSensor)
#include "tst_scene_sensor.moc"
