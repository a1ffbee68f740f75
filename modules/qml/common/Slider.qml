import QtQuick

// Seven segments; index 0 (nothing lit) only at the very left edge.
SegmentSlider {
    id: slider
    currentIndex: 7
    segmentCount: 7
    segmentWidth: 28
    baseName: "slider_BASE"
    fillerName0: "slider_FILLER_0"
    fillerName1: "slider_FILLER_1"
}
