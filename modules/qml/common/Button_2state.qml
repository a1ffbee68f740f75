import QtQuick
import "controls.js" as Controls

// Picture button: the second picture while hovered, dimmed while pressed or disabled.
Item {
    id: button_2state
    property url source0
    property url source1
    property alias mouse: mouseArea
    // Sides of the pictures kept 1:1 when the button is wider than they are (an icon).
    property alias fixedLeft: normalPicture.fixedLeft
    property alias fixedRight: normalPicture.fixedRight
    // Owners read this rather than mouse.containsMouse, which ignores a disabled ancestor.
    readonly property bool hovered: mouseArea.hovered
    signal clicked()
    // The key that pressed it last, 0 when the pointer did.
    property int lastKey: 0

    implicitWidth: normalPicture.ready ? normalPicture.naturalWidth : 28
    implicitHeight: normalPicture.ready ? normalPicture.naturalHeight : 28
    opacity: mouseArea.pressed ? 0.2 : Controls.disabledOpacity(button_2state)

    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.onPressAction: clicked()
    Keys.onPressed: function (event) {
        event.accepted = Controls.isActivateKey(event.key)
        if (event.accepted) {
            lastKey = event.key
            clicked()
        }
    }

    // Drawn only when the skin lacks the pictures, so the button stays findable.
    Rectangle {
        id: fallbackFrame
        anchors.fill: parent
        visible: !normalPicture.ready
        radius: 4
        color: button_2state.hovered ? Qt.rgba(0, 1, 1, 0.18) : "#1E2630"
        border.width: 1
        border.color: button_2state.hovered ? mainIten.globalSetting_color : Qt.rgba(0, 1, 1, 0.22)
        Behavior on color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: normalPicture
        anchors.fill: parent
        normalSource: button_2state.source0
        litSource: button_2state.source1
        lit: button_2state.hovered ? 1 : 0
    }

    HoverArea {
        id: mouseArea
        anchors.fill: parent
        onClicked: {
            button_2state.lastKey = 0
            button_2state.clicked()
        }
    }

    FocusMark {
        id: focusMark
    }
}
