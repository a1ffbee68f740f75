import QtQuick

// The window's background: the custom picture when one is chosen, otherwise the skin's,
// with the frame picture over it.
Item {
    id: environment
    width: 1000
    height: 600

    // Painted at once, so the window never shows an empty frame while the pictures load.
    Rectangle {
        id: plainBackground
        anchors.fill: parent
        radius: 6
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#0B0E13" }
            GradientStop { position: 1.0; color: "#121821" }
        }
        visible: !skinBackground.ready && !customBackground.ready
    }

    SkinImage {
        id: skinBackground
        anchors.fill: parent
        source: mainIten.isCustomBackground ? "" : mainIten.sourceBackground
    }

    SkinImage {
        id: customBackground
        anchors.fill: parent
        fillMode: Image.Stretch
        smooth: true
        // The picture may be any size; keep only what the window shows in memory.
        sourceSize.width: 1000
        sourceSize.height: 600
        source: mainIten.isCustomBackground ? mainIten.sourceCustomBackground : ""
    }

    SkinImage {
        id: frame
        anchors.fill: parent
        source: mainIten.source_frameBackground
    }
}
