import QtQuick
import "controls.js" as Controls

// Eleven segments. The index is taken where the pointer is released, clamped to the track:
// 0 over the whole first segment, 10 at the right edge; segments 0 to the index are lit, so
// the first one always is. While the pointer is down the segments preview the index.
Item {
    id: slider_11
    property int currentIndex: 5
    signal sliderClicked(int index)

    function setCurIndex(index) {
        currentIndex = Controls.clampInt(index, 0, 10, currentIndex)
    }
    function getCurIndex() {
        return currentIndex
    }

    property int previewIndex: 0
    implicitWidth: 232
    implicitHeight: 20
    opacity: Controls.disabledOpacity(slider_11)

    // Read by the accessibility layer as the slider's value.
    readonly property int value: currentIndex
    readonly property int minimumValue: 0
    readonly property int maximumValue: 10
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
        areaName: slider_11.objectName + "_track"
        segmentCount: 11
        segmentWidth: 18
        baseName: "slider_11_BASE"
        fillerName: "slider_11_FILLER"
        litCount: (held ? slider_11.previewIndex : slider_11.currentIndex) + 1
        onPointerMoved: function (x) { slider_11.previewIndex = Controls.slider11Index(x, track.width) }
        onPointerReleased: function (x) {
            slider_11.currentIndex = Controls.slider11Index(x, track.width)
            slider_11.sliderClicked(slider_11.currentIndex)
        }
    }
}
