import QtQuick
import "pagearea.js" as Slides

// The panel between the two menus that shows at most one page. A page leaves by sliding out
// to the left and arrives from there; the rules for requests during a slide are in pagearea.js.
// The pages are its children; each shows itself only while curPageId is its own id.
Item {
    id: pageArea
    width: 736
    height: 484
    clip: true

    default property alias pageItems: content.data
    readonly property int curPageId: slideState.shown
    readonly property bool sliding: slideOut.running || slideIn.running

    property var slideState: Slides.initial()
    readonly property real offscreenX: -2 * width
    readonly property var backgrounds: [mainIten.source_fnKeydefineBackground, mainIten.source_fnMacroBackground,
        mainIten.source_fnColorBackground, mainIten.source_fnCommonBackground]

    // Before a page slides in: it must exist by then.
    signal pageWanted(int pageId)

    // Shows page 0..3, or no page for -1.
    function show(pageId) {
        pageWanted(pageId)
        apply(Slides.request(slideState, pageId))
    }

    function apply(next) {
        slideOut.stop()
        slideIn.stop()
        slideState = next
        if (next.slide === "out")
            slideOut.start()
        else if (next.slide === "in")
            slideIn.start()
        else if (next.slide === "rest")
            content.x = 0
    }

    // An empty page area still reads as a panel, so the window never looks unfinished.
    Rectangle {
        id: emptyPanel
        anchors.fill: parent
        radius: 6
        color: "#EB151B24"
        border.color: Qt.rgba(0, 1, 1, 0.22)
    }

    Item {
        id: content
        objectName: "pageArea_content"
        width: pageArea.width
        height: pageArea.height

        Image {
            id: pageBackground
            source: pageArea.curPageId >= 0 ? pageArea.backgrounds[pageArea.curPageId] : ""
            sourceSize.width: 736; sourceSize.height: 484
            visible: pageArea.curPageId >= 0
            z: -1
        }
    }

    NumberAnimation {
        id: slideOut
        target: content
        property: "x"
        from: 0
        to: pageArea.offscreenX
        duration: 0.5 * mainIten.animation_speed
        easing.type: Easing.InCubic
        onFinished: pageArea.apply(Slides.finished(pageArea.slideState))
    }

    NumberAnimation {
        id: slideIn
        target: content
        property: "x"
        from: pageArea.offscreenX
        to: 0
        duration: 0.5 * mainIten.animation_speed
        easing.type: Easing.OutCubic
        onFinished: pageArea.apply(Slides.finished(pageArea.slideState))
    }
}
