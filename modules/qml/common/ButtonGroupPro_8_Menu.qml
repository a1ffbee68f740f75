import QtQuick
import "controls.js" as Controls

// One choice of the stage pop-up: its number, or a cross for an unset value.
Item {
    id: menuChoice
    property var value: 0
    property int index: 0
    property bool isSelect: false
    // Reached with the arrow keys: drawn as if hovered.
    property bool keyed: false
    signal clicked()

    readonly property bool hovered: choiceArea.hovered || keyed
    readonly property string text: Controls.stageText(value)
    implicitWidth: 56
    implicitHeight: 24

    Rectangle {
        id: face
        anchors.fill: parent
        radius: 3
        color: menuChoice.hovered ? Qt.alpha(mainIten.globalSetting_color, 0.22)
                                  : menuChoice.isSelect ? Qt.alpha(mainIten.globalSetting_color, 0.1) : "#1E2630"
        border.width: 1
        border.color: menuChoice.hovered || menuChoice.isSelect ? mainIten.globalSetting_color
                                                                : Qt.rgba(0, 1, 1, 0.15)
        Behavior on color { ColorAnimation { duration: 80 } }
    }

    Text {
        id: label
        textFormat: Text.PlainText
        anchors.centerIn: parent
        text: menuChoice.text
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: menuChoice.hovered || menuChoice.isSelect ? mainIten.globalSetting_color
                                                         : mainIten.globalSetting_color_enable
    }

    HoverArea {
        id: choiceArea
        objectName: menuChoice.objectName + "_area"
        anchors.fill: parent
        onClicked: menuChoice.clicked()
    }
}
