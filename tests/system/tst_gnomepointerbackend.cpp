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
    void speed_data()
    {
        QTest::addColumn<int>("systemSpeed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("gnomeSpeed");

        QTest::newRow("slowest") << 1 << true << -0.9;
        QTest::newRow("fastest") << 20 << true << 1.0;
        QTest::newRow("beyond the range") << 21 << false << 1.0;
    }
    void speed()
    {
        QFETCH(int, systemSpeed);
        QTEST(backend->setMouseSpeed(systemSpeed), "accepted");
        QFETCH(double, gnomeSpeed);
        QVERIFY2(qAbs(Desktop().speed() - gnomeSpeed) < 1e-9, qPrintable(QString::number(Desktop().speed())));
    }
    void acceleration_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("profile");
        QTest::newRow("on") << 1 << "adaptive";
        QTest::newRow("off") << 0 << "flat";
    }
    void acceleration()
    {
        QFETCH(int, value);
        QVERIFY(backend->setMouse({ 0, 0, value }));
        QTEST(Desktop().accelProfile(), "profile");
        PointerBackend::MouseValues read { 7, 7, 7 };
        QVERIFY(backend->getMouse(read));
        QCOMPARE(read.acceleration, value);
    }
    void doubleClickTimeReachesDesktop()
    {
        for (unsigned ms : { 900u, 200u }) {
            QVERIFY(backend->setDoubleClickTime(ms));
            QCOMPARE(Desktop().doubleClick(), int(ms));
        }
    }
    void scrollLinesAreNotAvailable() { QVERIFY(!backend->setWheelScrollLines(3)); }
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
