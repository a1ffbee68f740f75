// The Linux pointer backend against real GSettings, kept in memory so the machine's own
// settings are never touched.
// GIO first: its headers use a member name that Qt defines as a macro.
#include <gio/gio.h>

#include "system/pointerbackend.h"

#include <QTest>

namespace {
constexpr const char* schemaId = "org.gnome.desktop.peripherals.mouse";

bool schemaInstalled()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, schemaId, TRUE) : nullptr;
    if (schema)
        g_settings_schema_unref(schema);
    return schema != nullptr;
}

// What another GSettings client (the desktop) sees.
struct Desktop {
    Desktop() { settings = g_settings_new(schemaId); }
    ~Desktop() { g_object_unref(settings); }
    double speed() const { return g_settings_get_double(settings, "speed"); }
    int doubleClick() const { return g_settings_get_int(settings, "double-click"); }
    QString accelProfile() const
    {
        gchar* value = g_settings_get_string(settings, "accel-profile");
        const QString text = QString::fromUtf8(value);
        g_free(value);
        return text;
    }
    GSettings* settings = nullptr;
};
} // namespace

class tst_GnomePointerBackend : public QObject {
    Q_OBJECT

    std::unique_ptr<PointerBackend> backend;

private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory");
        backend = createSystemPointerBackend();
        const bool missingRun = QCoreApplication::arguments().contains(QStringLiteral("missingSchema"));
        if (!missingRun && !schemaInstalled())
            QFAIL("gsettings-desktop-schemas is not installed");
    }
    void settingsReachTheDesktop()
    {
        QVERIFY(backend->setMouseSpeed(1));
        QVERIFY(qAbs(Desktop().speed() + 0.9) < 1e-9);
        QVERIFY(backend->setMouseSpeed(20));
        QVERIFY(!backend->setMouseSpeed(21)); // beyond the system's range: refused, nothing changes
        QVERIFY(qAbs(Desktop().speed() - 1.0) < 1e-9);
        for (const int on : { 1, 0 }) {
            QVERIFY(backend->setMouse({ 0, 0, on }));
            QCOMPARE(Desktop().accelProfile(), on ? "adaptive" : "flat");
            PointerBackend::MouseValues read { 7, 7, 7 };
            QVERIFY(backend->getMouse(read));
            QCOMPARE(read.acceleration, on);
        }
        QVERIFY(backend->setDoubleClickTime(900));
        QCOMPARE(Desktop().doubleClick(), 900);
        QVERIFY(!backend->setWheelScrollLines(3)); // GNOME has no such key
    }
    // Run on its own with XDG_DATA_DIRS and GSETTINGS_SCHEMA_DIR pointing nowhere (see CMake).
    void missingSchema()
    {
        if (schemaInstalled())
            QSKIP("the schema is installed; the second run checks its absence");
        PointerBackend::MouseValues values;
        QVERIFY(!backend->getMouse(values));
        QVERIFY(!backend->setMouse(values));
        QVERIFY(!backend->setMouseSpeed(10));
        QVERIFY(!backend->setDoubleClickTime(500));
    }
};

QTEST_GUILESS_MAIN(tst_GnomePointerBackend)
#include "tst_gnomepointerbackend.moc"
