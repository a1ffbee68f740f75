import QtQuick
import QtTest
import "../../modules/qml/common"

StandInRoot {
    id: mainIten
    height: 300

    KeyInput_2 { id: keyInput2; objectName: "fireKey" }
    KeyInput { id: keyInput; objectName: "key"; y: 40 }
    SignalSpy { id: completeSpy; target: keyInput2; signalName: "inputComplete" }

    ComponentCase {
        name: "KeyInputs"

        function test_keyReport_data() {
            return [
                { tag: "unnamed usage 0x74", armed: true, isDown: true, code: 0x74,
                  stored: 0, text: "KEY\u3010 PRESS ANY \u3011", reported: true },
                { tag: "release of A", armed: true, isDown: false, code: 0x04,
                  stored: 0x04, text: "KEY \u3010 A \u3011", reported: true },
                { tag: "negative code", armed: true, isDown: true, code: -3,
                  stored: 0, text: "KEY\u3010 PRESS ANY \u3011", reported: true },
                { tag: "not armed", armed: false, isDown: true, code: 0x05,
                  stored: 0x29, text: "KEY \u3010 Esc \u3011", reported: false }
            ]
        }

        function test_keyReport(row) {
            keyInput2.setKeycodeUSB(0x29)
            keyInput2.isSelect = row.armed
            completeSpy.clear()
            keyInput2.detectKeyboard(row.isDown, row.code)
            compare(keyInput2.tmpKeycodeUSB, row.stored)
            compare(keyInput2.text, row.text)
            verify(!keyInput2.isSelect)
            compare(completeSpy.count, row.reported ? 1 : 0)
            if (row.reported)
                compare(completeSpy.signalArguments[0][0], row.code)
        }

        function test_clickClearsAndToggles() {
            keyInput2.setKeycodeUSB(0x04)
            keyInput2.isSelect = false
            mouseClick(find("fireKey_area"))
            verify(keyInput2.isSelect)
            compare(keyInput2.tmpKeycodeUSB, 0)
            mouseClick(find("fireKey_area"))
            verify(!keyInput2.isSelect)
        }

        function test_keyInputClearsOnClick() {
            keyInput.setKeycodeUSB(0x74)
            compare(keyInput.keycodeUSB, -1, "a code without a name is no key")
            keyInput.setKeycodeUSB(0x3A)
            compare(keyInput.shownText, "F1")
            var cleared = 0
            keyInput.clearKey.connect(function () { ++cleared })
            var area = find("key_area")
            mouseMove(area, 5, 5)
            compare(keyInput.shownText, keyInput.keycancel)
            mouseClick(area)
            compare(cleared, 1)
            compare(keyInput.keycodeUSB, -1)
            mouseMove(mainIten, 390, 290)
            compare(keyInput.shownText, keyInput.keynameDefault)
        }
    }
}
