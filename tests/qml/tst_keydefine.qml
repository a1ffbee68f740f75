import QtQuick
import QtTest
import "../../modules/qml/Z4/keydefine.js" as KD

// What stays in the key page's library: positions, names and count fields. The bytes behind a
// choice are the core's (tests/core/tst_mouserules.cpp).
TestCase {
    name: "Keydefine"

    function test_library_data() {
        var buttonSlots = [0, 1, 2, 3, 4, 5, 6, 14, 15, 7]
        return [
            { tag: "slot of the tenth button", fn: "slotOfPosition", args: [buttonSlots, 9, 10], expect: 7 },
            { tag: "position past the table", fn: "slotOfPosition", args: [buttonSlots, 10, 12], expect: -1 },
            { tag: "no table", fn: "slotOfPosition", args: [undefined, 0, 10], expect: -1 },
            { tag: "names skip empty entries", fn: "buttonNames", args: [["A", "", "B", null, "C"]], expect: ["A", "B", "C"] },
            { tag: "count commits", fn: "parseCount", args: ["250", KD.fireCount, 10], expect: 250 },
            { tag: "count above range keeps last", fn: "parseCount", args: ["256", KD.fireCount, 10], expect: 10 },
            { tag: "empty count keeps last", fn: "parseCount", args: ["", KD.macroCount, 4], expect: 4 },
        ]
    }

    function test_library(row) {
        compare(KD[row.fn].apply(null, row.args), row.expect)
    }
}
