pragma ComponentBehavior: Bound
import QtQuick
import "controls.js" as Controls

// Segmented slider shared by Slider (7 segments, 1..index lit) and Slider_11 (11 segments,
// 0..index lit). The index is taken where the pointer is released; while pressed the
// segments preview it.
Item {
    id: segmentSlider
    property int currentIndex: 0
    property int segmentCount: 7
    property int segmentWidth: 28
    property string baseName
    property string fillerName0
    property string fillerName1
    signal sliderClicked(int index)

    readonly property int maxIndex: segmentCount === 11 ? 10 : 7
    readonly property int shownIndex: trackArea.pressed ? trackArea.previewIndex : currentIndex

    function setCurIndex(index) {
        currentIndex = Controls.clampInt(index, 0, maxIndex, currentIndex)
    }
    function getCurIndex() {
        return currentIndex
    }
    function indexAt(x) {
        return segmentCount === 11 ? Controls.slider11Index(x, width)
                                   : Controls.sliderIndex(x, width)
    }
    function isLit(segment) {
        return (segmentCount === 11 ? segment : segment + 1) <= shownIndex
    }

    implicitWidth: 232
    implicitHeight: 20
    opacity: enabled ? 1.0 : 0.2

    Rectangle {
        id: fallbackBase
        anchors.fill: parent
        visible: !basePicture.ready
        radius: 4
        color: "#1E2630"
        border.width: 1
        border.color: trackArea.containsMouse ? Qt.rgba(0, 1, 1, 0.5) : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: basePicture
        anchors.fill: parent
        name: segmentSlider.baseName
    }

    Repeater {
        id: segments
        model: segmentSlider.segmentCount
        delegate: Item {
            id: segment
            required property int index
            readonly property bool lit: segmentSlider.isLit(index)
            x: Controls.segmentX(index, segmentSlider.segmentCount, segmentSlider.segmentWidth,
                                 segmentSlider.width)
            y: Math.round((segmentSlider.height - 12) / 2)
            width: segmentSlider.segmentWidth
            height: 12

            Rectangle {
                id: fallbackSegment
                anchors.fill: parent
                visible: !idlePicture.ready
                radius: 2
                color: segment.lit ? Qt.alpha(mainIten.globalSetting_color, 0.85) : "#2A3440"
                Behavior on color { ColorAnimation { duration: 80 } }
            }
            Picture {
                id: idlePicture
                anchors.fill: parent
                name: segmentSlider.fillerName0
            }
            Picture {
                id: litPicture
                anchors.fill: parent
                name: segmentSlider.fillerName1
                opacity: segment.lit ? 1 : 0
                Behavior on opacity { NumberAnimation { duration: 80 } }
            }
        }
    }

    MouseArea {
        id: trackArea
        objectName: segmentSlider.objectName + "_track"
        property int previewIndex: 0
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onPressed: function (mouse) { previewIndex = segmentSlider.indexAt(mouse.x) }
        onPositionChanged: function (mouse) {
            if (pressed)
                previewIndex = segmentSlider.indexAt(mouse.x)
        }
        onReleased: function (mouse) {
            segmentSlider.currentIndex = segmentSlider.indexAt(mouse.x)
            segmentSlider.sliderClicked(segmentSlider.currentIndex)
        }
    }
}
