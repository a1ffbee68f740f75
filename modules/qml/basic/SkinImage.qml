import QtQuick

// A skin picture drawn 1:1; a missing file leaves its place empty and `ready` false.
Image {
    id: skinImage
    readonly property bool ready: status === Image.Ready
    visible: ready
    smooth: false
    // Decoded off the GUI thread: the scene is invisible until its start-up animation shows it.
    asynchronous: true
}
