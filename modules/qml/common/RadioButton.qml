import QtQuick
import "controls.js" as Controls

// One choice of a group; a click only reports `index`, the owner decides `isSelect`.
Item {
    id: radioButton
    property bool isSelect: false
    property string chkStr
    property int index: 0
    signal clicked(int index)

    readonly property bool lit: isSelect || mouseArea.hovered
    implicitWidth: label.x + label.implicitWidth
    implicitHeight: Math.max(16, label.implicitHeight)
    opacity: Controls.disabledOpacity(radioButton)

    activeFocusOnTab: true
    Accessible.role: Accessible.RadioButton
    Accessible.name: chkStr
    Accessible.checkable: true
    Accessible.checked: isSelect
    Accessible.onPressAction: clicked(index)
    Keys.onPressed: function (event) {
        event.accepted = Controls.isActivateKey(event.key)
        if (event.accepted)
            clicked(index)
    }
    FocusMark {
        id: focusMark
    }

    Rectangle {
        id: ring
        width: 14
        height: 14
        radius: 7
        anchors.verticalCenter: parent.verticalCenter
        x: 1
        color: "#1E2630"
        border.width: 1
        border.color: radioButton.lit ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
        Behavior on border.color { ColorAnimation { duration: 100 } }

        Rectangle {
            id: dot
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: 3
            color: mainIten.globalSetting_color
            opacity: radioButton.isSelect ? 1 : 0
            Behavior on opacity { NumberAnimation { duration: 100 } }
        }
    }

    Text {
        id: label
        textFormat: Text.PlainText
        x: 22
        anchors.verticalCenter: parent.verticalCenter
        text: radioButton.chkStr
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: radioButton.lit ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
        Behavior on color { ColorAnimation { duration: 100 } }
    }

    HoverArea {
        id: mouseArea
        anchors.fill: parent
        onClicked: radioButton.clicked(radioButton.index)
    }
}
