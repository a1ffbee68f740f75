import QtQuick
import "keycodes.js" as KeyCodes

// The scene's key-name maps, one instance (_KeyCodeString) shared by the pages.
QtObject {
    function keycodeTostr(code) { return KeyCodes.keycodeTostr(code) }
    function strTokeycode(name) { return KeyCodes.strTokeycode(name) }
    function mousecodeTostr(code) { return KeyCodes.mousecodeTostr(code) }
    function strTomousecode(name) { return KeyCodes.strTomousecode(name) }
    function logByte(b) { return KeyCodes.logByte(b) }
}
