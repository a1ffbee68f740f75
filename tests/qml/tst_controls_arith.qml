import QtQuick
import QtTest
import "../../modules/qml/common/controls.js" as Controls
import "../../modules/qml/common/rainbow.js" as Rainbow

// Arithmetic behind the shared controls, on a 232-pixel track unless a row says otherwise.
TestCase {
    name: "ControlsArithmetic"

    function test_sliderIndex_data() {
        return [
            { tag: "left edge", x: 0, seven: 0, eleven: 0 },
            { tag: "one pixel in", x: 1, seven: 1, eleven: 0 },
            { tag: "start of second eleventh", x: 22, seven: 1, eleven: 1 },
            { tag: "start of second seventh", x: 34, seven: 2, eleven: 1 },
            { tag: "right edge", x: 231, seven: 7, eleven: 10 },
            { tag: "past the right edge", x: 400, seven: 7, eleven: 10 },
            { tag: "left of the track", x: -12, seven: 0, eleven: 0 },
            { tag: "not a number", x: NaN, seven: 0, eleven: 0 },
            { tag: "track without width", x: 5, width: 1, seven: 0, eleven: 0 }
        ]
    }

    function test_sliderIndex(row) {
        var width = row.width === undefined ? 232 : row.width
        compare(Controls.sliderIndex(row.x, width), row.seven)
        compare(Controls.slider11Index(row.x, width), row.eleven)
    }

    // Stage cells 0..7 where 2 and 6 hold no value; fault classes: ends, gaps, keys not moving.
    function test_movedIndex_data() {
        return [
            { tag: "right skips an empty cell", key: Qt.Key_Right, from: 1, to: 3 },
            { tag: "left skips an empty cell", key: Qt.Key_Up, from: 3, to: 1 },
            { tag: "right stays at the last usable", key: Qt.Key_Down, from: 7, to: 7 },
            { tag: "left stays at the first", key: Qt.Key_Left, from: 0, to: 0 },
            { tag: "home is the first usable", key: Qt.Key_Home, from: 5, to: 0 },
            { tag: "end is the last usable", key: Qt.Key_End, from: 0, to: 7 },
            { tag: "other keys do not move", key: Qt.Key_A, from: 4, to: -1 },
            { tag: "nothing to move among", key: Qt.Key_End, from: 0, to: 0, count: 0 },
            { tag: "down moves a row of a grid", key: Qt.Key_Down, from: 1, to: 4, columns: 3 },
            { tag: "up moves a row of a grid", key: Qt.Key_Up, from: 7, to: 4, columns: 3 },
            { tag: "down stays on the last row", key: Qt.Key_Down, from: 5, to: 5, columns: 3 },
            { tag: "right still moves one cell", key: Qt.Key_Right, from: 4, to: 5, columns: 3 }
        ]
    }

    function test_movedIndex(row) {
        var usable = function (i) { return i !== 2 && i !== 6 }
        compare(Controls.movedIndex(row.key, row.from, row.count === undefined ? 8 : row.count, usable,
                                    row.columns), row.to)
    }

    // A 257-pixel strip puts every level boundary on a whole pixel (32 px per eighth).
    function test_rainbow_data() {
        var rows = new Array(0)
        var bounds = [[0, 0, 0], [255, 0, 0], [255, 255, 0], [0, 255, 0], [0, 255, 255],
                      [0, 0, 255], [255, 0, 255], [255, 255, 255], [0, 0, 0]]
        for (var level = 0; level < bounds.length; ++level)
            rows[rows.length] = { tag: "start of level " + level, p: 32 * level, length: 257, rgb: bounds[level] }
        return rows.concat([
            { tag: "last pixel before red", p: 31, length: 257, rgb: [247, 0, 0] },
            { tag: "past the end is black", p: 999, length: 257, rgb: [0, 0, 0] },
            { tag: "before the start is black", p: -4, length: 257, rgb: [0, 0, 0] },
            { tag: "real strip, pixel 254", p: 254, length: 256, rgb: [8, 8, 8] },
            { tag: "strip without length", p: 3, length: 0, rgb: [0, 0, 0] }
        ])
    }

    function test_rainbow(row) {
        var c = Rainbow.colorAt(row.p, row.length)
        compare([c.r, c.g, c.b], row.rgb)
    }

    function test_component_data() {
        return [
            { tag: "in range", text: "128", value: 128 },
            { tag: "leading zeros", text: "007", value: 7 },
            { tag: "above 255 is clamped", text: "300", value: 255 },
            { tag: "empty", text: "", value: null },
            { tag: "negative", text: "-1", value: null },
            { tag: "letters", text: "1a", value: null }
        ]
    }

    function test_component(row) {
        compare(Rainbow.component(row.text), row.value)
    }

    function test_dropdownText_data() {
        var model = Qt.createQmlObject('import QtQuick; ListModel { ListElement { textX: "STATIC" } ListElement { textX: "WAVE" } }', this)
        return [
            { tag: "index -1", items: model, index: -1, text: "\u3010 OPTIONS \u3011" },
            { tag: "index past the end", items: model, index: 2, text: "\u3010 OPTIONS \u3011" },
            { tag: "list model entry", items: model, index: 1, text: "WAVE" },
            { tag: "array of strings", items: ["A", "B"], index: 0, text: "A" },
            { tag: "no list at all", items: undefined, index: 0, text: "\u3010 OPTIONS \u3011" },
        ]
    }

    function test_dropdownText(row) {
        compare(Controls.dropdownText(row.items, row.index, "OPTIONS"), row.text)
    }

    function test_opensUpwards_data() {
        return [
            { tag: "room below", boxY: 100, list: 300, up: false },
            { tag: "no room below, room above", boxY: 500, list: 300, up: true },
            { tag: "room on neither side stays below", boxY: 250, list: 400, up: false }
        ]
    }

    function test_opensUpwards(row) {
        compare(Controls.opensUpwards(row.boxY, 28, row.list, 600), row.up)
    }

    function test_stageText_data() {
        return [
            { tag: "value", value: 1600, text: "1600" },
            { tag: "zero", value: 0, text: "\u00D7" },
            { tag: "missing", value: undefined, text: "\u00D7" }
        ]
    }

    function test_stageText(row) {
        compare(Controls.stageText(row.value), row.text)
    }
}
