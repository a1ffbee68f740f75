import QtQuick
import "controls.js" as Controls
import "../basic/keycodes.js" as KeyCodes

// Shows a key's name; while hovered it offers to clear it, and a click does so.
Item {
    id: keyInput
    property int keycodeUSB: -1
    property string keyname
    property string keynameDefault: "\u3010 KEYS \u3011"
    property string keycancel: "\u2573"
    readonly property bool isIn: keyArea.hovered
    signal clearKey()

    // A code without a name counts as no key.
    function setKeycodeUSB(code) {
        var name = Number(code) >= 0 ? KeyCodes.keycodeTostr(Number(code)) : undefined
        keycodeUSB = name === undefined ? -1 : Number(code)
        keyname = name === undefined ? "" : name
    }

    readonly property string shownText: isIn ? keycancel : keyname !== "" ? keyname : keynameDefault
    implicitWidth: 120
    implicitHeight: 28
    opacity: Controls.disabledOpacity(keyInput)

    Rectangle {
        id: fallbackFrame
        anchors.fill: parent
        visible: !framePicture.ready
        radius: 4
        color: "#1E2630"
        border.width: 1
        border.color: keyInput.isIn ? "#FF7F00" : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: framePicture
        anchors.fill: parent
        name: "btnFrame"
    }

    Text {
        id: label
        textFormat: Text.PlainText
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: keyInput.shownText
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: keyInput.isIn ? mainIten.globalSetting_color
                             : keyInput.keyname !== "" ? mainIten.globalSetting_color_enable
                                                       : mainIten.globalSetting_color_disable
    }

    HoverArea {
        id: keyArea
        objectName: keyInput.objectName + "_area"
        anchors.fill: parent
        onClicked: {
            keyInput.setKeycodeUSB(-1)
            keyInput.clearKey()
        }
    }
}
