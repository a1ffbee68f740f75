import QtQuick

// Whether the mouse is there, in the top bar. NO PERMISSION is a button that explains itself.
Item {
    id: deviceStatus
    readonly property int linkState: mainIten.deviceState
    readonly property var strings: mainIten.globalSetting_stringList || []
    readonly property string label: strings[[120, 121, 119][linkState]] || ""
    readonly property bool actionable: linkState === 1
    readonly property color stateColor: linkState === 2 ? mainIten.globalSetting_color
                                      : linkState === 1 ? "#FF7F00" : mainIten.globalSetting_color_enable
    readonly property string detail: {
        const info = mainIten.deviceInfo || {}
        if (linkState !== 2)
            return ""
        return [info.product || "", info.version ? "v" + info.version : ""].filter(s => s).join("  ")
    }
    signal helpRequested()

    width: row.implicitWidth + 24
    height: 28
    activeFocusOnTab: actionable
    Accessible.role: actionable ? Accessible.Button : Accessible.StaticText
    Accessible.name: (label + " " + detail).trim()
    Accessible.onPressAction: if (actionable) helpRequested()
    Keys.onReturnPressed: if (actionable) helpRequested()
    Keys.onEnterPressed: if (actionable) helpRequested()

    Rectangle {
        id: plate
        anchors.fill: parent
        radius: 6
        color: Qt.rgba(0.08, 0.106, 0.141, 0.92)
        border.width: 1
        border.color: deviceStatus.actionable && (area.containsMouse || deviceStatus.activeFocus)
                      ? "#FF7F00" : Qt.rgba(0, 1, 1, 0.22)
    }

    Row {
        id: row
        x: 12
        height: parent.height
        spacing: 8

        // The lamp: lit and haloed when connected, hollow when not, so colour is not the only cue.
        Item {
            width: 10
            height: parent.height
            Rectangle {
                anchors.centerIn: parent
                width: 16
                height: 16
                radius: 8
                color: deviceStatus.stateColor
                opacity: deviceStatus.linkState === 2 ? 0.3 : 0
            }
            Rectangle {
                anchors.centerIn: parent
                width: 8
                height: 8
                radius: 4
                color: deviceStatus.linkState === 0 ? "transparent" : deviceStatus.stateColor
                border.width: 1
                border.color: deviceStatus.stateColor
            }
        }
        Text {
            id: stateText
            textFormat: Text.PlainText
            objectName: "deviceStatus_text"
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: deviceStatus.label
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
            font.underline: deviceStatus.actionable && area.containsMouse
            color: deviceStatus.stateColor
        }
        Text {
            id: detailText
            textFormat: Text.PlainText
            objectName: "deviceStatus_detail"
            height: parent.height
            visible: text.length > 0
            verticalAlignment: Text.AlignVCenter
            text: deviceStatus.detail
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: mainIten.globalSetting_color_enable
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        enabled: deviceStatus.actionable
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: deviceStatus.helpRequested()
    }
}
