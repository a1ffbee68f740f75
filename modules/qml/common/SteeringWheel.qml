pragma ComponentBehavior: Bound
import QtQuick
import "controls.js" as Controls

// Five cells in a cross: 0 centre, 1 right, 2 left, 3 up, 4 down. A click selects and reports.
Item {
    id: steeringWheel
    property int currentIndex: 1
    property int textSize: mainIten.globalSetting_size + 3
    property color textColor: mainIten.globalSetting_color_enable
    signal wheelClicked(int index)

    readonly property int cellSize: Math.floor(Math.min(width, height) / 3)
    readonly property var glyphs: ["\u25CF", "\u25BA", "\u25C4", "\u25B2", "\u25BC"]
    // Column and row of each cell in the 3 x 3 grid.
    readonly property var places: [[1, 1], [2, 1], [0, 1], [1, 0], [1, 2]]

    implicitWidth: 84
    implicitHeight: 84
    opacity: Controls.disabledOpacity(steeringWheel)

    Repeater {
        id: cells
        model: 5
        delegate: Rectangle {
            id: cell
            required property int index
            readonly property bool selected: steeringWheel.currentIndex === index
            x: steeringWheel.places[index][0] * steeringWheel.cellSize
            y: steeringWheel.places[index][1] * steeringWheel.cellSize
            width: steeringWheel.cellSize - 2
            height: steeringWheel.cellSize - 2
            radius: index === 0 ? width / 2 : 4
            color: selected ? Qt.alpha(mainIten.globalSetting_color, 0.25)
                            : cellArea.hovered ? Qt.alpha(mainIten.globalSetting_color, 0.12) : "#1E2630"
            border.width: 1
            border.color: selected || cellArea.hovered ? mainIten.globalSetting_color
                                                       : Qt.rgba(0, 1, 1, 0.22)
            Behavior on color { ColorAnimation { duration: 100 } }

            Text {
                id: glyph
                textFormat: Text.PlainText
                anchors.centerIn: parent
                text: steeringWheel.glyphs[cell.index]
                font.pixelSize: steeringWheel.textSize
                color: cell.selected || cellArea.hovered ? mainIten.globalSetting_color
                                                         : steeringWheel.textColor
            }
            HoverArea {
                id: cellArea
                objectName: steeringWheel.objectName + "_cell" + cell.index
                anchors.fill: parent
                onClicked: {
                    steeringWheel.currentIndex = cell.index
                    steeringWheel.wheelClicked(cell.index)
                }
            }
        }
    }
}
