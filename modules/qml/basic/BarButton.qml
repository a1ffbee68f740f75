import QtQuick
import "../common"

// A picture button with its text drawn over it (pictures carry no text).
Button_2state {
    id: barButton
    property string label
    width: 120
    height: 32

    Text {
        id: caption
        anchors.centerIn: parent
        text: barButton.label
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
        color: barButton.hovered ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
    }
}
