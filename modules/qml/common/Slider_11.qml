import QtQuick

// Eleven segments; the first one is always lit.
SegmentSlider {
    id: slider_11
    currentIndex: 5
    segmentCount: 11
    segmentWidth: 18
    baseName: "slider_11_BASE"
    fillerName0: "slider_11_FILLER_0"
    fillerName1: "slider_11_FILLER_1"
}
