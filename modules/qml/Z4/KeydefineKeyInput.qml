import QtQuick
import "../common"

// Key capture box of the key page. `code` is the key the slot holds; a box disarmed without a
// key report shows that key again, so the box never shows less than the slot holds.
KeyInput_2 {
    id: keydefineKeyInput
    property int code: 0
    signal keyCaptured(int usbCode)
    signal armed()

    function show(newCode) {
        code = newCode
        isSelect = false
        setKeycodeUSB(newCode)
    }

    width: 232
    height: 28
    onIsSelectChanged: {
        if (isSelect)
            armed()
        else
            setKeycodeUSB(code)
    }
    onInputComplete: function (usbCode) {
        if (usbCode > 0 && usbCode <= 255) {
            code = usbCode
            keyCaptured(usbCode)
        }
        setKeycodeUSB(code)
    }
}
