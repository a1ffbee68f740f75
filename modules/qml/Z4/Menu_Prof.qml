pragma ComponentBehavior: Bound

import QtQuick
import "../common"
import "../common/controls.js" as Controls

// The profile menu on the right: the mouse's profiles 1 to 5 (profile 0 is never offered).
// A left click makes a profile the mouse's active one; a right click opens LOAD, SAVE, RESET
// and CANCEL for that profile beside its row.
Item {
    id: menuProf
    width: 96
    height: 260

    // The mouse's active profile as the device reports it; 0 or anything past 5 lights no row.
    property int currentProfile: -1
    readonly property int firstEntry: 1
    readonly property int entryCount: 5
    readonly property int rowTop: 14
    readonly property int rowPitch: 48
    readonly property int hoverDuration: Math.max(1, mainIten.animation_speed / 8)

    // The active profile changed (also again after LOAD or RESET of it): pages re-read.
    signal profileApplied(int profile)

    function initUI() {
        const reported = Number(ui_View.z4_82H_GetCurrentProfile())
        currentProfile = Number.isInteger(reported) ? reported : -1
    }

    // The pages show the current profile, so their unapplied changes are settled first.
    function select(entry) {
        contextMenu.close()
        if (entry !== currentProfile)
            mainIten.settleUnapplied(main_Z4.pages, function () { apply(entry) })
    }

    // Shows `entry`'s pages, settling the current ones' unapplied edits first, then runs `then`.
    function showProfile(entry, then) {
        if (entry === currentProfile)
            return then()
        mainIten.settleUnapplied(main_Z4.pages, function () {
            apply(entry)
            then()
        })
    }

    function apply(entry) {
        currentProfile = entry
        ui_View.z4_02H_SetCurrentProfile(entry)
        profileApplied(entry)
    }

    function runAction(action, entry) {
        // LOAD and RESET become edits of their profile, shown on its pages: another profile is
        // chosen first, asking about edits not applied yet.
        if (action === "load") {
            mainIten.askFirst(84, "LOAD", 1, label(entry), function () {
                showProfile(entry, function () { ui_View.z4_loadProfile(entry) })
            })
        } else if (action === "save") {
            ui_View.z4_saveProfile(entry)
        } else if (action === "apps") {
            switchPanel.open(entry)
        } else if (action === "reset") {
            mainIten.askFirst(77, "RESET", 0, label(entry), function () {
                showProfile(entry, function () { ui_View.z4_resetProfile(entry) })
            })
        }
    }

    // Up and Down walk the rows without choosing.
    function focusRow(repeater, index) {
        const next = repeater.itemAt(index)
        if (next)
            next.forceActiveFocus()
    }

    function label(entry) {
        return "P" + (entry < 10 ? "0" : "") + entry
    }

    onEnabledChanged: {
        if (!enabled)
            contextMenu.close()
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() {
            contextMenu.close()
        }
    }

    Accessible.role: Accessible.List
    Accessible.name: "P01 \u2013 P05"

    Image {
        id: container
        anchors.fill: parent
        source: mainIten.source_listPfContainer
        sourceSize.width: 96; sourceSize.height: 260
    }

    Repeater {
        id: rows
        model: menuProf.entryCount

        Item {
            id: row
            required property int index
            readonly property int entry: index + menuProf.firstEntry
            readonly property bool selected: menuProf.currentProfile === entry
            // A disabled MouseArea still tracks the pointer (its own `enabled` stays true), so the
            // item's effective state decides; a disabled menu must not light up.
            readonly property bool hovered: rowArea.containsMouse && row.enabled
            readonly property bool lit: selected || hovered
            objectName: "menuProf_entry" + entry
            x: 4
            y: menuProf.rowTop + index * menuProf.rowPitch
            width: 88
            height: 40
            activeFocusOnTab: true
            Accessible.role: Accessible.ListItem
            Accessible.name: labelText.text
            Accessible.selectable: true
            Accessible.selected: selected
            Accessible.onPressAction: menuProf.select(entry)
            Keys.onPressed: function (event) {
                event.accepted = true
                if (Controls.isActivateKey(event.key))
                    menuProf.select(row.entry)
                else if (Controls.isContextMenuKey(event.key, event.modifiers))
                    contextMenu.openFor(row.entry, true)
                else if (event.key === Qt.Key_Up || event.key === Qt.Key_Down)
                    menuProf.focusRow(rows, row.index + (event.key === Qt.Key_Down ? 1 : -1))
                else
                    event.accepted = false
            }

            Image {
                id: idleFrame
                anchors.fill: parent
                source: mainIten.source_profileFW_0
                sourceSize.width: 88; sourceSize.height: 40
            }
            Image {
                id: litFrame
                anchors.fill: parent
                source: mainIten.source_profileFW_1
                sourceSize.width: 88; sourceSize.height: 40
                opacity: row.selected ? 1 : (row.hovered ? 0.7 : 0)
                Behavior on opacity { NumberAnimation { duration: menuProf.hoverDuration } }
            }
            Rectangle {
                id: selectionBar
                x: 6
                width: 3
                height: 20
                radius: 1.5
                anchors.verticalCenter: parent.verticalCenter
                color: mainIten.globalSetting_color
                visible: row.selected
            }
            Text {
                id: labelText
                textFormat: Text.PlainText
                anchors.centerIn: parent
                text: menuProf.label(row.entry)
                color: row.lit ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size + 3
                font.bold: true
                font.letterSpacing: 2
            }
            FocusMark {
                id: focusMark
                anchors.margins: -1
            }
            MouseArea {
                id: rowArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                cursorShape: Qt.PointingHandCursor
                onClicked: function (mouse) {
                    if (mouse.button === Qt.RightButton)
                        contextMenu.openFor(row.entry)
                    else
                        menuProf.select(row.entry)
                }
            }
        }
    }

    // Beside the row it belongs to, on the page-area side, kept inside the window.
    Menu_Prof_Context {
        id: contextMenu
        x: -width - 6
        y: Math.min(menuProf.rowTop + (entry - menuProf.firstEntry) * menuProf.rowPitch,
                    mainIten.height - 44 - menuProf.y - height)
        z: 10
        onChosen: function (action, entry) {
            menuProf.runAction(action, entry)
        }
    }
}
