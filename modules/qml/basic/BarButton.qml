import QtQuick
import "../common"

// A picture button with its text drawn over it (pictures carry no text). The icon fills the
// plate's left 28 px; the plate grows for a long translation, only its plain middle stretching.
Button_2state {
    id: barButton
    property string label
    readonly property int iconWidth: 28
    width: Math.max(120, iconWidth + caption.implicitWidth + 16)
    height: 32
    fixedLeft: iconWidth
    fixedRight: 6
    Accessible.name: label

    Text {
        id: caption
        textFormat: Text.PlainText
        objectName: barButton.objectName + "_caption"
        x: barButton.iconWidth + 2
        width: barButton.width - x - 8
        height: barButton.height
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: barButton.label
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
        color: barButton.hovered ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
    }
}
