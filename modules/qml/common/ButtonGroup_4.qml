pragma ComponentBehavior: Bound
import QtQuick
import "controls.js" as Controls

// Four exclusive cells in a row; a click selects the cell and reports it. One Tab stop: the
// selected cell holds the focus and the arrows, Home and End select another.
FocusScope {
    id: buttonGroup_4
    property var valueForIndex: [0, 1, 2, 3]
    property int currentIndex: 0
    signal clicked(int index)

    function setCurIndex(index) {
        currentIndex = Controls.clampInt(index, 0, 3, currentIndex)
    }
    function getCurIndex() {
        return currentIndex
    }
    function choose(index) {
        currentIndex = index
        clicked(index)
    }

    implicitWidth: 320
    implicitHeight: 32
    opacity: Controls.disabledOpacity(buttonGroup_4)
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Keys.onPressed: function (event) {
        var to = Controls.movedIndex(event.key, currentIndex, 4)
        event.accepted = to >= 0
        if (to >= 0 && to !== currentIndex)
            choose(to)
    }

    Rectangle {
        id: fallbackBase
        anchors.fill: parent
        visible: !basePicture.ready
        radius: 4
        color: "#1E2630"
        border.width: 1
        border.color: Qt.rgba(0, 1, 1, 0.22)
    }

    Picture {
        id: basePicture
        anchors.fill: parent
        name: "btnGroup_4_BASE"
    }

    Row {
        id: cells
        anchors.fill: parent
        Repeater {
            id: cellRepeater
            model: 4
            delegate: Item {
                id: cell
                required property int index
                readonly property bool selected: buttonGroup_4.currentIndex === index
                readonly property bool hovered: cellArea.hovered
                width: cells.width / 4
                height: cells.height
                focus: selected
                Accessible.role: Accessible.ListItem
                Accessible.name: label.text
                Accessible.selectable: true
                Accessible.selected: selected
                Accessible.onPressAction: buttonGroup_4.choose(index)

                Rectangle {
                    id: fallbackCell
                    anchors.fill: parent
                    anchors.margins: 2
                    visible: !idlePicture.ready
                    radius: 3
                    color: cell.selected ? Qt.alpha(mainIten.globalSetting_color, 0.3)
                                         : cell.hovered ? Qt.alpha(mainIten.globalSetting_color, 0.12)
                                                        : "transparent"
                    border.width: cell.selected ? 1 : 0
                    border.color: mainIten.globalSetting_color
                    Behavior on color { ColorAnimation { duration: 100 } }
                }
                Picture {
                    id: idlePicture
                    anchors.fill: parent
                    name: "btnGroup_FILLER_0"
                    litName: "btnGroup_FILLER_1"
                    lit: cell.selected ? 1 : cell.hovered ? 0.45 : 0
                }
                Text {
                    id: label
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: buttonGroup_4.valueForIndex && buttonGroup_4.valueForIndex[cell.index] !== undefined
                          ? String(buttonGroup_4.valueForIndex[cell.index]) : ""
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    font.bold: cell.selected
                    color: cell.selected || cell.hovered ? mainIten.globalSetting_color
                                                         : mainIten.globalSetting_color_enable
                    Behavior on color { ColorAnimation { duration: 100 } }
                }
                HoverArea {
                    id: cellArea
                    objectName: buttonGroup_4.objectName + "_cell" + cell.index
                    anchors.fill: parent
                    onClicked: buttonGroup_4.choose(cell.index)
                }
                FocusMark {
                    id: focusMark
                    anchors.margins: 0
                }
            }
        }
    }
}
