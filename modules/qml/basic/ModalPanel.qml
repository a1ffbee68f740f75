import QtQuick

// A centred panel over the dimmed window; the window beneath takes no clicks while it shows.
// Children stack in a column under the title. Escape closes it when it is closable. While it
// shows, Tab and Shift+Tab go round its own controls only, and the keys never reach what lies
// beneath; once hidden, the focus goes back to the control that had it.
Item {
    id: modalPanel
    property string title
    property color titleColor: mainIten.globalSetting_color
    property int panelWidth: 560
    property bool closable: true
    default property alias content: column.data
    // Where the focus goes back to; taken when the panel shows, unless set before.
    property Item returnFocus
    signal closeRequested()

    // The top bar stays usable: the status shows, and the program can be closed unanswered.
    anchors.fill: parent
    anchors.topMargin: 44
    z: 150
    visible: false
    Keys.onEscapePressed: if (closable) closeRequested()

    function holds(item) {
        for (let up = item; up; up = up.parent) {
            if (up === modalPanel)
                return true
        }
        return false
    }
    function cycleFocus(forward) {
        let next = mainIten.Window.activeFocusItem || modalPanel
        for (let step = 0; step < 500 && next; ++step) {
            next = next.nextItemInFocusChain(forward)
            if (holds(next) && next.activeFocusOnTab && next.visible && next.enabled)
                return next.forceActiveFocus()
        }
    }
    onVisibleChanged: {
        const focused = mainIten.Window.activeFocusItem
        if (visible) {
            if (!returnFocus && focused && !holds(focused))
                returnFocus = focused
            if (!holds(mainIten.Window.activeFocusItem))
                cycleFocus(true)
        } else if (returnFocus) {
            const back = returnFocus
            returnFocus = null
            if (!focused || holds(focused) || focused === mainIten)
                back.forceActiveFocus()
        }
    }
    // A control with its own Tab handling would pass the focus on beneath the panel: Tab is
    // taken before any control sees it.
    Shortcut {
        sequences: ["Tab"]
        enabled: modalPanel.visible
        onActivated: modalPanel.cycleFocus(true)
    }
    Shortcut {
        sequences: ["Backtab", "Shift+Tab"]
        enabled: modalPanel.visible
        onActivated: modalPanel.cycleFocus(false)
    }
    // A click or a program call that moved the focus beneath brings it back.
    Connections {
        target: modalPanel.Window.window
        enabled: modalPanel.visible
        function onActiveFocusItemChanged() {
            const focused = modalPanel.Window.activeFocusItem
            if (focused && !modalPanel.holds(focused))
                Qt.callLater(function () {
                    if (modalPanel.visible && !modalPanel.holds(modalPanel.Window.activeFocusItem))
                        modalPanel.cycleFocus(true)
                })
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
