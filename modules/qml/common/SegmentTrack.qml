pragma ComponentBehavior: Bound
import QtQuick
import "controls.js" as Controls

// Drawing and pointer handling shared by Slider and Slider_11: a base with a row of equal
// segments, the first litCount of them lit. The owner turns pointer positions into indices.
Item {
    id: segmentTrack
    property int segmentCount: 7
    property int segmentWidth: 28
    property int litCount: 0
    property string baseName
    property string fillerName
    property string areaName
    readonly property bool held: trackArea.pressed
    signal pointerMoved(real x)
    signal pointerReleased(real x)

    Rectangle {
        id: fallbackBase
        anchors.fill: parent
        visible: !basePicture.ready
        radius: 4
        color: "#1E2630"
        border.width: 1
        border.color: trackArea.hovered ? Qt.rgba(0, 1, 1, 0.5) : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: basePicture
        anchors.fill: parent
        name: segmentTrack.baseName
    }

    Repeater {
        id: segments
        model: segmentTrack.segmentCount
        delegate: Item {
            id: segment
            required property int index
            readonly property bool lit: index < segmentTrack.litCount
            x: Controls.segmentX(index, segmentTrack.segmentCount, segmentTrack.segmentWidth,
                                 segmentTrack.width)
            y: Math.round((segmentTrack.height - 12) / 2)
            width: segmentTrack.segmentWidth
            height: 12

            Rectangle {
                id: fallbackSegment
                anchors.fill: parent
                visible: !fillerPicture.ready
                radius: 2
                color: segment.lit ? Qt.alpha(mainIten.globalSetting_color, 0.85) : "#2A3440"
                Behavior on color { ColorAnimation { duration: 80 } }
            }
            Picture {
                id: fillerPicture
                anchors.fill: parent
                name: segmentTrack.fillerName + "_0"
                litName: segmentTrack.fillerName + "_1"
                lit: segment.lit ? 1 : 0
                fadeDuration: 80
            }
        }
    }

    HoverArea {
        id: trackArea
        objectName: segmentTrack.areaName
        anchors.fill: parent
        onPressed: function (mouse) { segmentTrack.pointerMoved(mouse.x) }
        onPositionChanged: function (mouse) {
            if (pressed)
                segmentTrack.pointerMoved(mouse.x)
        }
        onReleased: function (mouse) { segmentTrack.pointerReleased(mouse.x) }
    }
}
