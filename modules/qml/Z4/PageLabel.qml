import QtQuick

// Caption of a page control; dimmed with its control.
Text {
    id: pageLabel
    font.family: mainIten.globalSetting_fontFamily
    font.pixelSize: mainIten.globalSetting_size
    font.bold: true
    color: enabled ? mainIten.globalSetting_color_enable : mainIten.globalSetting_color_disable
    opacity: enabled ? 1.0 : 0.5
}
