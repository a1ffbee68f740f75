pragma ComponentBehavior: Bound

import QtQuick
import "../common"

// The profile switcher's rules: which profile an application in front selects, the profile for
// all others, the switcher on or off and what it does now. Rules are added from the
// applications the switcher has seen in front; `profile` is the one the menu was opened for.
ModalPanel {
    id: switchPanel
    readonly property var strings: mainIten.globalSetting_stringList || []
    property int profile: 1
    property var state: ({})
    property string problem
    property Item returnFocus
    readonly property var rules: state.rules || []
    readonly property var seen: state.seen || []
    title: strings[142] || ""
    panelWidth: 640

    function text(index, fallback) {
        return strings[index] || fallback
    }
    function refresh() {
        if (typeof ui_View !== "undefined")
            state = ui_View.z4_switchState()
    }
    // Runs a change; its refusal, if any, shows under the rules.
    function change(answer) {
        problem = answer || ""
        refresh()
    }
    function open(entry) {
        profile = Math.max(1, Math.min(5, entry))
        problem = ""
        refresh()
        returnFocus = mainIten.Window.activeFocusItem
        visible = true
        onOff.forceActiveFocus()
    }
    function close() {
        if (!visible)
            return
        visible = false
        if (returnFocus)
            returnFocus.forceActiveFocus()
    }
    onCloseRequested: close()

    // The switcher's state changes with the focus: read it again while the panel shows.
    Timer {
        interval: 1000
        repeat: true
        running: switchPanel.visible
        onTriggered: switchPanel.refresh()
    }

    PanelText {
        objectName: "switch_status"
        color: switchPanel.state.running ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
        text: switchPanel.state.running
              ? switchPanel.text(146, "%1").replace("%1", ((switchPanel.state.front || {}).app_id || "—")
                                                     + (switchPanel.state.rule ? "  (" + switchPanel.state.rule + ")" : ""))
              : switchPanel.text(147, "")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Checkbox {
        id: onOff
        objectName: "switch_on"
        chkStr: switchPanel.text(143, "")
        isSelect: !!switchPanel.state.autostart
        onClicked: function (select) {
            switchPanel.change(ui_View.z4_switchSetOn(select))
        }
    }

    Repeater {
        model: switchPanel.rules

        Item {
            id: ruleRow
            required property int index
            required property string modelData
            width: parent.width
            height: 32

            Text {
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - removeButton.width - 12
                elide: Text.ElideRight
                textFormat: Text.PlainText
                text: (ruleRow.index + 1) + ".  " + ruleRow.modelData.replace(/ = (\d)/, "  →  P0$1")
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size + 1
                color: mainIten.globalSetting_color
            }
            TextButton {
                id: removeButton
                objectName: "switch_remove_" + ruleRow.index
                anchors.right: parent.right
                label: switchPanel.text(80, "DELETE")
                Accessible.name: label + " " + ruleRow.modelData
                onClicked: switchPanel.change(ui_View.z4_switchRemove(ruleRow.index + 1))
            }
        }
    }

    // Raised so that an unrolled list lies above the rows below it.
    Row {
        z: 2
        spacing: 12
        PanelText {
            width: 230
            anchors.verticalCenter: parent.verticalCenter
            text: switchPanel.text(145, "") + "  →  P0" + switchPanel.profile
        }
        DropdownList {
            id: pickList
            objectName: "switch_pick"
            width: 330
            height: 28
            mdItems: switchPanel.seen
            defaultIndex: -1
            Accessible.name: switchPanel.text(145, "")
            onListElementClicked: function (index) {
                switchPanel.change(ui_View.z4_switchAdd(switchPanel.seen[index], switchPanel.profile))
                pickList.setCurIndex(-1)
            }
        }
    }

    Row {
        z: 1
        spacing: 12
        PanelText {
            width: 230
            anchors.verticalCenter: parent.verticalCenter
            text: switchPanel.text(144, "")
        }
        DropdownList {
            id: baseList
            objectName: "switch_base"
            width: 330
            height: 28
            mdItems: [switchPanel.text(149, "—"), "P01", "P02", "P03", "P04", "P05"]
            defaultIndex: switchPanel.state.base || 0
            Accessible.name: switchPanel.text(144, "")
            onListElementClicked: function (index) {
                switchPanel.change(ui_View.z4_switchSetBase(index))
            }
        }
    }

    PanelText {
        objectName: "switch_problems"
        visible: text.length > 0
        color: "#FF7F00"
        text: [switchPanel.problem].concat((switchPanel.state.problems || []).map(function (line) {
            return switchPanel.text(148, "%1").replace("%1", line)
        })).filter(function (line) { return line.length > 0 }).join("\n")
    }

    TextButton {
        id: closeButton
        objectName: "switch_close"
        anchors.right: parent.right
        label: switchPanel.text(129, "CLOSE")
        onClicked: switchPanel.close()
    }
}
