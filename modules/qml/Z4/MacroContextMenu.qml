pragma ComponentBehavior: Bound
import QtQuick
import "../common"
import "../common/controls.js" as Controls

// The file list's context menu: LOAD, SAVE, RENAME, CANCEL for one row. It fades in over
// 1.5 x animation_speed and out over animation_speed; it takes clicks only while opening or open.
// Opened while a control holds the keyboard (the Menu key on the list), it takes the keys as a
// menu does and gives the focus back on closing.
Item {
    id: contextMenu
    // Wide enough for the longest entry of the chosen language.
    width: Math.max(104, Math.ceil(widestText) + 28)
    height: column.height + 8
    opacity: 0
    // Shown from the start of its fade-in, so the keyboard can hand it the focus at once.
    visible: opacity > 0 || shown
    enabled: shown

    readonly property var entries: [
        { entry: "load", text: 84 },
        { entry: "save", text: 85 },
        { entry: "rename", text: 112 },
        { entry: "cancel", text: 78 }
    ]
    readonly property real widestText: Math.max.apply(null, entries.map(function (item) {
        return metrics.advanceWidth(mainIten.globalSetting_stringList[item.text] || "")
    }))
    property int row: -1
    property bool shown: false

    signal entryClicked(string entry, int row)

    property int keyRow: -1
    property Item returnFocus

    function openAt(rowIndex, px, py) {
        row = rowIndex
        x = px
        y = py
        shown = true
        const focused = mainIten.Window.activeFocusItem
        keyRow = focused && focused.activeFocusOnTab ? 0 : -1
        if (keyRow === 0) {
            returnFocus = focused
            forceActiveFocus()
        }
    }

    function close() {
        // Closing disables the menu, which drops its focus: ask first.
        const hadFocus = activeFocus
        shown = false
        if (hadFocus && returnFocus)
            returnFocus.forceActiveFocus()
    }

    function choose(index) {
        close()
        if (entries[index].entry !== "cancel")
            entryClicked(entries[index].entry, row)
    }

    Accessible.role: Accessible.PopupMenu
    Keys.onPressed: function (event) {
        event.accepted = Controls.menuKey(contextMenu, event.key, entries.length)
    }

    states: State {
        name: "shown"
        when: contextMenu.shown
        PropertyChanges { target: contextMenu; opacity: 1 }
    }
    transitions: [
        Transition {
            to: "shown"
            NumberAnimation { property: "opacity"; duration: 1.5 * mainIten.animation_speed }
        },
        Transition {
            to: ""
            NumberAnimation { property: "opacity"; duration: mainIten.animation_speed }
        }
    ]

    FontMetrics {
        id: metrics
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
    }

    Rectangle {
        anchors.fill: parent
        radius: 6
        color: "#151B24"
        border.color: Qt.rgba(0, 1, 1, 0.35)
    }

    Column {
        id: column
        x: 4
        y: 4
        Repeater {
            model: contextMenu.entries
            delegate: Item {
                id: entryItem
                required property var modelData
                required property int index
                readonly property bool lit: entryArea.hovered || contextMenu.keyRow === index
                Accessible.role: Accessible.MenuItem
                Accessible.name: mainIten.globalSetting_stringList[modelData.text] || modelData.entry
                Accessible.onPressAction: contextMenu.choose(index)
                objectName: contextMenu.objectName + "_" + entryItem.modelData.entry
                width: contextMenu.width - 8
                height: 24

                Rectangle {
                    anchors.fill: parent
                    radius: 4
                    color: Qt.rgba(0, 1, 1, 0.18)
                    visible: entryItem.lit
                }
                Text {
                    textFormat: Text.PlainText
                    anchors.centerIn: parent
                    text: mainIten.globalSetting_stringList[entryItem.modelData.text]
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    color: entryItem.lit ? mainIten.globalSetting_color
                                                   : mainIten.globalSetting_color_enable
                }
                HoverArea {
                    id: entryArea
                    anchors.fill: parent
                    onClicked: contextMenu.choose(entryItem.index)
                }
            }
        }
    }
}
