import QtQuick

// A skin picture, looked up by its base name among the root's "source_" url properties so a
// skin change rebinds it. A missing file (or property) leaves its place empty; owners read
// `ready` to draw a plain fallback instead.
Image {
    id: picture
    property string name
    readonly property bool ready: status === Image.Ready
    source: name !== "" && mainIten["source_" + name] ? mainIten["source_" + name] : ""
    visible: ready
    cache: true
    smooth: false
}
