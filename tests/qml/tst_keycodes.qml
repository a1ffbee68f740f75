import QtQuick
import QtTest
import "../../modules/qml/basic/keycodes.js" as KeyCodes

TestCase {
    name: "KeyCodes"

    // Names that differ from the key caps: both directions must agree.
    function test_keyName_data() {
        return [
            { tag: "backslash is capturable", code: 0x31, name: "\\ |" },
            { tag: "keypad 7 keeps its blank", code: 0x5F, name: "KP 7 " },
            { tag: "odd international name", code: 0x88, name: "Intl'2" }
        ]
    }

    function test_keyName(row) {
        compare(KeyCodes.keycodeTostr(row.code), row.name)
        compare(KeyCodes.strTokeycode(row.name), row.code)
    }

    function test_unnamed_data() {
        return [
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
        compare(KeyCodes.mousecodeTostr(0xF5), undefined)
    }

    function test_logByte_data() {
        return [
            { tag: "zero", b: 0, bit: 0 },
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
