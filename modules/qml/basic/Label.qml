import QtQuick

// A field name on the settings panel.
Text {
    id: label
    textFormat: Text.PlainText
    font.family: mainIten.globalSetting_fontFamily
    font.pixelSize: mainIten.globalSetting_size
    color: mainIten.globalSetting_color_enable
}
