import QtQuick

// Picture button: the second picture while hovered, dimmed while pressed or disabled.
Item {
    id: button_2state
    property url source0
    property url source1
    property alias mouse: mouseArea
    signal clicked()

    implicitWidth: normalPicture.ready ? normalPicture.implicitWidth : 28
    implicitHeight: normalPicture.ready ? normalPicture.implicitHeight : 28
    opacity: !enabled || mouseArea.pressed ? 0.2 : 1.0

    // Drawn only when the skin lacks the pictures, so the button stays findable.
    Rectangle {
        id: fallbackFrame
        anchors.fill: parent
        visible: !normalPicture.ready && !hoverPicture.ready
        radius: 4
        color: mouseArea.containsMouse ? Qt.rgba(0, 1, 1, 0.18) : "#1E2630"
        border.width: 1
        border.color: mouseArea.containsMouse ? mainIten.globalSetting_color : Qt.rgba(0, 1, 1, 0.22)
        Behavior on color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: normalPicture
        anchors.fill: parent
        source: button_2state.source0
    }

    Picture {
        id: hoverPicture
        anchors.fill: parent
        source: button_2state.source1
        opacity: mouseArea.containsMouse ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: 100 } }
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button_2state.clicked()
    }
}
