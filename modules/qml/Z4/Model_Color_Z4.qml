import QtQuick

// The mouse seen from above with a soft glow of the selected colour behind it.
Item {
    id: model_Color_Z4
    property color glowColor: "#00FFFF"

    width: 220
    height: 360

    Rectangle {
        id: glow
        anchors.centerIn: parent
        width: parent.width * 0.78
        height: parent.height * 0.9
        radius: width / 2
        color: model_Color_Z4.glowColor
        opacity: 0.16
        Behavior on color { ColorAnimation { duration: mainIten.animation_speed / 4 } }
    }

    Image {
        id: picture
        anchors.fill: parent
        source: mainIten.source_model_Z4_Color || ""
        fillMode: Image.PreserveAspectFit
        smooth: false
    }

    // Without the skin's picture an outline keeps the page balanced.
    Rectangle {
        id: fallbackOutline
        visible: picture.status !== Image.Ready
        anchors.centerIn: parent
        width: 150
        height: 300
        radius: 70
        color: "#151B24"
        border.width: 1
        border.color: Qt.rgba(0, 1, 1, 0.35)
    }
}
