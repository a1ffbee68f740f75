import QtQuick

// A skin picture, or a normal / hovered-or-selected pair of them cross-faded by `lit`
// (0 the first, 1 the second). Pictures are looked up by base name among the root's
// "source_" url properties, so a skin change rebinds them; owners holding their own
// addresses set normalSource / litSource instead. A missing file (or property) leaves its
// place empty, and owners read `ready` to draw a plain fallback. Drawn wider than the file,
// only the middle stretches: fixedLeft and fixedRight pixels at the sides stay 1:1.
Item {
    id: picture
    property string name
    property string litName
    property url normalSource: sourceOf(name)
    property url litSource: sourceOf(litName)
    property real lit: 0
    property int fadeDuration: 100
    property int fixedLeft: 0
    property int fixedRight: 0
    readonly property bool ready: normalImage.status === Image.Ready
    readonly property real naturalWidth: normalImage.implicitWidth
    readonly property real naturalHeight: normalImage.implicitHeight

    function sourceOf(base) {
        return base !== "" && mainIten["source_" + base] ? mainIten["source_" + base] : ""
    }

    BorderImage {
        id: normalImage
        anchors.fill: parent
        border.left: picture.fixedLeft
        border.right: picture.fixedRight
        source: picture.normalSource
        visible: status === Image.Ready
        smooth: false
    }

    BorderImage {
        id: litImage
        anchors.fill: parent
        border.left: picture.fixedLeft
        border.right: picture.fixedRight
        source: picture.litSource
        visible: status === Image.Ready && opacity > 0
        smooth: false
        opacity: picture.lit
        Behavior on opacity { NumberAnimation { duration: picture.fadeDuration } }
    }
}
