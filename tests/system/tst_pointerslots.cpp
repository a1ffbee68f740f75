// The bridge's pointer slots: the current profile's list in the live profile file, and the
// desktop's settings through in-memory GSettings.
#include <gio/gio.h>

#include "bridge/myqquickview.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

namespace {
const QString liveFile = QStringLiteral("modules/setting/p_Z4.bin");

double desktopSpeed()
{
    GSettings* settings = g_settings_new("org.gnome.desktop.peripherals.mouse");
    const double speed = g_settings_get_double(settings, "speed");
    g_object_unref(settings);
    return speed;
}
} // namespace

class tst_PointerSlots : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::WorkDir> work;
    std::unique_ptr<myQQuickView> view;

private slots:
    void initTestCase() { qputenv("GSETTINGS_BACKEND", "memory"); }
    void init()
    {
        work = std::make_unique<testsupport::WorkDir>();
        QVERIFY(work->write(liveFile,
            "[common]\ncurProfile=1\n[profile_sw]\n0=false, 1, 1, 1\n1=true, 4, 2, 6\n3=false, 9, 8, 7\n"));
        view = std::make_unique<myQQuickView>();
    }
    void cleanup()
    {
        view.reset();
        work.reset();
    }
    // The current profile's list, in the live file, through the desktop's settings.
    void settersApplyAndStore()
    {
        view->setCursorSpeed(0);
        QVERIFY(qAbs(desktopSpeed() + 0.9) < 1e-9);
        view.reset(); // the file reaches the disk when the store closes it
        QCOMPARE(
            QSettings(liveFile, QSettings::IniFormat).value(QStringLiteral("profile_sw/1")).toStringList(),
            (QStringList { "true", "0", "2", "6" }));
    }
    void profileSwitchChangesTheGetters()
    {
        QCOMPARE(view->getCursorSpeed(), 4u);
        view->z4_02H_SetCurrentProfile(3);
        QCOMPARE(view->getAcceleration(), false);
        QCOMPARE(view->getCursorSpeed(), 9u);
        QCOMPARE(view->getVerticalScrollLines(), 8u);
        QCOMPARE(view->getDoubleClickSpeed(), 7u);
        view->setDoubleClickSpeed(2);
        view->z4_02H_SetCurrentProfile(1);
        QCOMPARE(view->getDoubleClickSpeed(), 6u);
    }
};

QTEST_MAIN(tst_PointerSlots)
#include "tst_pointerslots.moc"
