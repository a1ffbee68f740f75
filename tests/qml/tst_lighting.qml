import QtQuick
import QtTest
import "../../modules/qml/Z4/lighting.js" as Light

TestCase {
    name: "Lighting"

    readonly property var cells: [[200, 100, 0], [0, 50, 250], [1, 2, 3], [4, 5, 6], [7, 8, 9],
                                  [10, 11, 12], [13, 14, 15], [16, 17, 18]]

    // Rows: tag, time in ms, speed slider, brightness slider, zone, expected colour; optional
    // usable cells (8 unless given).
    function rows(effectId, list) {
        return list.map(function (r) {
            return { tag: r[0], id: effectId, t: r[1], s: r[2], b: r[3], zone: r[4], rgb: r[5], n: r[6] || 8 }
        })
    }

    // Slider positions as the core turns them into the values the mouse is told.
    readonly property var speedRanges: [null, null, null, [1, 9], [1, 9], [1, 9], null, null, [10, 10], [5, 10], [20, 10]]
    function speed(id, s) {
        var r = speedRanges[id]
        return r ? Math.round((7 - s) * r[1] / 7) + r[0] : 0
    }
    function check(row) {
        var p = Light.params(row.id, speed(row.id, row.s), Math.round(row.b * 255 / 7), cells, row.n)
        var out = Light.zoneColors(row.id, row.t, p)
        compare(out.length, Light.zoneCount)
        var z = Light.zones.findIndex(function (zone) { return zone.name === row.zone })
        compare(out[z], row.rgb)
    }

    function test_powerOn_data() {
        return rows(0, [["wheel red", 0, 4, 0, "wheel", [255, 0, 0]],
                        ["back violet, still later", 5000, 0, 7, "left4", [204, 0, 255]]])
    }
    function test_powerOn(row) { check(row) }

    function test_static_data() {
        return rows(1, [["first cell at full", 900, 4, 7, "logo", [200, 100, 0]],
                        ["brightness 4 of 7", 0, 4, 4, "right3", [115, 57, 0]],
                        ["brightness 0 is dark", 0, 4, 0, "wheel", [0, 0, 0]]])
    }
    function test_static(row) { check(row) }

    function test_twinkling_data() {
        return rows(2, [["a flash at its peak", 180, 4, 0, "right1", [200, 100, 0]],
                        ["the same flash fading", 330, 0, 7, "right1", [158, 79, 0]],
                        ["dark between flashes", 180, 4, 7, "left4", [0, 0, 0]]])
    }
    function test_twinkling(row) { check(row) }

    function test_breathing_data() {
        return rows(3, [["fastest: out at the start", 0, 7, 7, "wheel", [0, 0, 0]],
                        ["fastest: full red at 0.75 s", 750, 7, 0, "logo", [255, 0, 0]],
                        ["next breath is yellow", 2250, 7, 7, "logo", [255, 255, 0]],
                        ["slowest: still rising at 0.75 s", 750, 0, 7, "logo", [37, 0, 0]]])
    }
    function test_breathing(row) { check(row) }

    function test_neon_data() {
        return rows(4, [["fastest: yellow after 0.25 s", 250, 7, 7, "wheel", [255, 255, 0]],
                        ["slowest: barely moved", 250, 0, 7, "left2", [255, 26, 0]],
                        ["brightness 0 is dark", 250, 7, 0, "wheel", [0, 0, 0]]])
    }
    function test_neon(row) { check(row) }

    function test_wave_data() {
        return rows(5, [["wheel red at the start", 0, 7, 0, "wheel", [255, 0, 0]],
                        ["strip ahead in the spectrum", 0, 7, 0, "right1", [0, 255, 178]],
                        ["fastest: a quarter on", 375, 7, 0, "wheel", [128, 0, 255]],
                        ["slowest: less far", 375, 0, 0, "wheel", [255, 0, 96]]])
    }
    function test_wave(row) { check(row) }

    function test_gliding_data() {
        return rows(6, [["first cell", 0, 4, 7, "wheel", [200, 100, 0]],
                        ["halfway to the second", 1000, 4, 7, "logo", [100, 75, 125]],
                        ["second cell", 2000, 0, 0, "left1", [0, 50, 250]],
                        ["one usable cell stays", 3000, 4, 7, "left1", [200, 100, 0], 1]])
    }
    function test_gliding(row) { check(row) }

    function test_fingerMoving_data() {
        return rows(7, [["starts at the back", 0, 4, 7, "left4", [80, 40, 0]],
                        ["wheel still dark", 0, 4, 7, "wheel", [0, 0, 0]],
                        ["reaches the wheel", 1400, 4, 7, "wheel", [190, 95, 0]],
                        ["next pass, next cell, brightness 0", 1700, 4, 0, "left4", [0, 0, 0]]])
    }
    function test_fingerMoving(row) { check(row) }

    function test_verticalFlipping_data() {
        return rows(8, [["fastest: front lit", 300, 7, 7, "wheel", [200, 100, 0]],
                        ["fastest: back dark", 300, 7, 7, "logo", [0, 0, 0]],
                        ["fastest: back in the next cell", 900, 7, 7, "logo", [0, 50, 250]],
                        ["flip fades in", 650, 7, 7, "logo", [0, 25, 125]],
                        ["slowest: front still lit", 900, 0, 7, "right1", [200, 100, 0]]])
    }
    function test_verticalFlipping(row) { check(row) }

    function test_yoyo_data() {
        return rows(9, [["fastest: at the wheel", 0, 7, 0, "wheel", [255, 0, 0]],
                        ["fastest: at the back after 0.75 s", 750, 7, 0, "left4", [255, 255, 0]],
                        ["slowest: not there yet", 750, 0, 0, "left4", [0, 0, 0]]])
    }
    function test_yoyo(row) { check(row) }

    function test_spotlight_data() {
        return rows(10, [["spot on the wheel", 0, 7, 7, "wheel", [255, 255, 255]],
                         ["fastest: moved on", 400, 7, 7, "right1", [255, 255, 255]],
                         ["left behind fades", 400, 7, 7, "wheel", [153, 153, 153]],
                         ["slowest: still on the wheel", 400, 0, 7, "wheel", [255, 255, 255]]])
    }
    function test_spotlight(row) { check(row) }

    // Cells at or beyond colorMaxStage never light a zone, whatever the moment.
    function test_unusedCellsNeverShown_data() {
        return [1, 2, 6, 7, 8].map(function (id) { return { tag: "effect " + id, id: id } })
    }
    function test_unusedCellsNeverShown(row) {
        var table = [[255, 0, 0]].concat(new Array(7).fill([0, 0, 255]))
        var p = Light.params(row.id, speed(row.id, 7), 255, table, 1)
        for (var t = 0; t < 20000; t += 37)
            Light.zoneColors(row.id, t, p).forEach(function (rgb) { compare(rgb[2], 0, "blue at " + t) })
    }

    function test_oddInput_data() {
        return [{ tag: "unknown effect is dark and still", id: 42, moves: false },
                { tag: "effect as text", id: "5", moves: true },
                { tag: "no effect", id: undefined, moves: false }]
    }
    function test_oddInput(row) {
        var p = Light.params(row.id, "x", null, "junk", -3)
        var out = Light.zoneColors(row.id, NaN, p)
        compare(out.length, Light.zoneCount)
        compare(Light.moves(row.id), row.moves)
        out.forEach(function (rgb) { verify(rgb.every(function (c) { return c >= 0 && c <= 255 })) })
    }
}
