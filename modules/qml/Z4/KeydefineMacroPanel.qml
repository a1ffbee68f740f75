import QtQuick
import "../common"
import "keydefine.js" as KD

// "MACRO": the macro file, how the mouse plays it and, for a normal play, how many times.
// Choosing a file, a play mode or committing the count asks the page to assign the macro.
Column {
    id: macroPanel
    property var fileNames: []
    property int file: -1
    property int mode: 0
    readonly property alias count: countField.value
    readonly property alias countField: countField
    readonly property var strings: mainIten.globalSetting_stringList || []
    signal assignRequested()
    signal listRequested()

    function chooseMode(index) {
        mode = index
        assignRequested()
    }
    function show(view) {
        file = view.macroFile
        mode = view.macroMode
        countField.setValue(view.macroCount)
    }

    spacing: 10
    // The list may be refilled under the selection; the box follows the file, not the row.
    onFileChanged: fileList.setCurIndex(file)

    FileListButton {
        id: fileList
        objectName: "keydefine_macro_files"
        z: 2
        width: 260
        mdItems: macroPanel.fileNames.map(function (name) { return { textX: name } })
        onRequestToUpdateList: macroPanel.listRequested()
        onListElementClicked: function (index) {
            macroPanel.file = index
            macroPanel.assignRequested()
        }
    }

    Row {
        id: normalRow
        spacing: 8
        height: 28
        KeydefineModeRadio {
            id: normalRadio
            anchors.verticalCenter: parent.verticalCenter
            index: 0
            strings: macroPanel.strings
            isSelect: macroPanel.mode === index
            onClicked: function (index) { macroPanel.chooseMode(index) }
        }
        KeydefineCountField {
            id: countField
            objectName: "keydefine_macro_count"
            limits: KD.macroCount
            prefix: "\u3010 "
            suffix: " \u3011"
            enabled: macroPanel.mode === 0
            onCommitted: if (macroPanel.mode === 0) macroPanel.assignRequested()
        }
        PageLabel {
            id: timesLabel
            anchors.verticalCenter: parent.verticalCenter
            enabled: countField.enabled
            text: KD.text(macroPanel.strings, 97, "TIMES")
        }
    }
    KeydefineModeRadio {
        id: alwaysRadio
        index: 1
        strings: macroPanel.strings
        isSelect: macroPanel.mode === index
        onClicked: function (index) { macroPanel.chooseMode(index) }
    }
    KeydefineModeRadio {
        id: pressedRadio
        index: 2
        strings: macroPanel.strings
        isSelect: macroPanel.mode === index
        onClicked: function (index) { macroPanel.chooseMode(index) }
    }
}
