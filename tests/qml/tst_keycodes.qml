import QtQuick
import QtTest
import "../../modules/qml/basic/keycodes.js" as KeyCodes

TestCase {
    name: "KeyCodes"

    function test_keyName_data() {
        return [
            { tag: "first letter", code: 0x04, name: "A" },
            { tag: "last letter", code: 0x1D, name: "Z" },
            { tag: "digit 1", code: 0x1E, name: "1" },
            { tag: "digit 0 after 9", code: 0x27, name: "0" },
            { tag: "apostrophe key", code: 0x34, name: "' \"" },
            { tag: "backslash is capturable", code: 0x31, name: "\\ |" },
            { tag: "F12", code: 0x45, name: "F12" },
            { tag: "right arrow", code: 0x4F, name: "\u25BA" },
            { tag: "up arrow", code: 0x52, name: "\u25B2" },
            { tag: "keypad 7 keeps its blank", code: 0x5F, name: "KP 7 " },
            { tag: "keypad 6", code: 0x5E, name: "KP 6" },
            { tag: "F13", code: 0x68, name: "F13" },
            { tag: "F24", code: 0x73, name: "F24" },
            { tag: "odd international name", code: 0x88, name: "Intl'2" },
            { tag: "right Windows key", code: 0xE7, name: "R Win" }
        ]
    }

    function test_keyName(row) {
        compare(KeyCodes.keycodeTostr(row.code), row.name)
        compare(KeyCodes.strTokeycode(row.name), row.code)
    }

    function test_unnamed_data() {
        return [
            { tag: "below the letters", code: 0x03 },
            { tag: "0x32 has no name", code: 0x32 },
            { tag: "F24 + 1", code: 0x74 },
            { tag: "mouse button is not a key", code: 0xF0 },
            { tag: "negative", code: -1 },
            { tag: "object property name", code: "constructor" }
        ]
    }

    function test_unnamed(row) {
        compare(KeyCodes.keycodeTostr(row.code), undefined)
    }

    function test_unknownNames() {
        compare(KeyCodes.strTokeycode("KP 7"), undefined, "the keypad 7 name needs its trailing blank")
        compare(KeyCodes.strTokeycode("toString"), undefined)
        compare(KeyCodes.strTomousecode("A"), undefined)
    }

    function test_mouseNames() {
        var names = ["MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5"]
        for (var i = 0; i < names.length; ++i) {
            compare(KeyCodes.mousecodeTostr(0xF0 + i), names[i])
            compare(KeyCodes.strTomousecode(names[i]), 0xF0 + i)
        }
        compare(KeyCodes.mousecodeTostr(0xF5), undefined)
    }

    function test_logByte_data() {
        return [
            { tag: "zero", b: 0, bit: 0 },
            { tag: "1", b: 1, bit: 1 },
            { tag: "2", b: 2, bit: 2 },
            { tag: "8", b: 8, bit: 4 },
            { tag: "0x80", b: 0x80, bit: 8 },
            { tag: "lowest of several", b: 0x0C, bit: 3 },
            { tag: "only the low byte counts", b: 0x100, bit: 0 },
            { tag: "negative read as unsigned", b: -128, bit: 8 }
        ]
    }

    function test_logByte(row) {
        compare(KeyCodes.logByte(row.b), row.bit)
    }
}
