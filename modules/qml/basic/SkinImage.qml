import QtQuick

// A skin picture drawn 1:1; a missing file leaves its place empty and `ready` false.
Image {
    id: skinImage
    readonly property bool ready: status === Image.Ready
    visible: ready
    smooth: false
}
