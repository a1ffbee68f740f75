// GNOME's pointer settings through GSettings. Wheel scroll lines and the two acceleration
// thresholds have no GNOME counterpart; a missing schema makes every call fail.
#include "system/pointerbackend.h"

#include <gio/gio.h>

namespace {
constexpr const char* mouseSchema = "org.gnome.desktop.peripherals.mouse";

class GnomePointerBackend : public PointerBackend {
public:
    GnomePointerBackend()
    {
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        schema = source ? g_settings_schema_source_lookup(source, mouseSchema, TRUE) : nullptr;
        if (schema)
            settings = g_settings_new_full(schema, nullptr, nullptr);
    }

    ~GnomePointerBackend() override
    {
        if (settings)
            g_object_unref(settings);
        if (schema)
            g_settings_schema_unref(schema);
    }

    bool getMouse(MouseValues& values) override
    {
        if (!hasKey("accel-profile"))
            return false;
        gchar* profile = g_settings_get_string(settings, "accel-profile");
        values.acceleration = g_strcmp0(profile, "adaptive") == 0 ? 1 : 0;
        g_free(profile);
        return true;
    }

    bool setMouse(const MouseValues& values) override
    {
        return write("accel-profile", g_variant_new_string(values.acceleration ? "adaptive" : "flat"));
    }

    bool setMouseSpeed(int speed) override
    {
        return write("speed", g_variant_new_double((speed - 10) / 10.0));
    }

    bool setWheelScrollLines(unsigned) override { return false; }

    bool setDoubleClickTime(unsigned milliseconds) override
    {
        if (milliseconds > unsigned(G_MAXINT32))
            return false;
        return write("double-click", g_variant_new_int32(gint32(milliseconds)));
    }

private:
    bool hasKey(const char* name) const { return settings && g_settings_schema_has_key(schema, name); }

    // Checks type and range first: GSettings treats a bad value as a programming error.
    bool write(const char* name, GVariant* value)
    {
        g_variant_ref_sink(value);
        bool ok = false;
        if (hasKey(name)) {
            GSettingsSchemaKey* key = g_settings_schema_get_key(schema, name);
            ok = g_variant_is_of_type(value, g_settings_schema_key_get_value_type(key))
                && g_settings_schema_key_range_check(key, value)
                && g_settings_set_value(settings, name, value);
            g_settings_schema_key_unref(key);
        }
        g_variant_unref(value);
        if (ok)
            g_settings_sync(); // the program may end before the main loop flushes the write
        return ok;
    }

    GSettingsSchema* schema = nullptr;
    GSettings* settings = nullptr;
};
} // namespace

std::unique_ptr<PointerBackend> createSystemPointerBackend()
{
    return std::make_unique<GnomePointerBackend>();
}
