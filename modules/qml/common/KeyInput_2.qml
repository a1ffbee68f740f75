import QtQuick
import "controls.js" as Controls
import "../basic/keycodes.js" as KeyCodes

// Key capture box: a click clears the key and arms it; the next key report (press or
// release) disarms it, stores the key when it has a name and reports the code either way.
Item {
    id: keyInput_2
    property bool isSelect: false
    property int tmpKeycodeUSB: 0
    property string tmpKeyString
    property string text: Controls.keyInput2Text(tmpKeyString, mainIten.globalSetting_stringList)
    signal inputComplete(int usbCode)

    function setKeycodeUSB(code) {
        var name = Number(code) > 0 ? KeyCodes.keycodeTostr(Number(code)) : undefined
        tmpKeycodeUSB = name === undefined ? 0 : Number(code)
        tmpKeyString = name === undefined ? "" : name
    }
    function detectKeyboard(isDown, usbCode) {
        if (!isSelect)
            return
        isSelect = false
        setKeycodeUSB(usbCode)
        inputComplete(usbCode)
    }

    readonly property bool hovered: keyArea.hovered
    implicitWidth: 200
    implicitHeight: 28
    opacity: Controls.disabledOpacity(keyInput_2)
    onEnabledChanged: if (!enabled) isSelect = false

    Rectangle {
        id: fallbackFrame
        anchors.fill: parent
        visible: !framePicture.ready
        radius: 4
        color: keyInput_2.isSelect ? Qt.alpha(mainIten.globalSetting_color, 0.12) : "#1E2630"
        border.width: 1
        border.color: keyInput_2.isSelect || keyInput_2.hovered ? mainIten.globalSetting_color
                                                                : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: framePicture
        anchors.fill: parent
        name: "btnFrame"
    }

    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: keyInput_2.text
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: keyInput_2.isSelect
        color: keyInput_2.isSelect || keyInput_2.hovered ? mainIten.globalSetting_color
                                                         : mainIten.globalSetting_color_enable
        Behavior on color { ColorAnimation { duration: 100 } }

        // Waiting for a key: the text breathes until one arrives.
        SequentialAnimation on opacity {
            running: keyInput_2.isSelect
            loops: Animation.Infinite
            alwaysRunToEnd: true
            NumberAnimation { to: 0.35; duration: 400 }
            NumberAnimation { to: 1.0; duration: 400 }
        }
    }

    HoverArea {
        id: keyArea
        objectName: keyInput_2.objectName + "_area"
        anchors.fill: parent
        onClicked: {
            keyInput_2.setKeycodeUSB(0)
            keyInput_2.isSelect = !keyInput_2.isSelect
        }
    }
}
