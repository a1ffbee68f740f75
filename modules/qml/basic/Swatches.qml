import QtQuick
import "../common"
import "../common/controls.js" as Controls

// The seven text colours; a click selects one and makes it the text colour.
Row {
    id: swatches
    required property var settings
    spacing: 8
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Accessible.name: (mainIten.globalSetting_stringList || [])[35] || "COLOR"
    Keys.onPressed: function (event) {
        const to = Controls.movedIndex(event.key, settings.selectedSwatch, 7)
        event.accepted = to >= 0
        if (to >= 0)
            choose(to)
    }
    function choose(index) {
        mainIten.emptyAreaPressed()
        settings.selectedSwatch = index
    }
    readonly property var selectedRgb: settings.swatches[settings.selectedSwatch] || [0, 0, 0]
    readonly property color selectedColour: Qt.rgba(selectedRgb[0] / 255, selectedRgb[1] / 255,
                                                    selectedRgb[2] / 255, 1)

    Repeater {
        id: cells
        model: 7
        delegate: Rectangle {
            id: cell
            required property int index
            readonly property var rgb: swatches.settings.swatches[index]
            readonly property bool selected: index === swatches.settings.selectedSwatch
            objectName: "globalsetting_swatch" + index
            width: 28
            height: 28
            radius: 4
            color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
            border.width: selected ? 2 : 1
            border.color: selected ? "#FFFFFF" : cellArea.hovered ? "#AAAAAA" : "#40FFFFFF"
            Accessible.role: Accessible.ListItem
            Accessible.name: String(index + 1)
            Accessible.selected: selected
            FocusMark {
                id: focusMark
                owner: swatches
                active: cell.selected
            }

            HoverArea {
                id: cellArea
                anchors.fill: parent
                anchors.margins: -2
                onClicked: swatches.choose(cell.index)
            }
        }
    }
}
