import QtQuick
import QtTest
import "../../modules/qml/basic/keycodes.js" as KeyCodes

// The names themselves are checked against the C++ table (tests/macro/tst_keytables.cpp).
TestCase {
    name: "KeyCodes"

    function test_unnamed_data() {
        return [
            { tag: "0x32 has no name", code: 0x32 },
            { tag: "mouse button is not a key", code: 0xF0 },
            { tag: "negative", code: -1 },
            { tag: "object property name", code: "constructor" }
        ]
    }

    function test_unnamed(row) {
        compare(KeyCodes.keycodeTostr(row.code), undefined)
        compare(KeyCodes.strTokeycode("toString"), undefined)
        compare(KeyCodes.strTomousecode("A"), undefined)
    }

    function test_logByte_data() {
        return [
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
