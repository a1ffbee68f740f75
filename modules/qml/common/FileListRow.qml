import QtQuick

// One row of FileList, with the in-place editor used while renaming it.
Item {
    id: fileListRow
    property string textX
    property string textR
    property bool selected: false
    property bool editing: false
    property string editorName
    signal leftClicked()
    signal rightClicked()
    signal editAccepted(string name)
    signal editAbandoned()

    readonly property bool hovered: rowArea.hovered
    readonly property color textColor: selected || hovered ? mainIten.globalSetting_color
                                                           : mainIten.globalSetting_color_enable

    function startEditing() {
        editor.text = textX
        editor.selectAll()
        editor.forceActiveFocus()
    }
    onEditingChanged: if (editing) startEditing()
    Component.onCompleted: if (editing) startEditing()

    Rectangle {
        id: highlight
        anchors.fill: parent
        radius: 3
        color: mainIten.globalSetting_color
        opacity: fileListRow.editing ? 0.1 : fileListRow.selected ? 0.22 : fileListRow.hovered ? 0.1 : 0
        Behavior on opacity { NumberAnimation { duration: 80 } }
    }

    Text {
        id: nameText
        textFormat: Text.PlainText
        anchors.left: parent.left
        anchors.right: sideText.left
        anchors.leftMargin: 6
        anchors.rightMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        visible: !fileListRow.editing
        elide: Text.ElideRight
        text: fileListRow.textX
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: fileListRow.textColor
    }

    Text {
        id: sideText
        textFormat: Text.PlainText
        anchors.right: parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        text: fileListRow.textR
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: fileListRow.textColor
        opacity: 0.8
    }

    HoverArea {
        id: rowArea
        objectName: fileListRow.objectName + "_area"
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onClicked: function (mouse) {
            if (mouse.button === Qt.RightButton)
                fileListRow.rightClicked()
            else
                fileListRow.leftClicked()
        }
    }

    Rectangle {
        id: editorFrame
        anchors.fill: parent
        visible: fileListRow.editing
        radius: 3
        color: "#1E2630"
        border.width: 1
        border.color: mainIten.globalSetting_color

        TextInput {
            id: editor
            objectName: fileListRow.editing ? fileListRow.editorName : ""
            anchors.fill: parent
            anchors.leftMargin: 6
            anchors.rightMargin: 6
            verticalAlignment: TextInput.AlignVCenter
            clip: true
            enabled: fileListRow.editing
            selectByMouse: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: mainIten.globalSetting_color
            selectionColor: Qt.alpha(mainIten.globalSetting_color, 0.4)
            selectedTextColor: "#FFFFFF"
            Keys.onReturnPressed: fileListRow.editAccepted(editor.text)
            Keys.onEnterPressed: fileListRow.editAccepted(editor.text)
            Keys.onEscapePressed: fileListRow.editAbandoned()
            onActiveFocusChanged: if (!activeFocus && fileListRow.editing) fileListRow.editAbandoned()
        }
    }
}
