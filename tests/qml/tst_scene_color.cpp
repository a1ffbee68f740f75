// The colour page on the simulated mouse: real clicks on its controls, then what reached the
// wire and the mouse.
#include "scenefixture.h"

#include <QSettings>

namespace {
constexpr int kCurrent = 3;

void arrangeMouse()
{
    for (int p = 0; p < sim::kProfiles; ++p) {
        sim::Bytes image(sim::kBlockLength, 0);
        image[70] = 8;
        image[71] = 1; // static
        image[72] = 255;
        sim::setProfileImage(p, image);
    }
    sim::setCurrentProfile(kCurrent);
}

// The lighting defaults of profile 0 and of the current profile differ, so a reset that
// read the wrong one shows.
void arrangeDefaults()
{
    QSettings defaults(QStringLiteral("modules/setting/pD_Z4.bin"), QSettings::IniFormat);
    for (const auto& [profile, effect] : { std::pair { 0, 9 }, std::pair { kCurrent, 4 } }) {
        const QString key = QStringLiteral("profile_fw/%1").arg(profile);
        QVariantList image = defaults.value(key).toList();
        image[71] = effect;
        defaults.setValue(key, image);
    }
}

QList<QList<int>> commands()
{
    QList<QList<int>> out;
    for (const sim::Report& r : sim::wire())
        if (r.dir == sim::Dir::ToMouse && r.kind == sim::Kind::Feature && r.iface == sim::Role::Command)
            out.append({ r.bytes.at(1), r.bytes.at(2) });
    return out;
}
} // namespace

class tst_SceneColor : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { fx.reset(); }

    void applySendsColoursThenEffect();
    void defaultShowsProfileZeroWhateverIsSelected();

private:
    bool waitUnprotected() const
    {
        return fx->waitFor([this] { return !fx->root()->property("protecting").toBool(); }, 3000);
    }

    std::unique_ptr<SceneFixture> fx;
};

void tst_SceneColor::init()
{
    fx = std::make_unique<SceneFixture>();
    QVERIFY(fx->start([] {
        arrangeMouse();
        arrangeDefaults();
    }));
    QVERIFY(fx->click(QStringLiteral("menuFunc_entry2")));
    fx->settle();
    fx->markWire();
}

void tst_SceneColor::applySendsColoursThenEffect()
{
    QVERIFY(!fx->item(QStringLiteral("color_speed"))->isEnabled()); // static has no speed
    QVERIFY(fx->click(QStringLiteral("color_effect_button")));
    fx->settle();
    QVERIFY(fx->click(QStringLiteral("color_effect_item3"))); // breathing
    fx->settle();
    QVERIFY(fx->item(QStringLiteral("color_speed"))->isEnabled());
    QQuickItem* track = fx->item(QStringLiteral("color_speed_track"));
    QTest::mouseClick(
        fx->view(), Qt::LeftButton, Qt::NoModifier, track->mapToScene(QPointF(0, 10)).toPoint());
    QVERIFY(fx->click(QStringLiteral("color_group_cell1")));
    QVERIFY(fx->click(QStringLiteral("color_group_pick_strip")));
    QVERIFY(fx->click(QStringLiteral("color_apply")));
    QVERIFY(waitUnprotected());

    QCOMPARE(commands(), (QList<QList<int>> { { 0x0C, 0 }, { 0x0C, kCurrent } }));
    const sim::Bytes table = sim::profileImage(0);
    QList<int> picked;
    for (const char* field : { "_r", "_g", "_b" })
        picked << fx->item(QStringLiteral("color_group_pick") + field)->property("text").toInt();
    QCOMPARE((QList<int> { table[27], table[28], table[29] }), picked);
    const sim::Bytes image = sim::profileImage(kCurrent);
    QCOMPARE(
        (QList<int> { image[71], image[72], image[73] }), (QList<int> { 3, 255, 10 })); // slider 0 is slowest
}

void tst_SceneColor::defaultShowsProfileZeroWhateverIsSelected()
{
    QCOMPARE(fx->item(QStringLiteral("color_effect"))->property("defaultIndex").toInt(), 1);
    QVERIFY(fx->click(QStringLiteral("color_default")));
    QVERIFY(waitUnprotected());
    QCOMPARE(fx->item(QStringLiteral("color_effect"))->property("defaultIndex").toInt(), 9);
    QVERIFY(commands().isEmpty());
}

QTEST_MAIN(tst_SceneColor)
#include "tst_scene_color.moc"
