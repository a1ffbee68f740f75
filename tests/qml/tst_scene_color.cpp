// The colour page on the simulated mouse: real clicks on its controls, then what reached the
// wire and the mouse.
#include "tst_scene_sensorcolor.h"

#include <QSettings>

using pagetest::commands;

namespace {
constexpr int kCurrent = 3;

void arrangeMouse(int effect)
{
    for (int p = 0; p < sim::kProfiles; ++p) {
        sim::Bytes image(sim::kBlockLength, 0);
        image[70] = 8;
        image[71] = uchar(effect);
        image[72] = 255;
        sim::setProfileImage(p, image);
    }
    sim::setCurrentProfile(kCurrent);
    // Profile 0's default effect (9) differs from the current profile's (3).
    QSettings defaults(QStringLiteral("modules/setting/pD_Z4.bin"), QSettings::IniFormat);
    QVariantList image = defaults.value(QStringLiteral("profile_fw/0")).toList();
    image[71] = 9;
    defaults.setValue(QStringLiteral("profile_fw/0"), image);
}
} // namespace

class tst_SceneColor : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { fx.reset(); }

    void applySendsColoursThenEffect();
    void unofferedEffectStaysAndDefaultReadsProfileZero();

private:
    void start(int effect)
    {
        fx = std::make_unique<SceneFixture>();
        QVERIFY(fx->start([=] { arrangeMouse(effect); }));
        QVERIFY(press(QStringLiteral("menuFunc_entry2")));
        fx->markWire();
    }
    bool press(const QString& name, qreal x = -1) { return pagetest::press(*fx, name, x); }
    int shownEffect() { return fx->item(QStringLiteral("color_effect"))->property("defaultIndex").toInt(); }

    std::unique_ptr<SceneFixture> fx;
};

void tst_SceneColor::applySendsColoursThenEffect()
{
    start(1);
    QVERIFY(!fx->item(QStringLiteral("color_speed"))->isEnabled()); // static has no speed
    QVERIFY(press(QStringLiteral("color_effect_button")));
    QVERIFY(press(QStringLiteral("color_effect_item3"))); // breathing
    QVERIFY(fx->item(QStringLiteral("color_speed"))->isEnabled());
    QVERIFY(press(QStringLiteral("color_speed_track"), 0));
    QVERIFY(press(QStringLiteral("color_group_cell1")));
    QVERIFY(press(QStringLiteral("color_group_pick_strip")));
    QVERIFY(press(QStringLiteral("color_apply")));

    QCOMPARE(commands(), (QList<QList<int>> { { 0x0C, 0, 0x80 }, { 0x0C, kCurrent, 0x80 } }));
    const sim::Bytes table = sim::profileImage(0);
    QCOMPARE(pagetest::fieldTexts(*fx, QStringLiteral("color_group_pick")),
        (QStringList { QString::number(table[27]), QString::number(table[28]), QString::number(table[29]) }));
    const sim::Bytes image = sim::profileImage(kCurrent);
    QCOMPARE(
        (QList<int> { image[71], image[72], image[73] }), (QList<int> { 3, 255, 10 })); // slider 0: slowest
}

// An effect the drop-down does not offer stays on the mouse; DEFAULT then shows profile 0's
// lighting although profile 3 is selected, and sends nothing.
void tst_SceneColor::unofferedEffectStaysAndDefaultReadsProfileZero()
{
    start(42);
    QCOMPARE(shownEffect(), -1);
    QVERIFY(!fx->item(QStringLiteral("color_group"))->isEnabled());
    QVERIFY(press(QStringLiteral("color_apply")));
    QCOMPARE(commands(), (QList<QList<int>> { { 0x0C, 0, 0x80 } }));
    QCOMPARE(int(sim::profileImage(kCurrent)[71]), 42);
    fx->markWire();
    QVERIFY(press(QStringLiteral("color_default")));
    QCOMPARE(shownEffect(), 9);
    QVERIFY(commands().isEmpty());
}

QTEST_MAIN(tst_SceneColor)
#include "tst_scene_color.moc"
