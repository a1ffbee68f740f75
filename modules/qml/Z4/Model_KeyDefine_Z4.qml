import QtQuick

// The mouse seen from above with a ring on the button chosen in the button list.
Item {
    id: model_KeyDefine_Z4
    // Button list position, -1 for none.
    property int position: -1

    width: 220
    height: 360

    // Centre of each button of the list on the picture, in list order: left, right, middle,
    // forward, backward, DPI up, DPI down, wheel up, wheel down, fire.
    readonly property var spots: [Qt.point(74, 100), Qt.point(150, 100), Qt.point(110, 57),
                                  Qt.point(38, 164), Qt.point(38, 204), Qt.point(110, 100),
                                  Qt.point(110, 115), Qt.point(110, 40), Qt.point(110, 74),
                                  Qt.point(55, 71)]
    readonly property bool marked: position >= 0 && position < spots.length

    Image {
        id: picture
        objectName: "keydefine_picture"
        anchors.fill: parent
        source: mainIten.source_model_Z4_KeyDefine || ""
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

    Item {
        id: marker
        objectName: "keydefine_marker"
        readonly property point spot: model_KeyDefine_Z4.marked
                                      ? model_KeyDefine_Z4.spots[model_KeyDefine_Z4.position] : Qt.point(0, 0)
        visible: model_KeyDefine_Z4.marked
        x: spot.x - width / 2
        y: spot.y - height / 2
        width: 22
        height: 22
        Behavior on x { NumberAnimation { duration: mainIten.animation_speed / 4; easing.type: Easing.OutCubic } }
        Behavior on y { NumberAnimation { duration: mainIten.animation_speed / 4; easing.type: Easing.OutCubic } }
        // A newly marked button draws the eye for a few pulses, then the halo rests.
        onSpotChanged: if (visible) pulse.restart()

        Rectangle {
            id: halo
            anchors.centerIn: parent
            width: parent.width
            height: width
            radius: width / 2
            color: Qt.alpha(mainIten.globalSetting_color, 0.18)
            border.width: 1.5
            border.color: mainIten.globalSetting_color

            SequentialAnimation on scale {
                id: pulse
                running: marker.visible
                loops: 3
                NumberAnimation { to: 1.25; duration: 700; easing.type: Easing.InOutSine }
                NumberAnimation { to: 1.0; duration: 700; easing.type: Easing.InOutSine }
            }
        }
        Rectangle {
            id: core
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: 3
            color: mainIten.globalSetting_color
        }
    }
}
