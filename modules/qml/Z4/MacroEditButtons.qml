pragma ComponentBehavior: Bound
import QtQuick
import "../common"

// DELETE, CUT, PASTE, COPY for the selected action, each named below the row while hovered.
Item {
    id: editButtons
    width: buttons.width
    height: 28 + 22

    property bool canEdit: false
    property bool canPaste: false

    signal actionClicked(string which)

    Text {
        id: hoverLabel
        textFormat: Text.PlainText
        objectName: editButtons.objectName + "_label"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 34
        text: ""
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: mainIten.globalSetting_color

        Plate {
            z: -1
            visible: hoverLabel.text !== ""
            anchors.fill: parent
            anchors.margins: -3
            anchors.leftMargin: -8
            anchors.rightMargin: -8
        }
    }

    Row {
        id: buttons
        spacing: 12
        Repeater {
            model: [
                { which: "delete", text: 80, picture: "solid_delete" },
                { which: "cut", text: 81, picture: "solid_cut" },
                { which: "paste", text: 82, picture: "solid_paste" },
                { which: "copy", text: 83, picture: "solid_copy" }
            ]
            delegate: Button_2state {
                id: editButton
                required property var modelData
                objectName: editButtons.objectName + "_" + editButton.modelData.which
                width: 28
                height: 28
                source0: mainIten["source_" + editButton.modelData.picture + "_0"]
                source1: mainIten["source_" + editButton.modelData.picture + "_1"]
                enabled: editButton.modelData.which === "paste" ? editButtons.canPaste : editButtons.canEdit
                Accessible.name: mainIten.globalSetting_stringList[editButton.modelData.text] || editButton.modelData.which
                onClicked: editButtons.actionClicked(editButton.modelData.which)
                Connections {
                    target: editButton.mouse
                    function onHoveredChanged() {
                        hoverLabel.text = editButton.hovered
                                ? mainIten.globalSetting_stringList[editButton.modelData.text] : ""
                    }
                }
            }
        }
    }
}
