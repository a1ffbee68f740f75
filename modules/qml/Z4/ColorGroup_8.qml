import QtQuick
import "../common/controls.js" as Controls
import "../common"
import "sensorcolor.js" as SC

// Eight colour cells in two rows of four with the rainbow pick below. Each cell holds a free
// colour and an eight-colour index; in eight-colour mode the cells show the fixed colour of
// their index and the pick is hidden. Cells from maxStage on are transparent and inert.
Item {
    id: colorGroup_8
    property int currentIndex: 0
    property int maxStage: 8
    property bool isCompat8Color: false
    readonly property int currentColorId: cellCount > 0 ? cellId(currentIndex) : -1
    readonly property int cellCount: modColors.count
    // Counts changes of the cells; `colors` and `indices` are colorList() and indexList()
    // as bindings that follow every change.
    property int revision: 0
    readonly property var colors: revision >= 0 ? colorList() : []
    // The eight-colour indicator's fixed colours, as the core knows them (set by the page).
    property var eightColors: []
    readonly property var indices: revision >= 0 ? indexList() : []
    signal clicked(int index)
    signal setTextInputFocus(bool isFocus)

    property ListModel modColors: ListModel {
        ListElement { colorR: 255; colorG: 0; colorB: 0; colorId: 0 }
        ListElement { colorR: 0; colorG: 255; colorB: 255; colorId: 1 }
        ListElement { colorR: 0; colorG: 255; colorB: 0; colorId: 2 }
        ListElement { colorR: 255; colorG: 0; colorB: 255; colorId: 3 }
        ListElement { colorR: 255; colorG: 255; colorB: 0; colorId: 4 }
        ListElement { colorR: 0; colorG: 255; colorB: 255; colorId: 5 }
        ListElement { colorR: 255; colorG: 255; colorB: 255; colorId: 6 }
        ListElement { colorR: 255; colorG: 127; colorB: 0; colorId: 7 }
    }

    // Selects cell i (held among the usable cells) and shows its colour in the fields.
    function setCurIndex(i) {
        currentIndex = SC.clamp(Math.round(SC.toNumber(i, currentIndex)), 0, maxStage - 1)
        pick.color = cellColor(currentIndex)
    }
    function getCurIndex() {
        return currentIndex
    }
    function setColor8_Id(i, id) {
        if (i < 0 || i >= cellCount)
            return
        modColors.setProperty(i, "colorId", SC.clamp(Math.round(SC.toNumber(id, 0)), 0, 7))
        ++revision
    }
    function cellId(i) {
        return i >= 0 && i < cellCount ? modColors.get(i).colorId : 0
    }
    // The colour a cell shows in the current mode.
    function cellColor(i) {
        if (i < 0 || i >= cellCount)
            return "black"
        var cell = modColors.get(i)
        var rgb = isCompat8Color ? eightColor(cell.colorId) : [cell.colorR, cell.colorG, cell.colorB]
        return Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
    }
    function setColor(i, rgb) {
        if (i < 0 || i >= cellCount)
            return
        modColors.setProperty(i, "colorR", SC.toByte(rgb[0]))
        modColors.setProperty(i, "colorG", SC.toByte(rgb[1]))
        modColors.setProperty(i, "colorB", SC.toByte(rgb[2]))
        ++revision
    }
    function eightColor(index) {
        return (eightColors || [])[SC.clamp(Math.round(SC.toNumber(index, 0)), 0, 7)] || [0, 0, 0]
    }
    // Eight [r, g, b] cells, as from the bridge's z4_colorCells.
    function setColors(list) {
        for (var i = 0; i < list.length && i < cellCount; ++i)
            setColor(i, list[i])
        pick.color = cellColor(currentIndex)
    }
    function setIndices(ids) {
        for (var i = 0; i < ids.length && i < cellCount; ++i)
            setColor8_Id(i, ids[i])
    }
    // Every cell's [r, g, b], usable or not; the bridge's z4_colorList makes the 24 numbers.
    function colorList() {
        var rgb = []
        for (var i = 0; i < cellCount; ++i) {
            var cell = modColors.get(i)
            rgb[i] = [cell.colorR, cell.colorG, cell.colorB]
        }
        return rgb
    }
    function indexList() {
        var list = []
        for (var i = 0; i < SC.stageCount; ++i)
            list[i] = cellId(i)
        return list
    }

    implicitWidth: 320
    implicitHeight: isCompat8Color ? cells.height : pick.y + pick.height
    width: implicitWidth
    height: implicitHeight
    opacity: Controls.disabledOpacity(colorGroup_8)

    onMaxStageChanged: if (currentIndex >= maxStage) setCurIndex(maxStage - 1)
    onIsCompat8ColorChanged: pick.color = cellColor(currentIndex)
    // Typed values commit when their field loses the focus; taking it here does that.
    onSetTextInputFocus: function (isFocus) {
        if (!isFocus)
            focusSink.forceActiveFocus()
    }

    Item {
        id: focusSink
        width: 0
        height: 0
    }

    // One Tab stop: the arrows, Home and End select among the usable cells.
    Grid {
        id: cells
        columns: 4
        spacing: 8
        activeFocusOnTab: true
        Accessible.role: Accessible.List
        Accessible.name: (mainIten.globalSetting_stringList || [])[35] || "COLOR"
        Keys.onPressed: function (event) {
            const to = Controls.movedIndex(event.key, colorGroup_8.currentIndex, colorGroup_8.maxStage)
            event.accepted = to >= 0
            if (to >= 0 && to !== colorGroup_8.currentIndex) {
                colorGroup_8.setCurIndex(to)
                colorGroup_8.clicked(to)
            }
        }
        Repeater {
            id: cellRepeater
            model: colorGroup_8.modColors
            delegate: Rectangle {
                id: cell
                required property int index
                required property int colorR
                required property int colorG
                required property int colorB
                required property int colorId
                readonly property bool usable: index < colorGroup_8.maxStage
                readonly property bool selected: usable && index === colorGroup_8.currentIndex
                readonly property var rgb: colorGroup_8.isCompat8Color ? colorGroup_8.eightColor(colorId)
                                                                       : [colorR, colorG, colorB]
                objectName: colorGroup_8.objectName + "_cell" + index
                width: 74
                height: 24
                radius: 4
                opacity: usable ? 1 : 0
                color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
                border.width: selected ? 2 : 1
                border.color: selected ? mainIten.globalSetting_color
                                       : Qt.rgba(1, 1, 1, cellArea.hovered ? 0.8 : 0.25)
                Accessible.role: Accessible.ListItem
                Accessible.name: String(index + 1)
                Accessible.selectable: usable
                Accessible.selected: selected
                FocusMark {
                    id: focusMark
                    owner: cells
                    active: cell.selected
                }

                Rectangle {
                    id: selectionGlow
                    anchors.fill: parent
                    anchors.margins: -4
                    radius: 7
                    color: "transparent"
                    border.width: 2
                    border.color: Qt.alpha(mainIten.globalSetting_color, 0.35)
                    visible: cell.selected
                }

                HoverArea {
                    id: cellArea
                    anchors.fill: parent
                    active: cell.usable
                    onClicked: colorGroup_8.setCurIndex(cell.index)
                }
            }
        }
    }

    ColorPick {
        id: pick
        objectName: colorGroup_8.objectName + "_pick"
        x: (colorGroup_8.width - width) / 2
        y: cells.height + 14
        width: 256
        visible: !colorGroup_8.isCompat8Color
        onColorPicked: function (r, g, b) {
            colorGroup_8.setColor(colorGroup_8.currentIndex, [r, g, b])
            pick.color = colorGroup_8.cellColor(colorGroup_8.currentIndex)
            colorGroup_8.clicked(colorGroup_8.currentIndex)
        }
    }
}
