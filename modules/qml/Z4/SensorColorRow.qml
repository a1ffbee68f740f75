import QtQuick
import "../common"
import "sensorcolor.js" as SC

// The eight fixed indicator colours in index order; a click picks index k for the colour
// group's selected cell.
Row {
    id: sensorColorRow
    property int selectedIndex: -1
    signal colorClicked(int index)

    spacing: 8

    Repeater {
        id: swatches
        model: 8
        delegate: Rectangle {
            id: swatch
            required property int index
            readonly property var rgb: SC.eightColor(index)
            objectName: sensorColorRow.objectName + "_color" + index
            width: 32
            height: 20
            radius: 3
            color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
            border.width: sensorColorRow.selectedIndex === index || swatchArea.hovered ? 2 : 1
            border.color: sensorColorRow.selectedIndex === index ? mainIten.globalSetting_color
                                                                 : Qt.rgba(1, 1, 1, swatchArea.hovered ? 0.8 : 0.25)

            HoverArea {
                id: swatchArea
                anchors.fill: parent
                onClicked: sensorColorRow.colorClicked(swatch.index)
            }
        }
    }
}
