import QtQuick

// The skin's panel behind a floating text (messages, LOADING, hover names), so it never sits
// on a label of the page beneath: deep blue-black, a thin cyan line, round corners.
Rectangle {
    property bool warning: false
    radius: 6
    color: "#151B24"
    border.width: 1
    border.color: warning ? "#FF7F00" : Qt.rgba(0, 1, 1, 0.45)
}
