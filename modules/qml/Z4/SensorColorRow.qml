import QtQuick
import "../common"
import "../common/controls.js" as Controls

// The eight fixed indicator colours in index order; a click picks index k for the colour
// group's selected cell.
Row {
    id: sensorColorRow
    property int selectedIndex: -1
    property var eightColors: []
    signal colorClicked(int index)

    spacing: 8
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Accessible.name: (mainIten.globalSetting_stringList || [])[105] || "DPI INDICATOR LED"
    Keys.onPressed: function (event) {
        const to = Controls.movedIndex(event.key, selectedIndex, 8)
        event.accepted = to >= 0
        if (to >= 0 && to !== selectedIndex)
            colorClicked(to)
    }

    Repeater {
        id: swatches
        model: 8
        delegate: Rectangle {
            id: swatch
            required property int index
            readonly property var rgb: (sensorColorRow.eightColors || [])[index] || [0, 0, 0]
            objectName: sensorColorRow.objectName + "_color" + index
            width: 32
            height: 20
            radius: 3
            color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
            border.width: sensorColorRow.selectedIndex === index || swatchArea.hovered ? 2 : 1
            border.color: sensorColorRow.selectedIndex === index ? mainIten.globalSetting_color
                                                                 : Qt.rgba(1, 1, 1, swatchArea.hovered ? 0.8 : 0.25)

            Accessible.role: Accessible.ListItem
            Accessible.name: String(index + 1)
            Accessible.selected: sensorColorRow.selectedIndex === index
            FocusMark {
                id: focusMark
                owner: sensorColorRow
                active: sensorColorRow.selectedIndex === swatch.index
            }

            HoverArea {
                id: swatchArea
                anchors.fill: parent
                onClicked: sensorColorRow.colorClicked(swatch.index)
            }
        }
    }
}
