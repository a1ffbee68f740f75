import QtQuick
import QtTest
import "../../modules/qml/Z4/sensorcolor.js" as SC

TestCase {
    name: "SensorColor"

    // One row per conversion case: the library function, its arguments, the expected answer.
    function test_conversion_data() {
        return [
            { tag: "rate byte 2 shows 500 Hz", fn: "rateIndexFromByte", args: [2], expect: 2 },
            { tag: "rate byte 0 shows 1000 Hz", fn: "rateIndexFromByte", args: [0], expect: 3 },
            { tag: "rate byte 0x80 clamps to 125 Hz", fn: "rateIndexFromByte", args: [0x80], expect: 0 },
            { tag: "rate byte as text", fn: "rateIndexFromByte", args: ["8"], expect: 0 },
            { tag: "125 Hz sends 8", fn: "rateByteFromIndex", args: [0], expect: 8 },
            { tag: "1000 Hz sends 1", fn: "rateByteFromIndex", args: [3], expect: 1 },
            { tag: "rate index beyond the group", fn: "rateByteFromIndex", args: [9], expect: 1 },
            { tag: "stage 1 is cell 0", fn: "stageIndexFromStage", args: [1], expect: 0 },
            { tag: "stage 0 clamps", fn: "stageIndexFromStage", args: [0], expect: 0 },
            { tag: "stage 12 clamps", fn: "stageIndexFromStage", args: [12], expect: 7 },
            { tag: "code 7 shows 800", fn: "stageValueFromCode", args: [7, 100], expect: 800 },
            { tag: "code as text", fn: "stageValueFromCode", args: ["15", 100], expect: 1600 },
            { tag: "stored 0xCF shows like 159", fn: "stageValueFromCode", args: [0xCF, 100], expect: 16000 },
            { tag: "dpiBase 0 falls back", fn: "stageValueFromCode", args: [7, 0], expect: 800 },
            { tag: "dpiBase missing falls back", fn: "stageValueFromCode", args: [7, undefined], expect: 800 },
            { tag: "400 sends 3", fn: "stageCodeFromValue", args: [400, 100], expect: 3 },
            { tag: "161 x base sends 0xCF", fn: "stageCodeFromValue", args: [16100, 100], expect: 0xCF },
            { tag: "159 x base is not special", fn: "stageCodeFromValue", args: [15900, 100], expect: 158 },
            { tag: "other base", fn: "stageCodeFromValue", args: [1000, 50], expect: 19 },
            { tag: "x stage stays a byte", fn: "stageCodeFromValue", args: [0, 100], expect: 0 },
            { tag: "huge value stays a byte", fn: "stageCodeFromValue", args: [1e6, 100], expect: 255 },
            { tag: "negative dpiBase", fn: "stageCodeFromValue", args: [800, -5], expect: 7 },
            { tag: "effect 3 slider 7 sends 1", fn: "speedValue", args: [3, 7], expect: 1 },
            { tag: "effect 3 slider 0 sends 10", fn: "speedValue", args: [3, 0], expect: 10 },
            { tag: "effect 3 speed 10 shows 0", fn: "speedIndex", args: [3, 10], expect: 0 },
            { tag: "effect 8 slider 0 sends 20", fn: "speedValue", args: [8, 0], expect: 20 },
            { tag: "effect 9 slider 7 sends 5", fn: "speedValue", args: [9, 7], expect: 5 },
            { tag: "effect 10 speed 25 rounds half up", fn: "speedIndex", args: [10, 25], expect: 3 },
            { tag: "effect 10 speed below range", fn: "speedIndex", args: [10, 0], expect: 7 },
            { tag: "effect 1 sends 0", fn: "speedValue", args: [1, 3], expect: 0 },
            { tag: "effect 1 shows 0", fn: "speedIndex", args: [1, 9], expect: 0 },
            { tag: "unknown effect sends 0", fn: "speedValue", args: [42, 3], expect: 0 },
            { tag: "brightness 7 sends 255", fn: "brightnessValue", args: [7], expect: 255 },
            { tag: "brightness 0 sends 0", fn: "brightnessValue", args: [0], expect: 0 },
            { tag: "brightness 128 shows 4", fn: "brightnessIndex", args: [128], expect: 4 },
            { tag: "brightness text", fn: "brightnessIndex", args: ["255"], expect: 7 },
            { tag: "colorMaxStage 4", fn: "maxStage", args: [4], expect: 4 },
            { tag: "colorMaxStage 12", fn: "maxStage", args: [12], expect: 8 },
            { tag: "colorMaxStage 0", fn: "maxStage", args: [0], expect: 1 },
            { tag: "colorMaxStage missing", fn: "maxStage", args: [undefined], expect: 8 },
            { tag: "colorMaxStage text", fn: "maxStage", args: ["5"], expect: 5 },
            { tag: "colorMaxStage garbage", fn: "maxStage", args: ["many"], expect: 8 }
        ]
    }

    function test_conversion(row) {
        compare(SC[row.fn].apply(null, row.args), row.expect)
    }

    // Lists: the right length converts, any other length answers null (the page keeps its display).
    function test_lists_data() {
        var codes = [3, 7, 15, 23, 31, 39, 47, 79]
        var image = []
        for (var i = 0; i < 128; ++i)
            image.push(i >= 84 && i < 92 ? String(codes[i - 84]) : "0")
        image[91] = "207"
        return [
            { tag: "16 codes", fn: "stageValuesFromCodes", args: [codes.concat(codes), 100],
              expect: [400, 800, 1600, 2400, 3200, 4000, 4800, 8000] },
            { tag: "8 codes are not a stage table", fn: "stageValuesFromCodes", args: [codes, 100], expect: null },
            { tag: "no codes", fn: "stageValuesFromCodes", args: [undefined, 100], expect: null },
            { tag: "values to 16 codes", fn: "stageCodesFromValues", args: [[400, 16100, 0, 800, 800, 800, 800, 800], 100],
              expect: [3, 207, 0, 7, 7, 7, 7, 7, 3, 207, 0, 7, 7, 7, 7, 7] },
            { tag: "short value list", fn: "stageCodesFromValues", args: [[400], 100],
              expect: [3, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0] },
            { tag: "default image codes", fn: "defaultStageValues", args: [image, 100],
              expect: [400, 800, 1600, 2400, 3200, 4000, 4800, 16000] },
            { tag: "short default image", fn: "defaultStageValues", args: [image.slice(0, 90), 100], expect: null },
            { tag: "24 colour numbers", fn: "colorsFromList", args: [["1", 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 300]],
              expect: [[1, 2, 3], [4, 5, 6], [7, 8, 9], [10, 11, 12], [13, 14, 15], [16, 17, 18], [19, 20, 21], [22, 23, 255]] },
            { tag: "23 colour numbers", fn: "colorsFromList", args: [[1, 2, 3]], expect: null },
            { tag: "eight indices", fn: "indicesFromList", args: [[0, "7", 9, -1, 1, 2, 3, 4]], expect: [0, 7, 7, 0, 1, 2, 3, 4] },
            { tag: "nine indices", fn: "indicesFromList", args: [[0, 1, 2, 3, 4, 5, 6, 7, 0]], expect: null },
            { tag: "dpi choices cut to 18", fn: "dpiChoices", args: [[400, "800", "x", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16]],
              expect: [400, 800, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15] }
        ]
    }

    function test_lists(row) {
        compare(SC[row.fn].apply(null, row.args), row.expect)
    }

    // Drop-down maps: both directions agree, and only "true" enables.
    function test_effectMaps_data() {
        var all = ["true", "true", "true", "true", "true", "true", "true", "true", "true", "true", "true"]
        var noPowerOn = all.slice()
        noPowerOn[0] = "false"
        return [
            { tag: "all enabled", flags: all, posToId: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10], effect: 3, pos: 3 },
            { tag: "effect 0 disabled", flags: noPowerOn, posToId: [1, 2, 3, 4, 5, 6, 7, 8, 9, 10], effect: 0, pos: -1 },
            { tag: "only true counts", flags: [true, "true", "TRUE", " true"], posToId: [0, 1, 3], effect: 3, pos: 2 },
            { tag: "comma text", flags: "false, true, true", posToId: [1, 2], effect: 2, pos: 1 },
            { tag: "missing offers all", flags: undefined, posToId: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10], effect: 1, pos: 1 },
            { tag: "none enabled", flags: ["false"], posToId: [], effect: 1, pos: -1 },
            { tag: "unknown effect id", flags: all, posToId: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10], effect: 200, pos: -1 }
        ]
    }

    function test_effectMaps(row) {
        var maps = SC.effectMaps(row.flags)
        compare(maps.posToId, row.posToId)
        compare(maps.idToPos.length, 11)
        compare(SC.effectPosition(maps, row.effect), row.pos)
        for (var p = 0; p < maps.posToId.length; ++p)
            compare(maps.idToPos[maps.posToId[p]], p)
    }

}
