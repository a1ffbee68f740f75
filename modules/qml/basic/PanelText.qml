import QtQuick

// Running text of a panel: wraps within the panel's column.
Text {
    textFormat: Text.PlainText
    width: parent ? parent.width : 0
    wrapMode: Text.Wrap
    font.family: mainIten.globalSetting_fontFamily
    font.pixelSize: mainIten.globalSetting_size + 1
    lineHeight: 1.15
    color: mainIten.globalSetting_color_enable
}
