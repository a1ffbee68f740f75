// Reports the focused window on the session bus: the FocusChanged signal on every change and
// Get for the current one. It never calls z4switch, so a slow or absent switcher cannot stall
// the shell.
'use strict';

const { Gio, Shell } = imports.gi;

const IFACE = `<node>
  <interface name="io.github.z4config.Focus1">
    <method name="Get">
      <arg type="s" direction="out" name="wmClass"/>
      <arg type="s" direction="out" name="appId"/>
      <arg type="s" direction="out" name="title"/>
      <arg type="u" direction="out" name="pid"/>
    </method>
    <signal name="FocusChanged">
      <arg type="s" name="wmClass"/>
      <arg type="s" name="appId"/>
      <arg type="s" name="title"/>
      <arg type="u" name="pid"/>
    </signal>
  </interface>
</node>`;
const PATH = '/io/github/z4config/Focus';

function describe(win) {
    if (!win)
        return ['', '', '', 0];
    const app = Shell.WindowTracker.get_default().get_window_app(win);
    let appId = win.get_gtk_application_id() || (app ? app.get_id() || '' : '');
    if (appId.endsWith('.desktop'))
        appId = appId.slice(0, -8);
    return [win.get_wm_class() || '', appId, win.get_title() || '', Math.max(0, win.get_pid())];
}

class FocusReporter {
    enable() {
        this._dbus = Gio.DBusExportedObject.wrapJSObject(IFACE, this);
        this._dbus.export(Gio.DBus.session, PATH);
        this._focusId = global.display.connect('notify::focus-window', () => this._focusMoved());
        this._focusMoved();
    }

    disable() {
        global.display.disconnect(this._focusId);
        this._watchTitle(null);
        this._dbus.unexport();
        this._dbus = null;
    }

    Get() {
        return describe(global.display.focus_window);
    }

    _focusMoved() {
        this._watchTitle(global.display.focus_window);
        this._emit();
    }

    _watchTitle(win) {
        if (this._titleWin)
            this._titleWin.disconnect(this._titleId);
        this._titleWin = win;
        this._titleId = win ? win.connect('notify::title', () => this._emit()) : 0;
    }

    _emit() {
        this._dbus.emit_signal('FocusChanged',
            new imports.gi.GLib.Variant('(sssu)', describe(global.display.focus_window)));
    }
}

function init() {
    return new FocusReporter();
}
