import QtQuick
import "controls.js" as Controls

// One cell of ButtonGroupPro_8: its value (or a cross) and a "▼" that opens the choices.
// Outside the stage count the cell draws nothing and takes no input. A click at the cell's
// centre lands on its value part.
Item {
    id: stageCell
    property var value: 0
    property bool shown: true
    property bool selected: false
    property bool menuOpen: false
    property string baseName
    property string arrowName
    signal cellClicked()
    signal arrowClicked()

    readonly property bool selectable: shown && Controls.hasValue(value)
    readonly property bool hovered: cellArea.hovered || arrowArea.hovered
    readonly property alias text: valueText.text
    visible: shown
    Accessible.role: Accessible.ListItem
    Accessible.name: valueText.text
    Accessible.selectable: selectable
    Accessible.selected: selected
    Accessible.onPressAction: cellClicked()

    Rectangle {
        id: fallbackCell
        anchors.fill: parent
        anchors.margins: 2
        visible: !idlePicture.ready
        radius: 3
        color: stageCell.selected ? Qt.alpha(mainIten.globalSetting_color, 0.3)
                                  : stageCell.hovered ? Qt.alpha(mainIten.globalSetting_color, 0.12) : "transparent"
        border.width: stageCell.selected ? 1 : 0
        border.color: mainIten.globalSetting_color
        Behavior on color { ColorAnimation { duration: 100 } }
    }
    Picture {
        id: idlePicture
        anchors.fill: parent
        name: stageCell.baseName + "_0"
        litName: stageCell.baseName + "_1"
        lit: stageCell.selected ? 1 : stageCell.hovered && stageCell.selectable ? 0.45 : 0
    }

    Text {
        id: valueText
        textFormat: Text.PlainText
        anchors.verticalCenter: parent.verticalCenter
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.horizontalCenterOffset: -6
        text: Controls.stageText(stageCell.value)
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: stageCell.selected
        color: stageCell.selected || (cellArea.hovered && stageCell.selectable)
               ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
        Behavior on color { ColorAnimation { duration: 100 } }
    }

    FocusMark {
        id: focusMark
        anchors.margins: 0
    }

    HoverArea {
        id: cellArea
        anchors.fill: parent
        anchors.rightMargin: arrowArea.width
        active: stageCell.shown
        cursorShape: live && stageCell.selectable ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: stageCell.cellClicked()
    }

    HoverArea {
        id: arrowArea
        objectName: stageCell.arrowName
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 20
        active: stageCell.shown
        onClicked: stageCell.arrowClicked()
        Accessible.role: Accessible.Button
        Accessible.name: valueText.text + " \u25BC"
        Accessible.onPressAction: stageCell.arrowClicked()

        Text {
            id: arrowText
            textFormat: Text.PlainText
            anchors.centerIn: parent
            text: "\u25BC"
            font.pixelSize: Math.max(7, mainIten.globalSetting_size - 4)
            color: arrowArea.hovered || stageCell.menuOpen ? mainIten.globalSetting_color
                                                           : mainIten.globalSetting_color_enable
            rotation: stageCell.menuOpen ? 180 : 0
            Behavior on rotation { NumberAnimation { duration: 120 } }
        }
    }
}
