// The sensor page on the simulated mouse: real clicks on its controls, then what reached the
// wire, the mouse and the desktop's pointer settings.
#include "scenefixture.h"

// The few GIO calls needed to read the in-memory desktop settings the program wrote.
extern "C" {
struct _GSettings;
_GSettings* g_settings_new(const char* schema);
double g_settings_get_double(_GSettings* settings, const char* key);
int g_settings_get_int(_GSettings* settings, const char* key);
void g_object_unref(void* object);
}

namespace {
constexpr int kCurrent = 1;
const std::vector<int> kCodes { 3, 7, 11, 15, 19, 23, 31, 63 }; // 400 ... 6400 DPI, not the defaults

sim::Bytes profileImage(int maxStage, const std::vector<int>& codes)
{
    sim::Bytes image(sim::kBlockLength, 0);
    image[70] = uchar(maxStage);
    for (size_t i = 0; i < 8; ++i)
        image[84 + i] = image[92 + i] = uchar(codes[i]);
    return image;
}

void arrangeMouse(int maxStage = 8, int lighting = 1)
{
    for (int p = 0; p < sim::kProfiles; ++p) {
        sim::setProfileImage(p, profileImage(maxStage, kCodes));
        sim::setReportRate(p, 2);
        sim::setDpiStage(p, 2);
    }
    sim::Bytes third = profileImage(maxStage, kCodes);
    third[71] = 5; // wave
    sim::setProfileImage(3, third);
    sim::setReportRate(3, 4);
    sim::setCurrentProfile(kCurrent);
    sim::setLightingType(lighting);
}

// Each command packet sent since the mark, as code, profile and first value.
QList<QList<int>> commands()
{
    QList<QList<int>> out;
    for (const sim::Report& r : sim::wire())
        if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature && r.iface == sim::Role::Command)
            out.append({ r.bytes.at(1), r.bytes.at(2), r.bytes.at(3) });
    return out;
}

std::vector<int> stageTable(int profile)
{
    const sim::Bytes image = sim::profileImage(profile);
    return std::vector<int>(image.begin() + 84, image.begin() + 100);
}
} // namespace

class tst_SceneSensor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("GSETTINGS_BACKEND", "memory"); }
    void cleanup() { fx.reset(); }

    void rateStagesAndActiveStageGoOutInOrder();
    void indicatorListFollowsLedType_data();
    void indicatorListFollowsLedType();
    void hiddenStagesAreInertButSent();
    void pointerSettingsReachTheDesktop();
    void defaultShowsWhatProfileResetShows();
    void allResetShowsDefaultsAndSendsNothingUntilAllSave();
    void profileSwitchRereadsBothPages();

private:
    void start(int maxStage = 8, int lighting = 1);
    void apply();
    QVariant shown(const QString& name, const char* property) { return fx->item(name)->property(property); }
    QStringList stageTexts()
    {
        QStringList texts;
        for (int i = 0; i < 8; ++i)
            texts << shown(QStringLiteral("sensor_dpi_cell%1").arg(i), "text").toString();
        return texts;
    }
    void releaseOnTrack(const QString& name, int index, int segments);

    std::unique_ptr<SceneFixture> fx;
};

void tst_SceneSensor::start(int maxStage, int lighting)
{
    fx = std::make_unique<SceneFixture>();
    QVERIFY(fx->start([=] { arrangeMouse(maxStage, lighting); }));
    QVERIFY(fx->click(QStringLiteral("menuFunc_entry3")));
    fx->settle();
    fx->markWire();
}

// Waits out the protect interval the button started, so later clicks are not swallowed.
void tst_SceneSensor::apply()
{
    QVERIFY(fx->click(QStringLiteral("sensor_apply")));
    QVERIFY(fx->waitFor([this] { return !fx->root()->property("protecting").toBool(); }, 3000));
}

void tst_SceneSensor::releaseOnTrack(const QString& name, int index, int segments)
{
    QQuickItem* track = fx->item(name + QStringLiteral("_track"));
    QVERIFY(track);
    const qreal x = (index + 0.5) / segments * (track->width() - 1);
    const QPoint at = track->mapToScene(QPointF(x, track->height() / 2)).toPoint();
    QTest::mouseClick(fx->view(), Qt::LeftButton, Qt::NoModifier, at);
}

void tst_SceneSensor::rateStagesAndActiveStageGoOutInOrder()
{
    start();
    QCOMPARE(shown(QStringLiteral("sensor_rate"), "currentIndex").toInt(), 2); // byte 2 is 500 Hz
    QCOMPARE(shown(QStringLiteral("sensor_dpi_cell0"), "text").toString(), QStringLiteral("400"));
    QVERIFY(fx->click(QStringLiteral("sensor_rate_cell0")));
    QVERIFY(fx->click(QStringLiteral("sensor_dpi_arrow2")));
    fx->settle();
    QVERIFY(fx->click(QStringLiteral("sensor_dpi_choice5"))); // 2000 DPI
    fx->settle();
    QVERIFY(fx->click(QStringLiteral("sensor_dpi_cell3")));
    apply();

    const QList<QList<int>> sent = commands();
    QCOMPARE(sent.size(), 4);
    QCOMPARE(sent.first(), (QList<int> { 0x03, kCurrent, 8 }));
    QCOMPARE(sent.at(1).first(), 0x0C);
    QCOMPARE(sent.at(2).mid(0, 2), (QList<int> { 0x0C, kCurrent }));
    QCOMPARE(sent.last(), (QList<int> { 0x04, kCurrent, 4 }));
    const std::vector<int> row { 3, 7, 19, 15, 19, 23, 31, 63 };
    std::vector<int> both = row;
    both.insert(both.end(), row.begin(), row.end());
    QCOMPARE(stageTable(kCurrent), both);
    QCOMPARE(sim::reportRate(kCurrent), 8);
}

