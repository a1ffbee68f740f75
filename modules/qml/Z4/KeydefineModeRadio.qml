import QtQuick
import "../common"
import "keydefine.js" as KD

// One play mode of the macro panel; choosing it asks the panel to assign the macro again.
RadioButton {
    id: modeRadio
    property Item panel
    objectName: "keydefine_macro_mode" + index
    height: 20
    isSelect: panel.mode === index
    chkStr: KD.text(panel.strings, KD.macroModeTexts[index][0], KD.macroModeTexts[index][1])
    onClicked: function (index) {
        panel.mode = index
        panel.assignRequested()
    }
}
