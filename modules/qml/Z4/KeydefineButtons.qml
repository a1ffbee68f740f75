import QtQuick
import "../common"

// DEFAULT and APPLY of the key page, each naming itself above while hovered. APPLY locks the
// view for its interval before the page sends.
Item {
    id: keydefineButtons
    property int applyInterval: 800
    signal defaultClicked()
    signal applyClicked()

    width: 256
    height: 56

    Repeater {
        id: buttons
        model: [
            { part: "default", text: 106, fallback: "DEFAULT", picture: "reset" },
            { part: "apply", text: 107, fallback: "APPLY", picture: "apply" }
        ]
        delegate: Item {
            id: slot
            required property var modelData
            required property int index
            x: index * 136
            width: 120
            height: keydefineButtons.height

            Text {
                id: hoverLabel
                anchors.horizontalCenter: parent.horizontalCenter
                text: (mainIten.globalSetting_stringList || [])[slot.modelData.text] || slot.modelData.fallback
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                font.bold: true
                color: mainIten.globalSetting_color
                opacity: button.hovered ? 1 : 0
                Behavior on opacity { NumberAnimation { duration: 100 } }
            }

            Button_2state {
                id: button
                objectName: "keydefine_" + slot.modelData.part
                y: slot.height - 32
                width: 120
                height: 32
                source0: mainIten["source_" + slot.modelData.picture + "_0"] || ""
                source1: mainIten["source_" + slot.modelData.picture + "_1"] || ""
                onClicked: {
                    if (slot.index === 0) {
                        keydefineButtons.defaultClicked()
                    } else {
                        mainIten.setProtectUI(keydefineButtons.applyInterval)
                        keydefineButtons.applyClicked()
                    }
                }
            }
        }
    }
}
