pragma ComponentBehavior: Bound
import QtQuick
import "controls.js" as Controls

// Eight stage cells in two rows of four. Cells from maxStage on are blank and inert; a cell
// holding no value (0 or less) shows a cross and cannot be selected, but its "▼" still opens
// the pop-up of choices so a value can be given to it. One Tab stop: the arrows select among
// the usable cells, Space or Enter opens the pop-up, where the arrows pick and Escape closes.
FocusScope {
    id: buttonGroupPro_8
    property var valueForIndex: [1, 2, 3, 4, 5, 6, 7, 8]
    property int currentIndex: 0
    property int maxStage: 8
    property var valueForMenuIndex: []
    property int menuCounter: 18
    property int currentMenuIndex: -1
    // The choice the keyboard has reached in the open pop-up.
    property int keyChoice: 0
    signal clicked(int index)
    signal valueChanged(int index, int value)

    readonly property int choiceCount: Math.max(0, Math.min(menuCounter, 18,
                                                            Controls.itemCount(valueForMenuIndex)))

    function valueAt(cell) {
        return valueForIndex ? valueForIndex[cell] : undefined
    }
    function setCurIndex(index) {
        currentIndex = Controls.clampInt(index, 0, 7, currentIndex)
    }
    function getCurIndex() {
        return currentIndex
    }
    function toggleMenu(cell) {
        currentMenuIndex = currentMenuIndex === cell ? -1 : cell
        keyChoice = Math.max(0, choiceOf(valueAt(cell)))
    }
    function choiceOf(value) {
        for (var i = 0; i < choiceCount; ++i) {
            if (Number(valueForMenuIndex[i]) === Number(value))
                return i
        }
        return -1
    }
    // The pop-up takes the keys while open; otherwise they move among the usable cells.
    function menuKey(key) {
        if (key === Qt.Key_Escape) {
            currentMenuIndex = -1
            return true
        }
        if (Controls.isActivateKey(key)) {
            pickChoice(keyChoice)
            return true
        }
        var to = Controls.movedIndex(key, keyChoice, choiceCount, undefined, choiceGrid.columns)
        if (to >= 0)
            keyChoice = to
        return to >= 0
    }
    function cellKey(key) {
        if (Controls.isActivateKey(key) && Controls.stageShown(currentIndex, maxStage)) {
            toggleMenu(currentIndex)
            return true
        }
        var to = Controls.movedIndex(key, currentIndex, 8, function (cell) {
            return Controls.stageSelectable(cell, maxStage, valueAt(cell))
        })
        if (to >= 0 && to !== currentIndex)
            selectCell(to)
        return to >= 0
    }
    function selectCell(cell) {
        currentMenuIndex = -1
        if (!Controls.stageSelectable(cell, maxStage, valueAt(cell)))
            return
        currentIndex = cell
        clicked(cell)
    }
    function pickChoice(choice) {
        var cell = currentMenuIndex
        if (cell < 0 || choice < 0 || choice >= choiceCount)
            return
        var values = new Array(8)
        for (var i = 0; i < 8; ++i)
            values[i] = valueAt(i)
        values[cell] = valueForMenuIndex[choice]
        valueForIndex = values
        currentMenuIndex = -1
        valueChanged(cell, Number(values[cell]))
    }

    implicitWidth: 320
    implicitHeight: 72
    opacity: Controls.disabledOpacity(buttonGroupPro_8)
    onMaxStageChanged: if (currentMenuIndex >= maxStage) currentMenuIndex = -1
    onEnabledChanged: if (!enabled) currentMenuIndex = -1
    onVisibleChanged: if (!visible) currentMenuIndex = -1
    onActiveFocusChanged: if (!activeFocus) currentMenuIndex = -1
    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Keys.onPressed: function (event) {
        event.accepted = currentMenuIndex >= 0 ? menuKey(event.key) : cellKey(event.key)
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
        name: "btnGroup_8_BASE"
    }

    Repeater {
        id: cells
        model: 8
        delegate: StageCell {
            required property int index
            objectName: buttonGroupPro_8.objectName + "_cell" + index
            arrowName: buttonGroupPro_8.objectName + "_arrow" + index
            baseName: "btnGroup2_FILLER"
            value: buttonGroupPro_8.valueAt(index)
            shown: Controls.stageShown(index, buttonGroupPro_8.maxStage)
            selected: shown && buttonGroupPro_8.currentIndex === index
            menuOpen: buttonGroupPro_8.currentMenuIndex === index
            focus: selected
            onCellClicked: buttonGroupPro_8.selectCell(index)
            onArrowClicked: buttonGroupPro_8.toggleMenu(index)
            x: (index % 4) * buttonGroupPro_8.width / 4
            y: Math.floor(index / 4) * buttonGroupPro_8.height / 2
            width: buttonGroupPro_8.width / 4
            height: buttonGroupPro_8.height / 2
        }
    }

    FloatingLayer {
        id: floating
        owner: buttonGroupPro_8
        lifted: popup.opacity > 0 && buttonGroupPro_8.choiceCount > 0
        onOutsidePressed: buttonGroupPro_8.currentMenuIndex = -1

        // Pop-up of choices for the cell whose "▼" was clicked; keeps its place while fading out.
        Rectangle {
            id: popup
            objectName: buttonGroupPro_8.objectName + "_menu"
            property int cell: 0
            readonly property bool open: buttonGroupPro_8.currentMenuIndex >= 0
            x: Math.max(0, Math.min(buttonGroupPro_8.width - width, (cell % 4) * buttonGroupPro_8.width / 4))
            y: (Math.floor(cell / 4) + 1) * buttonGroupPro_8.height / 2 + 2
            width: choiceGrid.width + 8
            height: choiceGrid.height + 8
            radius: 4
            color: "#151B24"
            border.width: 1
            border.color: Qt.alpha(mainIten.globalSetting_color, 0.45)
            opacity: 0
            visible: opacity > 0 && buttonGroupPro_8.choiceCount > 0
            states: State {
                name: "shown"
                when: popup.open
                PropertyChanges { target: popup; opacity: 1 }
            }
            transitions: [
                Transition {
                    to: "shown"
                    NumberAnimation { property: "opacity"; duration: 1.5 * mainIten.animation_speed }
                },
                Transition {
                    from: "shown"
                    NumberAnimation { property: "opacity"; duration: mainIten.animation_speed }
                }
            ]

            Connections {
                target: buttonGroupPro_8
                function onCurrentMenuIndexChanged() {
                    if (buttonGroupPro_8.currentMenuIndex >= 0)
                        popup.cell = buttonGroupPro_8.currentMenuIndex
                }
            }

            MouseArea {
                id: frameArea
                anchors.fill: parent
            }

            Grid {
                id: choiceGrid
                x: 4
                y: 4
                columns: 3
                spacing: 2
                Repeater {
                    id: choices
                    model: buttonGroupPro_8.choiceCount
                    delegate: ButtonGroupPro_8_Menu {
                        required index
                        objectName: buttonGroupPro_8.objectName + "_choice" + index
                        value: buttonGroupPro_8.valueForMenuIndex[index]
                        isSelect: Number(value) === Number(buttonGroupPro_8.valueAt(popup.cell))
                        keyed: index === buttonGroupPro_8.keyChoice
                        enabled: popup.open
                        onClicked: buttonGroupPro_8.pickChoice(index)
                    }
                }
            }
        }
    }
}
