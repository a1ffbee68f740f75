import QtQuick

// The keyboard focus outline: a 2 px ring in the text colour with a soft glow around its
// owner (our hover areas never take focus, so activeFocus means the keyboard put it there).
// An armed key box turns it to the warning colour and lets it breathe a few times.
Rectangle {
    id: focusMark
    property Item owner: parent
    property bool armed: false
    // A group's mark sits on its selected cell only.
    property bool active: true
    readonly property color ringColor: armed ? "#FF7F00" : mainIten.globalSetting_color

    anchors.fill: parent
    anchors.margins: -3
    z: 50
    radius: 5
    color: "transparent"
    border.width: 2
    border.color: ringColor
    visible: active && !!owner && owner.activeFocus

    Rectangle {
        id: glow
        anchors.fill: parent
        anchors.margins: -2
        radius: focusMark.radius + 2
        color: "transparent"
        border.width: 2
        border.color: Qt.alpha(focusMark.ringColor, 0.35)
    }

    SequentialAnimation on opacity {
        running: focusMark.armed && focusMark.visible
        loops: 3
        alwaysRunToEnd: true
        NumberAnimation { to: 0.45; duration: 400 }
        NumberAnimation { to: 1.0; duration: 400 }
    }
}
