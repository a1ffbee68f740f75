import QtQuick
import "controls.js" as Controls

// Seven segments. The index is taken where the pointer is released, clamped to the track:
// 0 only at the very left edge, 7 at the right edge; segments 1 to the index are lit. While
// the pointer is down the segments preview the index it would give.
Item {
    id: slider
    property int currentIndex: 7
    signal sliderClicked(int index)

    function setCurIndex(index) {
        currentIndex = Controls.clampInt(index, 0, 7, currentIndex)
    }
    function getCurIndex() {
        return currentIndex
    }

    property int previewIndex: 0
    implicitWidth: 232
    implicitHeight: 20
    opacity: Controls.disabledOpacity(slider)

    // Read by the accessibility layer as the slider's value.
    readonly property int value: currentIndex
    readonly property int minimumValue: 0
    readonly property int maximumValue: 7
    readonly property int stepSize: 1
    activeFocusOnTab: true
    Accessible.role: Accessible.Slider
    Keys.onPressed: function (event) {
        var to = Controls.movedIndex(event.key, currentIndex, maximumValue + 1)
        event.accepted = to >= 0
        if (to >= 0 && to !== currentIndex) {
            currentIndex = to
            sliderClicked(to)
        }
    }
    FocusMark {
        id: focusMark
    }

    SegmentTrack {
        id: track
        anchors.fill: parent
        areaName: slider.objectName + "_track"
        segmentCount: 7
        segmentWidth: 28
        baseName: "slider_BASE"
        fillerName: "slider_FILLER"
        litCount: held ? slider.previewIndex : slider.currentIndex
        onPointerMoved: function (x) { slider.previewIndex = Controls.sliderIndex(x, track.width) }
        onPointerReleased: function (x) {
            slider.currentIndex = Controls.sliderIndex(x, track.width)
            slider.sliderClicked(slider.currentIndex)
        }
    }
}
