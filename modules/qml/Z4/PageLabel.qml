import QtQuick
import "../common/controls.js" as Controls

// Caption of a page control; dimmed with its control (not again under a dimmed ancestor).
Text {
    id: pageLabel
    textFormat: Text.PlainText
    font.family: mainIten.globalSetting_fontFamily
    font.pixelSize: mainIten.globalSetting_size
    font.bold: true
    color: Controls.dimmed(pageLabel) ? mainIten.globalSetting_color_disable : mainIten.globalSetting_color_enable
    opacity: Controls.dimmed(pageLabel) ? 0.5 : 1.0
}
