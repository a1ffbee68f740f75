import QtQuick
import QtTest
import "../../modules/qml/Z4/keydefine.js" as KD

TestCase {
    name: "Keydefine"

    // Fields of a view that a row names; the others are not looked at.
    function picked(view, fields) {
        if (!view)
            return view
        var out = {}
        for (var name in fields)
            out[name] = view[name]
        return out
    }
    function view(category, fields) { return Object.assign({ category: category }, fields) }
    function all100() { return Array.from({ length: 100 }, function (_, i) { return i }) }
    function macroSlots(ids) {
        return ids.map(function (id) { return [0x09, 0, id, 0] }).concat([[0x09, 0, 3, 1]])
    }
    function leftSlots(extraLeft) {
        var slots = KD.copySlots(KD.defaultSlots)
        if (extraLeft >= 0)
            slots[extraLeft] = [0x01, 0, 0xF0, 0]
        return slots
    }

    // One row per case: a library function (or a helper above), its arguments, the answer.
    function test_library_data() {
        var rows = [
            { tag: "combo L Ctrl + 0x04 0x05", fn: "keyCodeToUI", args: [[0x00, 0x03, 0x04, 0x05], []],
              expect: view(KD.COMBO, { modifier: 1, key1: 0x04, key2: 0x05 }) },
            { tag: "keyboard key without a name", fn: "keyCodeToUI", args: [[0, 0, 0x74, 0], []],
              expect: view(KD.KEYBOARD, { key: 0x74 }) },
            { tag: "fire LEFT speed 0x22 count 3", fn: "keyCodeToUI", args: [[0x0A, 0xF0, 0x22, 0x03], []],
              expect: view(KD.FIRE, { fireUsesKey: false, fireButton: 0, fireSpeed: 6, fireCount: 3 }) },
            { tag: "fire key speed below 10", fn: "keyCodeToUI", args: [[0x0A, 0x04, 0x03, 0x09], []],
              expect: view(KD.FIRE, { fireUsesKey: true, fireKey: 0x04, fireSpeed: 7, fireCount: 9 }) },
            { tag: "triple click", fn: "keyCodeToUI", args: [[0x0A, 0xF0, 0x21, 0x03], []],
              expect: view(KD.MOUSE, { mouse: KD.TRIPLE_CLICK }) },
            { tag: "DPI code 0 is no row", fn: "keyCodeToUI", args: [[0x07, 0, 0, 0], []], expect: view(KD.MOUSE, { mouse: -1 }) },
            { tag: "unknown mouse button", fn: "keyCodeToUI", args: [[0x01, 0, 0xF7, 0], []], expect: view(KD.MOUSE, { mouse: -1 }) },
            { tag: "unknown media usage", fn: "keyCodeToUI", args: [[0x03, 0, 0x99, 0x09], []], expect: view(KD.MEDIA, { media: -1 }) },
            { tag: "macro id 3 finds the file of index 2", fn: "keyCodeToUI",
              args: [[0x09, 0x02, 0x03, 0], [null, [0, 4], [2, 7]]],
              expect: view(KD.MACRO, { macroFile: 2, macroMode: 2, macroCount: 7 }) },
            { tag: "macro without its file", fn: "keyCodeToUI", args: [[0x09, 0, 0x05, 0], [[0, 4]]],
              expect: view(KD.MACRO, { macroFile: -1, macroCount: 1 }) },
            { tag: "type 0x0B has no category", fn: "keyCodeToUI", args: [[0x0B, 1, 2, 3], []], expect: view(-1, {}) },
        ]
        // Bytes that fit no pattern of their type keep what the page showed.
        ;[[0x01, 1, 0xF0, 0], [0x03, 0, 0, 1], [0x07, 1, 1, 0]].forEach(function (bytes) {
            rows.push({ tag: "no pattern " + bytes, fn: "keyCodeToUI", args: [bytes, []], expect: null })
        })
        // Mouse rows by hand: first, a DPI row, last.
        ;[[0, [0x01, 0, 0xF0, 0]], [8, [0x07, 0, 0x03, 0]], [10, [0x04, 0, 0x02, 0]]].forEach(function (r) {
            rows.push({ tag: "mouse bytes show row " + r[0], fn: "keyCodeToUI", args: [r[1], []], expect: view(KD.MOUSE, { mouse: r[0] }) })
        })
        // Media rows by hand: first, one with a high byte, last.
        ;[[0, [0x03, 0, 0xB5, 0x00]], [8, [0x03, 0, 0x8A, 0x01]], [17, [0x03, 0, 0x2A, 0x02]]].forEach(function (r) {
            rows.push({ tag: "media row " + r[0], fn: "mediaBytes", args: [r[0]], expect: r[1] })
            rows.push({ tag: "media bytes show row " + r[0], fn: "keyCodeToUI", args: [r[1], []],
                        expect: view(KD.MEDIA, { media: r[0] }) })
        })
        ;[[KD.LED, [0x0C, 0, 0, 0]], [KD.PROFILE, [0x08, 0, 0x03, 0]]].forEach(function (r) {
            rows.push({ tag: "category " + r[0] + " stores its bytes", fn: "categoryBytes", args: [r[0]], expect: r[1] })
            rows.push({ tag: "category " + r[0] + " bytes show it", fn: "keyCodeToUI", args: [r[1], []], expect: view(r[0], {}) })
        })
        return rows.concat([
            { tag: "WWW SEARCH bytes", fn: "mediaBytes", args: [11], expect: [0x03, 0, 0x21, 0x02] },
            { tag: "media row past the list", fn: "mediaBytes", args: [18], expect: null },
            { tag: "modifier L Ctrl", fn: "modifierBits", args: [1], expect: 0x01 },
            { tag: "fire slider 7 stores 10", fn: "fireBytes", args: [false, 0, 0, 7, 3], expect: [0x0A, 0xF0, 10, 3] },
            { tag: "fire slider 0 stores 255", fn: "fireBytes", args: [true, 2, 0x2C, 0, 255], expect: [0x0A, 0x2C, 255, 255] },
            { tag: "fire without a button stores nothing", fn: "fireBytes", args: [false, -1, 0x04, 3, 3], expect: null },
            { tag: "free index skips used ones", fn: "lowestFreeMacroIndex", args: [[0, 1, 3]], expect: 2 },
            { tag: "free index with all 100 used", fn: "lowestFreeMacroIndex", args: [all100()], expect: -1 },
            { tag: "used indices need type 09 and byte 3 zero", fn: "usedMacroIndices",
              args: [macroSlots([1, 5, 5, 0, 101])], expect: [0, 4] },
            { tag: "macro index out of range", fn: "macroConfig", args: [[150, 2]], expect: [-1, 2] },
            { tag: "macro config unreadable", fn: "macroConfig", args: [[]], expect: null },
            { tag: "slot as text", fn: "slotFromList", args: [["10", "240", "34", "3"]], expect: [0x0A, 0xF0, 0x22, 3] },
            { tag: "slot entry not a byte", fn: "slotFromList", args: [[1, 0, 256, 0]], expect: null },
            { tag: "slot of the tenth button", fn: "slotOfPosition", args: [9, 10], expect: 7 },
            { tag: "position past the table", fn: "slotOfPosition", args: [10, 12], expect: -1 },
            { tag: "names skip empty entries", fn: "buttonNames", args: [["A", "", "B", null, "C"]], expect: ["A", "B", "C"] },
            { tag: "last left button asks", fn: "needsLeftGuard", args: [leftSlots(-1), 0, 10], expect: true },
            { tag: "second left button does not ask", fn: "needsLeftGuard", args: [leftSlots(1), 0, 10], expect: false },
            { tag: "left outside the list does not count", fn: "needsLeftGuard", args: [leftSlots(8), 0, 10], expect: true },
            { tag: "count commits", fn: "parseCount", args: ["250", KD.fireCount, 10], expect: 250 },
            { tag: "count above range keeps last", fn: "parseCount", args: ["256", KD.fireCount, 10], expect: 10 },
            { tag: "empty count keeps last", fn: "parseCount", args: ["", KD.macroCount, 4], expect: 4 },
        ])
    }

    function test_library(row) {
        var fn = KD[row.fn] || this[row.fn]
        var answer = fn.apply(null, row.args)
        if (row.fn === "keyCodeToUI")
            answer = picked(answer, row.expect)
        compare(answer, row.expect)
    }
}