void tst_SceneSensor::indicatorListFollowsLedType_data()
{
    QTest::addColumn<int>("lighting");
    QTest::addColumn<int>("indicatorProfile"); // which image carries the indicator list
    QTest::newRow("eight colours: indices in profile 0") << 0 << 0;
    QTest::newRow("RGB: 24 numbers in the current profile") << 1 << kCurrent;
}

void tst_SceneSensor::indicatorListFollowsLedType()
{
    QFETCH(int, lighting);
    QFETCH(int, indicatorProfile);
    start(8, lighting);
    QCOMPARE(fx->item(QStringLiteral("sensor_eight"))->isVisible(), lighting == 0);
    QCOMPARE(fx->item(QStringLiteral("sensor_color_pick"))->isVisible(), lighting != 0);
    QVERIFY(fx->click(QStringLiteral("sensor_color_cell2")));
    if (lighting == 0)
        QVERIFY(fx->click(QStringLiteral("sensor_eight_color5")));
    else
        QVERIFY(fx->click(QStringLiteral("sensor_color_pick_strip")));
    apply();

    const QList<QList<int>> sent = commands();
    QCOMPARE(sent.size(), 4);
    QCOMPARE(sent.at(1).mid(0, 2), (QList<int> { 0x0C, indicatorProfile }));
    const sim::Bytes image = sim::profileImage(indicatorProfile);
    if (lighting == 0) {
        QCOMPARE(int(image[16 + 2]), 5);
        return;
    }
    QList<int> picked; // what the fields show is what the mouse got
    for (const char* field : { "_r", "_g", "_b" })
        picked << shown(QStringLiteral("sensor_color_pick") + field, "text").toInt();
    QCOMPARE((QList<int> { image[104 + 6], image[105 + 6], image[106 + 6] }), picked);
    QVERIFY(picked != (QList<int> { 0, 0, 0 })); // the colour did change
}

void tst_SceneSensor::hiddenStagesAreInertButSent()
{
    start(5);
    QVERIFY(!fx->item(QStringLiteral("sensor_dpi_cell5"))->isVisible());
    const QPointF hidden = fx->item(QStringLiteral("sensor_dpi_cell6"))->mapToScene(QPointF(20, 10));
    QTest::mouseClick(fx->view(), Qt::LeftButton, Qt::NoModifier, hidden.toPoint());
    QCOMPARE(shown(QStringLiteral("sensor_dpi"), "currentIndex").toInt(), 1);
    apply();
    std::vector<int> both = kCodes;
    both.insert(both.end(), kCodes.begin(), kCodes.end());
    QCOMPARE(stageTable(kCurrent), both);
    QCOMPARE(sim::dpiStage(kCurrent), 2);
}

void tst_SceneSensor::pointerSettingsReachTheDesktop()
{
    start();
    releaseOnTrack(QStringLiteral("sensor_cursorSpeed"), 7, 11);
    releaseOnTrack(QStringLiteral("sensor_doubleClick"), 3, 11);
    QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed"); // no such desktop key
    apply();
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
    QVERIFY(fx->click(QStringLiteral("sensor_default")));
    QVERIFY(fx->waitFor([this] { return !fx->root()->property("protecting").toBool(); }, 3000));
    const QStringList afterDefault = stageTexts();
    QCOMPARE(afterDefault.at(2), QStringLiteral("1600"));
    fx->view()->z4_resetProfile(kCurrent);
    QMetaObject::invokeMethod(fx->item(QStringLiteral("page_Sensor")), "initUI");
    QCOMPARE(stageTexts(), afterDefault);
}

void tst_SceneSensor::allResetShowsDefaultsAndSendsNothingUntilAllSave()
{
    start();
    QVERIFY(fx->click(QStringLiteral("sensor_rate_cell3")));
    QVERIFY(fx->click(QStringLiteral("menuDown_reset")));
    QVERIFY(fx->waitFor([this] { return !fx->root()->property("protecting").toBool(); }, 3000));
    QCOMPARE(shown(QStringLiteral("sensor_rate"), "currentIndex").toInt(), 2);
    QVERIFY(commands().isEmpty());
    QVERIFY(fx->click(QStringLiteral("menuDown_save")));
    QVERIFY(fx->waitFor([this] { return !fx->root()->property("protecting").toBool(); }, 5000));
    QVERIFY(commands().contains(QList<int> { 0x03, kCurrent, 2 }));
    QVERIFY(commands().contains(QList<int> { 0x04, kCurrent, 2 }));
}

void tst_SceneSensor::profileSwitchRereadsBothPages()
{
    start();
    QVERIFY(fx->click(QStringLiteral("menuProf_entry3")));
    fx->settle();
    QCOMPARE(shown(QStringLiteral("sensor_rate"), "currentIndex").toInt(), 1); // byte 4
    QCOMPARE(shown(QStringLiteral("color_effect"), "defaultIndex").toInt(), 5);
}

QTEST_MAIN(tst_SceneSensor)
#include "tst_scene_sensor.moc"
