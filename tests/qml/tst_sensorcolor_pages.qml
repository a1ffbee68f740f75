import QtQuick
import QtTest
import "../../modules/qml/Z4"

// The sensor and colour pages against a recording bridge: call orders, and what damaged
// model values and lists do to the display and to what is sent.
Item {
    id: mainIten
    width: 1000
    height: 600

    property int globalSetting_size: 11
    property color globalSetting_color: "#00FFFF"
    property color globalSetting_color_enable: "#AAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property string globalSetting_fontFamily: "Arial"
    property var globalSetting_stringList: []
    property int animation_speed: 10
    property var bottomBar: null
    signal emptyAreaPressed()
    function setProtectUI(interval) { }

    QtObject {
        id: main_Z4
        property var colorMaxStage: 8
        property var effectEnable: ["true", "true", "true", "true", "true", "true", "true", "true", "true", "true", "true"]
        property var dpiBase: 100
        property var dpiValue: [400, 800, 1600]
    }

    QtObject {
        id: ui_View
        property var calls: []
        property var data: ({})
        function log(text) { calls.push(text) }
        function z4_GetMaxDpiStage() { return data.maxStage }
        function z4_89H_GetRGBLedTwinkle() { return data.ledType }
        function z4_83H_GetReportRate() { return data.rate }
        function getCursorSpeed() { return 3 }
        function getVerticalScrollLines() { return 4 }
        function getDoubleClickSpeed() { return 6 }
        function z4_84H_GetDPIStage() { return data.stage }
        function z4_8CH_GetDpi8Stage() { return data.codes }
        function z4_8CH_GetDpi8Color() { return data.dpiColors }
        function z4_8CH_GetDpi8Io() { return data.io }
        function z4_82H_GetCurrentProfile() { return 2 }
        function z4_getDefaultProfile(key, profile) { return data.defaults[key] }
        function z4_GetLED8StageColor() { return data.ledColors }
        function z4_8CH_GetRGBLedEffect() { return data.effect }
        function z4_03H_SetReportRate(rate) { log("rate " + rate) }
        function setCursorSpeed(v) { log("cursor " + v) }
        function setVerticalScrollLines(v) { log("lines " + v) }
        function setDoubleClickSpeed(v) { log("doubleClick " + v) }
        function z4_0CH_SetDpi8Io(list) { log("io " + list) }
        function z4_0CH_SetDpi8Color(list) { log("dpiColor " + list.length) }
        function z4_0CH_SetDpi8Stage(list) { log("stages " + list) }
        function z4_04H_SetDPIStage(stage) { log("stage " + stage) }
        function z4_SetLED8StageColor(list) { log("ledColor " + list) }
        function z4_0CH_SetRGBLedEffect(effect, light, speed) { log("effect " + [effect, light, speed]) }
    }

    Page_Sensor { id: sensorPage }
    Page_Color { id: colorPage; x: 0; y: 0; visible: false }

    TestCase {
        name: "SensorColorPages"
        when: windowShown

        readonly property var codes8: [3, 7, 15, 23, 31, 39, 47, 79]

        function sensorData(changes) {
            var d = { maxStage: 8, ledType: 1, rate: 2, stage: 2, codes: codes8.concat(codes8),
                      dpiColors: [], io: [0, 1, 2, 3, 4, 5, 6, 7],
                      ledColors: [], effect: [3, 255, 5], defaults: {} }
            for (var i = 0; i < 24; ++i) {
                d.dpiColors.push(i * 10)
                d.ledColors.push(i)
            }
            for (var key in changes)
                d[key] = changes[key]
            return d
        }

        function init() {
            failOnWarning(/.*/)
            ui_View.calls = []
            main_Z4.dpiBase = 100
            main_Z4.colorMaxStage = 8
        }

        function test_sensorApply_data() {
            var all = "rate 2,cursor 3,lines 4,doubleClick 6,"
            var stages = "stages 3,7,15,23,31,39,47,79,3,7,15,23,31,39,47,79,stage 2"
            return [
                { tag: "RGB indicator", data: {}, expect: all + "dpiColor 24," + stages },
                { tag: "eight-colour indicator", data: { ledType: 0 }, expect: all + "io 0,1,2,3,4,5,6,7," + stages },
                { tag: "short stage table is not sent back",
                  data: { codes: codes8 }, expect: all + "dpiColor 24,stage 2" },
                { tag: "stage beyond the stages offered",
                  data: { maxStage: 5, stage: 8 }, expect: all + "dpiColor 24," + stages.replace("stage 2", "stage 5") },
                { tag: "no model stage count", data: { maxStage: undefined, stage: 8 },
                  expect: all + "dpiColor 24," + stages.replace("stage 2", "stage 8") }
            ]
        }

        function test_sensorApply(row) {
            ui_View.data = sensorData(row.data)
            sensorPage.initUI()
            sensorPage.pageApply()
            compare(ui_View.calls.join(","), row.expect)
        }

        // Damaged model values and lists: a defined display and nothing read past a list's end.
        function test_sensorBadInput_data() {
            return [
                { tag: "dpiBase 0", base: 0, data: {}, cell0: "400", colour: 0 },
                { tag: "dpiBase missing", base: undefined, data: {}, cell0: "400", colour: 0 },
                { tag: "dpiBase as text", base: "50", data: {}, cell0: "200", colour: 0 },
                { tag: "23 colours keep the shown ones", base: 100, data: { dpiColors: [1, 2, 3] }, cell0: "400", colour: 255 },
                { tag: "stage list of 8 shows crosses", base: 100, data: { codes: codes8 }, cell0: "\u00D7", colour: 0 }
            ]
        }

        function test_sensorBadInput(row) {
            main_Z4.dpiBase = row.base
            ui_View.data = sensorData({ dpiColors: [255, 0, 0].concat(new Array(21).fill(9)) })
            sensorPage.initUI()
            ui_View.data = sensorData(row.data)
            sensorPage.initUI()
            compare(Math.round(findChild(sensorPage, "sensor_color_cell0").color.r * 255), row.colour)
            var value = findChild(sensorPage, "sensor_dpi").valueForIndex[0]
            compare(value > 0 ? String(value) : "\u00D7", row.cell0)
        }

        function test_colorApply_data() {
            var colours = "ledColor 0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23"
            var noPowerOn = ["false", "true", "true", "true", "true", "true", "true", "true", "true", "true", "true"]
            return [
                { tag: "breathing", enable: undefined, effect: [3, 128, 10], pos: 3, expect: colours + ",effect 3,146,10" },
                { tag: "static sends no speed", enable: undefined, effect: [1, 255, 7], pos: 1, expect: colours + ",effect 1,255,0" },
                { tag: "effect 0 not offered", enable: noPowerOn, effect: [0, 255, 0], pos: -1, expect: colours },
                { tag: "unknown effect id", enable: undefined, effect: [42, 255, 0], pos: -1, expect: colours },
                { tag: "short effect list", enable: undefined, effect: [3], pos: 3, expect: colours + ",effect 3,255,1" }
            ]
        }

        function test_colorApply(row) {
            main_Z4.effectEnable = row.enable
            ui_View.data = sensorData({ effect: [3, 255, 1] })
            colorPage.initUI()
            ui_View.data = sensorData({ effect: row.effect })
            colorPage.refreshUI()
            compare(findChild(colorPage, "color_effect").defaultIndex, row.pos)
            ui_View.calls = []
            colorPage.pageApply()
            compare(ui_View.calls.join(","), row.expect)
        }

        function test_colorMaxStage_data() {
            return [
                { tag: "4", value: 4, usable: 4 },
                { tag: "above 8", value: 12, usable: 8 },
                { tag: "below 1", value: -3, usable: 1 },
                { tag: "missing", value: undefined, usable: 8 }
            ]
        }

        function test_colorMaxStage(row) {
            main_Z4.colorMaxStage = row.value
            ui_View.data = sensorData({})
            colorPage.initUI()
            for (var i = 0; i < 8; ++i)
                compare(findChild(colorPage, "color_group_cell" + i).opacity, i < row.usable ? 1 : 0, "cell " + i)
            colorPage.pageApply()
            compare(ui_View.calls[0].split(",").length, 24, "all 24 numbers are sent")
        }
    }
}
