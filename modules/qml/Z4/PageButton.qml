import QtQuick
import "../common"

// One DEFAULT or APPLY plate of a page. The plates carry only an icon, so the name sits beside
// it at rest, and shows again above the plate while hovered.
Item {
    id: pageButton
    property int textIndex
    property string fallback
    property string picture
    // objectName of the plate itself, the part a person or a test clicks.
    property string buttonName
    readonly property string label: (mainIten.globalSetting_stringList || [])[textIndex] || fallback
    readonly property alias hovered: plate.hovered
    // Set on APPLY while the page holds changes it has not sent.
    property bool marked: false
    signal clicked()

    width: plate.width
    height: 56

    Text {
        id: hoverLabel
        textFormat: Text.PlainText
        anchors.horizontalCenter: parent.horizontalCenter
        text: pageButton.label
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
        color: mainIten.globalSetting_color
        opacity: plate.hovered || plate.activeFocus ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: 100 } }

        Plate {
            z: -1
            anchors.fill: parent
            anchors.margins: -3
            anchors.leftMargin: -8
            anchors.rightMargin: -8
        }
    }

    Button_2state {
        id: plate
        objectName: pageButton.buttonName
        y: pageButton.height - height
        width: Math.max(120, caption.x + caption.implicitWidth + 8)
        height: 32
        fixedLeft: 28
        fixedRight: 6
        source0: mainIten["source_" + pageButton.picture + "_0"] || ""
        source1: mainIten["source_" + pageButton.picture + "_1"] || ""
        Accessible.name: pageButton.label
        onClicked: pageButton.clicked()

        // The icon fills the plate's left 28 px; a long translation widens the plate.
        Text {
            id: caption
            textFormat: Text.PlainText
            objectName: pageButton.buttonName + "_caption"
            x: 30
            width: parent.width - x - 8
            height: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: pageButton.label
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
            color: plate.hovered ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
            Behavior on color { ColorAnimation { duration: 100 } }
        }

        EditMark {
            objectName: pageButton.buttonName + "_mark"
            x: parent.width - width / 2 - 2
            y: -height / 2 + 2
            visible: pageButton.marked
        }
    }
}
