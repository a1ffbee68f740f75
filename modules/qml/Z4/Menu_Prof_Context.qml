pragma ComponentBehavior: Bound

import QtQuick
import "../common/controls.js" as Controls

// The profile menu's right-click menu: LOAD, SAVE, APPS…, RESET, CANCEL for one profile entry.
// It fades in over 1.5 x animation_speed and out over animation_speed; while fading out it
// takes no clicks, so a fast second click lands on whatever is below. Opened from the keyboard
// it holds the focus as a menu does and gives it back on closing.
Item {
    id: contextMenu
    objectName: "menuProf_context"
    // Wide enough for the longest entry of the chosen language.
    width: Math.max(104, Math.ceil(widestText) + 2 * padding + 20)
    height: column.height + 2 * padding
    visible: false
    opacity: 0
    enabled: isOpen

    property int entry: -1
    property bool isOpen: false
    readonly property int padding: 6
    readonly property int rowHeight: 28
    signal chosen(string action, int entry)

    // Action names, the texts' positions in the string list and their built-in texts.
    readonly property var actions: [
        { action: "load", text: 84, name: "LOAD" },
        { action: "save", text: 85, name: "SAVE" },
        { action: "apps", text: 141, name: "APPS…" },
        { action: "reset", text: 77, name: "RESET" },
        { action: "cancel", text: 78, name: "CANCEL" }
    ]

    // The row the keyboard has reached; -1 while the pointer drives the menu.
    property int keyRow: -1
    property Item returnFocus

    function openFor(profileEntry, byKeyboard) {
        entry = profileEntry
        keyRow = byKeyboard ? 0 : -1
        isOpen = true
        fadeOut.stop()
        visible = true
        fadeIn.restart()
        // Only a shown, enabled menu can take the focus.
        if (byKeyboard) {
            returnFocus = mainIten.Window.activeFocusItem
            forceActiveFocus()
        }
    }

    function close() {
        if (!isOpen)
            return
        // Closing disables the menu, which drops its focus: ask first.
        const hadFocus = activeFocus
        isOpen = false
        if (hadFocus && returnFocus)
            returnFocus.forceActiveFocus()
        fadeIn.stop()
        fadeOut.restart()
    }

    function choose(index) {
        const chosenEntry = entry
        close()
        chosen(actions[index].action, chosenEntry)
    }

    Accessible.role: Accessible.PopupMenu
    Keys.onPressed: function (event) {
        event.accepted = Controls.menuKey(contextMenu, event.key, actions.length)
    }

    readonly property real widestText: Math.max.apply(null, actions.map(function (entry, i) {
        return metrics.advanceWidth(textAt(i))
    }))

    function textAt(index) {
        const list = mainIten.globalSetting_stringList
        const text = list ? list[actions[index].text] : undefined
        return (typeof text === "string" && text.length > 0) ? text : actions[index].name
    }

    FontMetrics {
        id: metrics
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
        font.letterSpacing: 1
    }

    Rectangle {
        id: panel
        anchors.fill: parent
        radius: 6
        color: "#151B24"
        border.color: Qt.rgba(0, 1, 1, 0.35)
    }

    Column {
        id: column
        x: contextMenu.padding
        y: contextMenu.padding

        Repeater {
            model: contextMenu.actions.length

            Item {
                id: row
                required property int index
                objectName: "menuProf_" + contextMenu.actions[index].action
                width: contextMenu.width - 2 * contextMenu.padding
                height: contextMenu.rowHeight
                readonly property bool destructive: contextMenu.actions[index].action === "reset"
                readonly property bool hovered: (rowArea.containsMouse && row.enabled) || contextMenu.keyRow === index
                Accessible.role: Accessible.MenuItem
                Accessible.name: contextMenu.textAt(index)
                Accessible.onPressAction: contextMenu.choose(index)

                Rectangle {
                    id: hoverGlow
                    anchors.fill: parent
                    radius: 4
                    color: Qt.rgba(0, 1, 1, 0.12)
                    border.color: Qt.rgba(0, 1, 1, 0.35)
                    visible: row.hovered
                }
                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: contextMenu.textAt(row.index)
                    color: row.hovered ? (row.destructive ? "#FF7F00" : mainIten.globalSetting_color)
                                                 : mainIten.globalSetting_color_enable
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    font.bold: true
                    font.letterSpacing: 1
                }
                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: contextMenu.choose(row.index)
                }
            }
        }
    }

    NumberAnimation {
        id: fadeIn
        target: contextMenu
        property: "opacity"
        to: 1
        duration: 1.5 * mainIten.animation_speed
    }

    NumberAnimation {
        id: fadeOut
        target: contextMenu
        property: "opacity"
        to: 0
        duration: mainIten.animation_speed
        onFinished: contextMenu.visible = false
    }
}
