import QtQuick

// The dot on a control whose page holds changes not applied (or settings not saved) yet:
// the skin's warning orange, ringed in the panel colour so it reads on any picture.
Rectangle {
    width: 10
    height: 10
    radius: 5
    color: "#FF7F00"
    border.width: 2
    border.color: "#151B24"
}
