// Tests only: a headless shell starts in the overview, where no window has the focus; and a
// test needs to move the focus as a person would.
'use strict';

const { Gio } = imports.gi;
const Main = imports.ui.main;

const IFACE = `<node><interface name="io.github.z4config.TestHelper">
  <method name="Activate"><arg type="s" direction="in" name="wmClass"/><arg type="b" direction="out"/></method>
</interface></node>`;

class Helper {
    enable() {
        if (Main.layoutManager._startingUp)
            this._startId = Main.layoutManager.connect('startup-complete', () => Main.overview.hide());
        else
            Main.overview.hide();
        this._dbus = Gio.DBusExportedObject.wrapJSObject(IFACE, this);
        this._dbus.export(Gio.DBus.session, '/io/github/z4config/TestHelper');
    }

    disable() {
        this._dbus.unexport();
    }

    Activate(wmClass) {
        const win = global.get_window_actors().map(a => a.meta_window).find(w => w.get_wm_class() === wmClass);
        if (win)
            Main.activateWindow(win); // leaves the overview too
        return !!win;
    }
}

function init() {
    return new Helper();
}
