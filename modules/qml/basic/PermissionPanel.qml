import QtQuick

// Why a mouse that is plugged in cannot be opened, and the one command that mends it; with the
// package's rule already installed, a replug (or a new login) is what is missing.
ModalPanel {
    id: permissionPanel
    readonly property var strings: mainIten.globalSetting_stringList || []
    readonly property var info: mainIten.deviceInfo || {}
    readonly property bool ruleInstalled: info.ruleInstalled === true
    readonly property string command: ruleInstalled ? "" : String(info.command || "")
    readonly property string guideSection: "file:modules/guide/index.html#permission"
    title: strings[121] || ""
    titleColor: "#FF7F00"
    panelWidth: 640

    function open() {
        visible = true
        closeButton.forceActiveFocus()
    }
    function close() {
        visible = false
    }
    onCloseRequested: close()

    PanelText {
        text: permissionPanel.strings[126] || ""
    }
    PanelText {
        objectName: "permission_device"
        text: (permissionPanel.info.path || "") + " — " + (permissionPanel.info.reason || "")
        color: mainIten.globalSetting_color
    }
    PanelText {
        objectName: "permission_advice"
        text: permissionPanel.strings[permissionPanel.ruleInstalled ? 150 : 127] || ""
    }
    Rectangle {
        visible: permissionPanel.command !== ""
        width: parent.width
        height: commandText.contentHeight + 20
        radius: 4
        color: "#0B0E13"
        border.width: 1
        border.color: Qt.rgba(0, 1, 1, 0.22)
        TextEdit {
            id: commandText
            objectName: "permission_command"
            x: 10
            y: 10
            width: parent.width - 20
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.Wrap
            text: permissionPanel.command
            font.family: "monospace"
            font.pixelSize: mainIten.globalSetting_size + 1
            color: mainIten.globalSetting_color
            selectionColor: Qt.rgba(0, 1, 1, 0.35)
        }
    }
    Item { width: 1; height: 4 }
    Row {
        anchors.right: parent.right
        spacing: 16
        TextButton {
            objectName: "permission_guide"
            label: permissionPanel.strings[128] || ""
            onClicked: mainIten.openGuide(permissionPanel.guideSection)
        }
        TextButton {
            objectName: "permission_copy"
            visible: permissionPanel.command !== ""
            label: permissionPanel.strings[83] || ""
            onClicked: {
                if (typeof ui_View !== "undefined")
                    ui_View.z4_copyText(permissionPanel.command)
            }
        }
        TextButton {
            id: closeButton
            objectName: "permission_close"
            label: permissionPanel.strings[129] || ""
            onClicked: permissionPanel.close()
        }
    }
}
