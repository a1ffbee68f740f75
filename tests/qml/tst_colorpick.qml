import QtQuick
import QtTest
import "../../modules/qml/common"
import "../../modules/qml/common/rainbow.js" as Rainbow

StandInRoot {
    id: mainIten
    height: 200
    property color swatch: "#102030"

    ColorPick { id: pick; objectName: "pick"; width: 256; color: mainIten.swatch }
    SignalSpy { id: pickSpy; target: pick; signalName: "colorPicked" }

    ComponentCase {
        name: "ColorPick"

        function init() {
            mainIten.swatch = "#102030"
            pick.takeColor()
            pickSpy.clear()
        }

        function lastPick() {
            var args = pickSpy.signalArguments[pickSpy.count - 1]
            return [args[0], args[1], args[2]]
        }

        function test_stripPress_data() {
            return [{ tag: "left end", x: 0 }, { tag: "right end", x: 255 }]
        }

        function test_stripPress(row) {
            mousePress(find("pick_strip"), row.x, 8)
            mouseRelease(find("pick_strip"), row.x, 8)
            var c = Rainbow.colorAt(row.x, 256)
            compare(lastPick(), [c.r, c.g, c.b])
            compare(find("pick_b").text, String(c.b), "the fields follow the strip")
            compare(mainIten.swatch, Qt.color("#102030"), "the owner decides what to store")
        }

        function test_fieldCommit_data() {
            return [
                { tag: "Enter", keys: [Qt.Key_1, Qt.Key_2, Qt.Key_8], end: "enter", picked: [16, 128, 48] },
                { tag: "focus loss", keys: [Qt.Key_7, Qt.Key_7], end: "background", picked: [16, 77, 48] },
                { tag: "at most three digits", keys: [Qt.Key_1, Qt.Key_2, Qt.Key_3, Qt.Key_4], end: "enter",
                  picked: [16, 123, 48] },
                { tag: "above 255", keys: [Qt.Key_3, Qt.Key_0, Qt.Key_0], end: "enter", picked: [16, 255, 48] },
                { tag: "emptied field", keys: [Qt.Key_Delete], end: "enter", picked: null, text: "32" },
                { tag: "same value", keys: [Qt.Key_3, Qt.Key_2], end: "background", picked: null, text: "32" }
            ]
        }

        function test_fieldCommit(row) {
            var field = find("pick_g")
            mouseClick(field)
            verify(field.activeFocus)
            field.selectAll()
            for (var i = 0; i < row.keys.length; ++i)
                keyClick(row.keys[i])
            if (row.end === "enter")
                keyClick(Qt.Key_Return)
            else
                mainIten.emptyAreaPressed()
            if (row.picked) {
                compare(pickSpy.count, 1)
                compare(lastPick(), row.picked)
            } else {
                compare(pickSpy.count, 0)
                compare(field.text, row.text)
            }
            field.focus = false
        }

        function test_ownerBindingSurvivesPicks() {
            mousePress(find("pick_strip"), 100, 8)
            mouseRelease(find("pick_strip"), 100, 8)
            mainIten.swatch = "#010203"
            compare([pick.r, pick.g, pick.b], [1, 2, 3])
        }
    }
}
