import QtQuick
import "macroactions.js" as Actions

// The macro library and the action list of one macro. Every change of the list is saved at
// once, and the list is shown only as it was saved: a failed save empties the display.
Item {
    id: page_Macro
    objectName: "page_Macro"
    width: 736
    height: 484

    property var fileNames: []
    property int fileIndex: -1
    readonly property string currentFile: fileIndex >= 0 && fileIndex < fileNames.length
                                          ? Actions.displayName(fileNames[fileIndex]) : ""
    readonly property bool hasFile: currentFile !== ""
    property var actions: []
    property int actionIndex: -1
    property var clipboard: Actions.emptyClipboard()
    property bool recording: false
    // A recording holds actions not saved yet; the menus mark it and leaving asks about it.
    readonly property bool unapplied: recording
    readonly property var strings: mainIten.globalSetting_stringList || []
    readonly property string partName: (strings[75] || "MACRO") + " " + currentFile

    function initUI() {
        refillFiles("")
    }
    function refreshUI() {
    }
    function translateStrings(code) {
        toolPanel.translateStrings()
    }
    function pageApply() {
    }
    function pageReset() {
    }
    function applyEdits() {
        stopRecording()
    }
    function discardEdits() {
        recording = false
        loadActions()
    }

    // The list as the library folder holds it, keeping the given macro selected when it is
    // still there.
    function refillFiles(keep) {
        var names = ui_View.getMacroIniNames()
        fileNames = names
        fileIndex = names.map(Actions.displayName).indexOf(keep)
        loadActions()
    }

    function loadActions() {
        actions = hasFile ? ui_View.loadMacroIni(currentFile) : []
        actionIndex = -1
    }

    function selectFile(index) {
        fileIndex = index
        loadActions()
    }

    function addFile() {
        var name = String(ui_View.createMacroIni() || "")
        if (name === "")
            return
        fileNames = fileNames.concat([name + ".bin"])
        selectFile(fileNames.length - 1)
    }

    function deleteFile() {
        if (!hasFile || recording)
            return
        var file = currentFile
        mainIten.askFirst(80, "DELETE", 3, Actions.displayName(file), function () {
            if (file !== currentFile || recording || ui_View.deleteMacroIni(file) !== true)
                return
            var names = fileNames.slice()
            names.splice(fileIndex, 1)
            fileNames = names
            selectFile(-1)
        })
    }

    function renameFile(oldName, newName) {
        var selected = currentFile
        var renamed = false
        if (Actions.isAcceptableName(newName, oldName, fileNames.map(Actions.displayName))) {
            ui_View.renameMacroIniFile(oldName, newName)
            var shown = ui_View.getMacroIniNames().map(Actions.displayName)
            renamed = shown.indexOf(oldName) < 0 && shown.indexOf(newName) >= 0
        }
        // The folder decides what the list shows; a refused rename leaves it as it was.
        refillFiles(renamed && selected === oldName ? newName : selected)
    }

    function contextEntry(entry, row) {
        var name = row >= 0 && row < fileNames.length ? Actions.displayName(fileNames[row]) : ""
        if (name === "" || recording)
            return
        if (entry === "load") {
            ui_View.loadMacroIniFromFile(name)
            if (row === fileIndex)
                loadActions()
        } else if (entry === "save") {
            ui_View.saveMacroIniToFile(name)
        } else if (entry === "rename") {
            filePanel.list.editFileName(row)
        }
    }

    // Saves the edited list; only a saved list is shown.
    function applyChange(next) {
        if (!hasFile)
            return false
        if (ui_View.saveMacroIni(currentFile, next.actions) === true) {
            actions = next.actions
            actionIndex = next.selected
            clipboard = next.clipboard
            return true
        }
        actions = []
        actionIndex = -1
        return false
    }

    function insertActions(texts) {
        if (!recording)
            applyChange(Actions.insert(actions, actionIndex, texts, clipboard))
    }

    function editAction(which) {
        if (!hasFile || recording)
            return
        if (which === "delete")
            applyChange(Actions.remove(actions, actionIndex, clipboard))
        else if (which === "cut")
            applyChange(Actions.cut(actions, actionIndex))
        else if (which === "paste")
            applyChange(Actions.paste(actions, actionIndex, clipboard))
        else if (which === "copy")
            clipboard = Actions.copy(actions, actionIndex, clipboard).clipboard
    }

    // Keys down by the hook's reports, so a recording can leave out the rest of their strokes.
    property var heldKeys: ({})
    property var recorder: null

    // `byKey`: the key that pressed the record button, 0 for a click.
    function startRecording(byKey) {
        if (!hasFile || recording)
            return
        var skipped = Object.assign({}, heldKeys)
        var usage = Actions.operatingUsage(byKey)
        if (usage)
            skipped[usage] = true
        recorder = Actions.startRecorder(skipped)
        actions = []
        actionIndex = -1
        recording = true
    }

    function stopRecording() {
        if (!recording)
            return
        recording = false
        actions = Actions.finishedActions(recorder)
        recorder = null
        applyChange(Actions.state(actions, -1, clipboard))
    }

    function keyReport(isDown, usbCode) {
        toolPanel.detectKeyboard(isDown, usbCode)
        var held = Object.assign({}, heldKeys)
        if (isDown)
            held[usbCode] = true
        else
            delete held[usbCode]
        heldKeys = held
        if (!recording)
            return
        recorder = Actions.recordReport(recorder, isDown, usbCode)
        actions = recorder.actions
    }

    Connections {
        target: main_Z4
        function onMsg_KB(isDown, usbCode) { page_Macro.keyReport(isDown, usbCode) }
    }

    MacroFilePanel {
        id: filePanel
        x: 32
        y: 14
        enabled: !page_Macro.recording
        names: page_Macro.fileNames.map(Actions.displayName)
        selectedIndex: page_Macro.fileIndex
        canDelete: page_Macro.hasFile
        onFileClicked: function (index) {
            contextMenu.close()
            page_Macro.selectFile(index)
        }
        onContextRequested: function (index) {
            var corner = rowCorner(index, page_Macro)
            contextMenu.openAt(index, corner.x - 24, corner.y)
        }
        onRenamed: function (oldName, newName) { page_Macro.renameFile(oldName, newName) }
        onAddClicked: page_Macro.addFile()
        onDeleteClicked: page_Macro.deleteFile()
    }

    MacroActionPanel {
        id: actionPanel
        x: 264
        y: 14
        enabled: page_Macro.hasFile
        editable: !page_Macro.recording
        actions: page_Macro.actions
        selectedIndex: page_Macro.actionIndex
        canPaste: page_Macro.hasFile && !page_Macro.recording && Actions.canPaste(page_Macro.clipboard)
        onActionClicked: function (index) { page_Macro.actionIndex = index }
        onEditClicked: function (which) { page_Macro.editAction(which) }
    }

    MacroToolPanel {
        id: toolPanel
        x: 496
        y: 56
        hasFile: page_Macro.hasFile
        recording: page_Macro.recording
        onRecordClicked: function (byKey) { page_Macro.startRecording(byKey) }
        onStopClicked: page_Macro.stopRecording()
        onAddActions: function (texts) { page_Macro.insertActions(texts) }
    }

    MacroContextMenu {
        id: contextMenu
        objectName: "macro_menu"
        z: 10
        onEntryClicked: function (entry, row) { page_Macro.contextEntry(entry, row) }
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { contextMenu.close() }
    }

    onVisibleChanged: {
        if (!visible) {
            contextMenu.close()
            toolPanel.disarm()
            stopRecording()
        }
    }
}
