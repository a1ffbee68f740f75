import QtQuick

// A centred panel over the dimmed window; the window beneath takes no clicks while it shows.
// Children stack in a column under the title. Escape closes it when it is closable; Tab and
// Shift+Tab go round its own controls only.
Item {
    id: modalPanel
    property string title
    property color titleColor: mainIten.globalSetting_color
    property int panelWidth: 560
    property bool closable: true
    default property alias content: column.data
    signal closeRequested()

    // The top bar stays usable: the status shows, and the program can be closed unanswered.
    anchors.fill: parent
    anchors.topMargin: 44
    z: 150
    visible: false
    Keys.onEscapePressed: if (closable) closeRequested()
    Keys.onPressed: function (event) {
        event.accepted = event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab
        if (event.accepted)
            cycleFocus(event.key === Qt.Key_Tab)
    }

    function holds(item) {
        for (let up = item; up; up = up.parent) {
            if (up === modalPanel)
                return true
        }
        return false
    }
    function cycleFocus(forward) {
        let next = mainIten.Window.activeFocusItem
        for (let step = 0; step < 500 && next; ++step) {
            next = next.nextItemInFocusChain(forward)
            if (holds(next) && next.activeFocusOnTab)
                return next.forceActiveFocus()
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#000000"
        opacity: 0.55
    }
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onWheel: function (wheel) { wheel.accepted = true }
    }

    Rectangle {
        id: plate
        objectName: modalPanel.objectName + "_plate"
        anchors.centerIn: parent
        width: modalPanel.panelWidth
        height: column.implicitHeight + 48
        radius: 6
        color: "#151B24"
        border.width: 1
        border.color: Qt.rgba(0, 1, 1, 0.35)

        Column {
            id: column
            x: 24
            y: 24
            width: plate.width - 48
            spacing: 14

            Text {
                textFormat: Text.PlainText
                objectName: modalPanel.objectName + "_title"
                width: parent.width
                wrapMode: Text.Wrap
                text: modalPanel.title
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size + 4
                font.bold: true
                color: modalPanel.titleColor
            }
        }
    }
}
