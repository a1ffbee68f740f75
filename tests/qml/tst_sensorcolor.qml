import QtQuick
import QtTest
import "../../modules/qml/Z4/sensorcolor.js" as SC

TestCase {
    name: "SensorColor"

    // One row per case: the library function, its arguments, the expected answer. Lists of the
    // wrong length answer null, which the pages take as "keep what is shown".
    function test_conversion_data() {
        var rows = [
            ["stage 12 clamps", "stageIndexFromStage", [12], 7],
            ["colorMaxStage 12", "maxStage", [12], 8],
            ["colorMaxStage 0", "maxStage", [0], 8],
            ["indices clamp", "indicesFromList", [[0, "7", 9, -1, 1, 2, 3, 4]], [0, 7, 7, 0, 1, 2, 3, 4]],
            ["nine indices", "indicesFromList", [new Array(9).fill(0)], null],
            ["dpi choices cut to 18", "dpiChoices", [["x", "800"].concat(new Array(20).fill(1))], [0, 800].concat(new Array(16).fill(1))]
        ]
        return rows.map(function (r) { return { tag: r[0], fn: r[1], args: r[2], expect: r[3] } })
    }

    function test_conversion(row) {
        compare(SC[row.fn].apply(null, row.args), row.expect)
    }

    // Drop-down maps: both directions agree, and only "true" enables.
    function test_effectMaps_data() {
        var noPowerOn = ["false"].concat(new Array(10).fill("true"))
        return [
            { tag: "effect 0 disabled", flags: noPowerOn, posToId: [1, 2, 3, 4, 5, 6, 7, 8, 9, 10], effect: 0, pos: -1 },
            { tag: "only true counts", flags: [true, "true", "TRUE", " true"], posToId: [0, 1, 3], effect: 3, pos: 2 },
            { tag: "missing offers all", flags: undefined, posToId: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10], effect: 200, pos: -1 }
        ]
    }

    function test_effectMaps(row) {
        var maps = SC.effectMaps(row.flags, 11)
        compare(maps.posToId, row.posToId)
        compare(SC.effectPosition(maps, row.effect), row.pos)
        for (var p = 0; p < maps.posToId.length; ++p)
            compare(maps.idToPos[maps.posToId[p]], p)
    }
}
