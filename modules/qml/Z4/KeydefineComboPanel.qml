import QtQuick
import "../common"
import "keydefine.js" as KD

// "COMBO KEY": one modifier (or none) and two keys. Every change reports all three.
Column {
    id: comboPanel
    property int modifier: 0
    readonly property alias key1: firstKey.code
    readonly property alias key2: secondKey.code
    readonly property var keyInputs: [firstKey, secondKey]
    signal changed(int modifier, int key1, int key2)

    function show(view) {
        modifier = view.modifier
        modifierList.setCurIndex(view.modifier)
        firstKey.show(view.key1)
        secondKey.show(view.key2)
    }
    function report() {
        changed(modifier, firstKey.code, secondKey.code)
    }

    spacing: 6

    DropdownList {
        id: modifierList
        objectName: "keydefine_modifier"
        z: 2
        width: 260
        mdItems: KD.modifierNames.map(function (name, i) {
            return { textX: i === 0 ? name : ((mainIten.globalSetting_stringList || [])[74] || "KEY") + "\u3010 " + name + " \u3011" }
        })
        onListElementClicked: function (index) {
            comboPanel.modifier = index
            comboPanel.report()
        }
    }
    Text {
        id: plus1
        textFormat: Text.PlainText
        width: 260
        horizontalAlignment: Text.AlignHCenter
        text: "+"
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 2
        color: mainIten.globalSetting_color_enable
    }
    KeydefineKeyInput {
        id: firstKey
        objectName: "keydefine_combo1"
        width: 260
        onKeyCaptured: comboPanel.report()
    }
    Text {
        id: plus2
        textFormat: Text.PlainText
        width: 260
        horizontalAlignment: Text.AlignHCenter
        text: "+"
        font: plus1.font
        color: plus1.color
    }
    KeydefineKeyInput {
        id: secondKey
        objectName: "keydefine_combo2"
        width: 260
        onKeyCaptured: comboPanel.report()
    }
}
