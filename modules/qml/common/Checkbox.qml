import QtQuick
import "controls.js" as Controls

// Labelled box; a click toggles `isSelect` and reports the new state.
Item {
    id: checkbox
    property bool isSelect: false
    property string chkStr
    signal clicked(bool select)

    readonly property bool hovered: mouseArea.hovered
    implicitWidth: label.x + label.implicitWidth
    implicitHeight: Math.max(16, label.implicitHeight)
    opacity: Controls.disabledOpacity(checkbox)

    function toggle() {
        isSelect = !isSelect
        clicked(isSelect)
    }
    activeFocusOnTab: true
    Accessible.role: Accessible.CheckBox
    Accessible.name: chkStr
    Accessible.checkable: true
    Accessible.checked: isSelect
    Accessible.onPressAction: toggle()
    Accessible.onToggleAction: toggle()
    Keys.onPressed: function (event) {
        event.accepted = Controls.isActivateKey(event.key)
        if (event.accepted)
            toggle()
    }
    FocusMark {
        id: focusMark
    }

    Item {
        id: box
        width: 16
        height: 16
        anchors.verticalCenter: parent.verticalCenter

        Rectangle {
            id: fallbackBox
            anchors.fill: parent
            anchors.margins: 1
            visible: !offPicture.ready
            radius: 3
            color: "#1E2630"
            border.width: 1
            border.color: checkbox.isSelect || checkbox.hovered ? mainIten.globalSetting_color
                                                                 : mainIten.globalSetting_color_enable
            Rectangle {
                id: fallbackMark
                anchors.centerIn: parent
                width: 8
                height: 8
                radius: 2
                color: mainIten.globalSetting_color
                visible: checkbox.isSelect
            }
        }

        Picture {
            id: offPicture
            anchors.fill: parent
            name: "checkbox_0"
            litName: "checkbox_1"
            lit: checkbox.isSelect ? 1 : 0
        }
    }

    Text {
        id: label
        textFormat: Text.PlainText
        x: 22
        anchors.verticalCenter: parent.verticalCenter
        text: checkbox.chkStr
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: checkbox.isSelect || checkbox.hovered ? mainIten.globalSetting_color
                                                     : mainIten.globalSetting_color_enable
        Behavior on color { ColorAnimation { duration: 100 } }
    }

    HoverArea {
        id: mouseArea
        anchors.fill: parent
        onClicked: checkbox.toggle()
    }
}
