import QtQuick
import "rainbow.js" as Rainbow

// A labelled 0..255 field. It commits on Enter or when it loses the focus; text that holds no
// number gives the shown value back.
Item {
    id: colorField
    property int value: 0
    property string label
    property string inputName
    signal committed(int value)

    function commit() {
        var typed = Rainbow.component(input.text)
        input.text = String(typed === null ? value : typed)
        if (typed !== null && typed !== value)
            committed(typed)
    }
    function dropFocus() {
        if (input.activeFocus)
            input.focus = false
    }

    implicitWidth: labelText.implicitWidth + 2 + 48
    implicitHeight: 22
    onValueChanged: input.text = String(value)
    Component.onCompleted: input.text = String(value)

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { colorField.dropFocus() }
    }

    Text {
        id: labelText
        textFormat: Text.PlainText
        anchors.verticalCenter: parent.verticalCenter
        text: colorField.label
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: mainIten.globalSetting_color_disable
    }

    Item {
        id: box
        x: labelText.implicitWidth + 2
        width: 48
        height: 22

        Rectangle {
            id: fallbackBox
            anchors.fill: parent
            visible: !boxPicture.ready
            radius: 3
            color: "#1E2630"
            border.width: 1
            border.color: input.activeFocus || inputArea.hovered ? mainIten.globalSetting_color
                                                                 : Qt.rgba(0, 1, 1, 0.22)
            Behavior on border.color { ColorAnimation { duration: 100 } }
        }
        Picture {
            id: boxPicture
            anchors.fill: parent
            name: "draw_inputValue"
        }
        // Focus glow over the picture, which has no focused state of its own.
        Rectangle {
            id: focusGlow
            anchors.fill: parent
            visible: boxPicture.ready
            radius: 3
            color: "transparent"
            border.width: 1
            border.color: mainIten.globalSetting_color
            opacity: input.activeFocus ? 0.9 : inputArea.hovered ? 0.4 : 0
            Behavior on opacity { NumberAnimation { duration: 100 } }
        }

        HoverArea {
            id: inputArea
            anchors.fill: parent
            cursorShape: live ? Qt.IBeamCursor : Qt.ArrowCursor
            acceptedButtons: Qt.NoButton
        }

        TextInput {
            id: input
            objectName: colorField.inputName
            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 4
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            maximumLength: 3
            activeFocusOnTab: true
            Accessible.role: Accessible.EditableText
            Accessible.name: colorField.label.trim()
            validator: IntValidator { bottom: 0; top: 255 }
            inputMethodHints: Qt.ImhDigitsOnly
            selectByMouse: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: activeFocus ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
            selectionColor: Qt.alpha(mainIten.globalSetting_color, 0.4)
            selectedTextColor: "#FFFFFF"
            Keys.onReturnPressed: colorField.commit()
            Keys.onEnterPressed: colorField.commit()
            onActiveFocusChanged: {
                if (activeFocus)
                    selectAll()
                else
                    colorField.commit()
            }
        }
    }
}
