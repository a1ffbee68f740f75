import QtQuick

// Heading of a group on the settings panel.
Text {
    id: sectionTitle
    textFormat: Text.PlainText
    font.family: mainIten.globalSetting_fontFamily
    font.pixelSize: mainIten.globalSetting_size + 1
    font.bold: true
    color: mainIten.globalSetting_color
}
