import QtQuick
import "../common"

// Shown while the protect lock holds the interface: a blinking "LOADING ......".
Text {
    id: busyIndicator
    textFormat: Text.PlainText
    text: (mainIten.globalSetting_stringList || [])[132] || "LOADING ......"
    color: mainIten.globalSetting_color
    font.family: mainIten.globalSetting_fontFamily
    font.pixelSize: mainIten.globalSetting_size
    font.bold: true
    style: Text.Outline
    styleColor: "#0B0E13"

    // A plate of its own, so it never sits on a label of the page beneath.
    Plate {
        z: -1
        anchors.fill: parent
        anchors.margins: -8
        anchors.leftMargin: -16
        anchors.rightMargin: -16
    }

    SequentialAnimation on opacity {
        running: busyIndicator.visible
        loops: Animation.Infinite
        NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
        NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
    }
}
