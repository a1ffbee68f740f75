import QtQuick
import QtTest
import "../../modules/qml/Z4/sensorcolor.js" as SC

TestCase {
    name: "SensorColor"

    // One row per case: the library function, its arguments, the expected answer. Lists of the
    // wrong length answer null, which the pages take as "keep what is shown".
    function test_conversion_data() {
        var codes = [3, 7, 15, 23, 31, 39, 47, 79]
        var image = new Array(128).fill("0")
        for (var i = 0; i < 8; ++i)
            image[84 + i] = String(codes[i])
        image[91] = "207"
        var rows = [
            ["rate byte 2 shows 500 Hz", "rateIndexFromByte", [2], 2],
            ["rate byte 0x80 clamps to 125 Hz", "rateIndexFromByte", ["128"], 0],
            ["125 Hz sends 8", "rateByteFromIndex", [0], 8],
            ["stage 12 clamps", "stageIndexFromStage", [12], 7],
            ["code 7 shows 800", "stageValueFromCode", [7, 100], 800],
            ["stored 0xCF shows like 159", "stageValueFromCode", [0xCF, 100], 16000],
            ["dpiBase 0 falls back", "stageValueFromCode", ["7", 0], 800],
            ["161 x base sends 0xCF", "stageCodeFromValue", [16100, 100], 0xCF],
            ["cross stage is code -1", "stageCodeFromValue", [0, 100], 0xFF],
            ["negative value is a cross", "stageCodeFromValue", [-400, 100], 0xFF],
            ["huge value is the top stage, not a cross", "stageCodeFromValue", [1e6, -5], 0xCF],
            ["code -1 reads back as a cross", "stageValueFromCode", [0xFF, 100], 0],
            ["effect 3 slider 7 sends 1", "speedValue", [3, 7], 1],
            ["effect 3 slider 0 sends 10", "speedValue", [3, 0], 10],
            ["effect 10 speed below range", "speedIndex", [10, 0], 7],
            ["effect 1 sends 0", "speedValue", [1, 3], 0],
            ["brightness 7 sends 255", "brightnessValue", [7], 255],
            ["brightness 128 shows 4", "brightnessIndex", [128], 4],
            ["colorMaxStage 12", "maxStage", [12], 8],
            ["colorMaxStage 0", "maxStage", [0], 8],
            ["8 codes are no stage table", "stageValuesFromCodes", [codes, 100], null],
            ["values to both rows", "stageCodesFromValues", [[400, 16100], 100], [3, 207, 255, 255, 255, 255, 255, 255, 3, 207, 255, 255, 255, 255, 255, 255]],
            ["default image holds codes", "defaultStageValues", [image, 100], [400, 800, 1600, 2400, 3200, 4000, 4800, 16000]],
            ["short default image", "defaultStageValues", [image.slice(0, 90), 100], null],
            ["23 colour numbers", "colorsFromList", [new Array(23).fill(1)], null],
            ["colour text and overflow", "colorsFromList", [["1", 2, 300].concat(new Array(21).fill(0))], [[1, 2, 255], [0, 0, 0], [0, 0, 0], [0, 0, 0], [0, 0, 0], [0, 0, 0], [0, 0, 0], [0, 0, 0]]],
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
        var maps = SC.effectMaps(row.flags)
        compare(maps.posToId, row.posToId)
        compare(SC.effectPosition(maps, row.effect), row.pos)
        for (var p = 0; p < maps.posToId.length; ++p)
            compare(maps.idToPos[maps.posToId[p]], p)
    }
}
