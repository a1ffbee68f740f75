pragma ComponentBehavior: Bound

import QtQuick
import "../common"
import "../common/controls.js" as Controls

// The function menu on the left: one entry per page. A click selects the entry, or clears the
// selection when it is already selected, and asks for that page (-1 for none).
Item {
    id: menuFunc
    width: 140
    height: 460

    property int currentIndex: -1
    // One flag an entry: its page holds changes not applied yet.
    property var marked: []
    signal pageRequested(int pageId)

    // Icon pair base names and built-in names; the shown names come from the string list.
    readonly property var entries: [
        { icon: "fnKeydefine", text: 74, name: "KEY" },
        { icon: "fnMacro", text: 75, name: "MACRO" },
        { icon: "fnColor", text: 76, name: "COLOR" },
        { icon: "fnSensor", text: 86, name: "SENSOR" }
    ]
    readonly property int entryHeight: 56
    readonly property int spacing: 16
    readonly property int hoverDuration: Math.max(1, mainIten.animation_speed / 8)

    function select(index) {
        currentIndex = (currentIndex === index) ? -1 : index
        pageRequested(currentIndex)
    }

    function focusEntry(index) {
        const next = entryRepeater.itemAt(index)
        if (next)
            next.forceActiveFocus()
    }

    function textAt(index) {
        const list = mainIten.globalSetting_stringList
        const entry = entries[index]
        const text = list ? list[entry.text] : undefined
        return (typeof text === "string" && text.length > 0) ? text : entry.name
    }

    // Pictures are bound to the root's skin addresses, so a skin change needs no work here.
    function setSkin() {
    }

    Accessible.role: Accessible.PageTabList

    Column {
        id: column
        anchors.verticalCenter: parent.verticalCenter
        spacing: menuFunc.spacing

        Repeater {
            id: entryRepeater
            model: menuFunc.entries.length

            Item {
                id: entry
                required property int index
                objectName: "menuFunc_entry" + index
                width: menuFunc.width
                height: menuFunc.entryHeight
                activeFocusOnTab: true
                Accessible.role: Accessible.PageTab
                Accessible.name: nameText.text
                Accessible.selectable: true
                Accessible.selected: selected
                Accessible.onPressAction: menuFunc.select(index)
                Keys.onPressed: function (event) {
                    event.accepted = true
                    if (Controls.isActivateKey(event.key))
                        menuFunc.select(entry.index)
                    else if (event.key === Qt.Key_Up || event.key === Qt.Key_Down)
                        menuFunc.focusEntry(entry.index + (event.key === Qt.Key_Down ? 1 : -1))
                    else
                        event.accepted = false
                }

                readonly property bool selected: menuFunc.currentIndex === index
                // A disabled MouseArea still tracks the pointer (its own `enabled` stays true), so the
                // item's effective state decides; a disabled menu must not light up.
                readonly property bool lit: selected || (entryArea.containsMouse && entry.enabled)
                readonly property string icon: menuFunc.entries[index].icon

                Image {
                    id: idleFrame
                    anchors.fill: parent
                    source: mainIten.source_listFnBtn_0
                    sourceSize.width: 140; sourceSize.height: 56
                }
                Image {
                    id: litFrame
                    anchors.fill: parent
                    source: mainIten.source_listFnBtn_1
                    sourceSize.width: 140; sourceSize.height: 56
                    opacity: entry.lit ? 1 : 0
                    Behavior on opacity { NumberAnimation { duration: menuFunc.hoverDuration } }
                }
                // The selected entry carries a bar in the text colour, so the choice reads even
                // when the user's text colour is close to the skin's accent.
                Rectangle {
                    id: selectionBar
                    x: 0
                    width: 3
                    height: 32
                    anchors.verticalCenter: parent.verticalCenter
                    radius: 1.5
                    color: mainIten.globalSetting_color
                    visible: entry.selected
                }
                Image {
                    id: iconImage
                    x: 12
                    anchors.verticalCenter: parent.verticalCenter
                    width: 40
                    height: 40
                    sourceSize.width: 40; sourceSize.height: 40
                    source: mainIten["source_" + entry.icon + (entry.selected ? "_1" : "_0")]
                }
                Text {
                    id: nameText
                    textFormat: Text.PlainText
                    x: 60
                    width: parent.width - x - 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: menuFunc.textAt(entry.index)
                    // Long names shrink to the entry rather than lose letters.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 9
                    elide: Text.ElideRight
                    color: entry.lit ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size + 2
                    font.bold: entry.selected
                    font.letterSpacing: 1
                }
                EditMark {
                    objectName: entry.objectName + "_mark"
                    x: parent.width - width - 6
                    y: 6
                    visible: menuFunc.marked[entry.index] === true
                }
                MouseArea {
                    id: entryArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: menuFunc.select(entry.index)
                }
                FocusMark {
                    id: focusMark
                    anchors.margins: -1
                }
            }
        }
    }
}
