import QtQuick
import "../common"
import "keydefine.js" as KD

// One play mode of the macro panel, named by its interface text.
RadioButton {
    id: modeRadio
    property var strings: []
    objectName: "keydefine_macro_mode" + index
    height: 20
    chkStr: KD.text(strings, KD.macroModeTexts[index][0], KD.macroModeTexts[index][1])
}
