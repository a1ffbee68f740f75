import QtQuick
import "../common"

// DEFAULT and APPLY of the sensor and colour pages. Each button locks the view for its own
// interval before the page works, and names itself above while hovered.
Item {
    id: pageButtons
    property string prefix
    property int resetInterval: 800
    property int applyInterval: 800
    signal resetClicked()
    signal applyClicked()

    width: 256
    height: 56

    Repeater {
        id: buttons
        model: [
            { part: "default", text: 106, fallback: "DEFAULT", picture: "reset", interval: pageButtons.resetInterval },
            { part: "apply", text: 107, fallback: "APPLY", picture: "apply", interval: pageButtons.applyInterval }
        ]
        delegate: Item {
            id: slot
            required property var modelData
            required property int index
            x: index * 136
            width: 120
            height: pageButtons.height

            Text {
                id: hoverLabel
                anchors.horizontalCenter: parent.horizontalCenter
                y: 0
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
                objectName: pageButtons.prefix + "_" + slot.modelData.part
                y: slot.height - 32
                width: 120
                height: 32
                source0: mainIten["source_" + slot.modelData.picture + "_0"] || ""
                source1: mainIten["source_" + slot.modelData.picture + "_1"] || ""
                onClicked: {
                    mainIten.setProtectUI(slot.modelData.interval)
                    if (slot.index === 0)
                        pageButtons.resetClicked()
                    else
                        pageButtons.applyClicked()
                }
            }
        }
    }
}
