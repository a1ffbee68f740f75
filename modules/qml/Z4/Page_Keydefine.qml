import QtQuick
import "keydefine.js" as KD
import "macroactions.js" as Actions

// The function of each programmable button. The page edits its own copy of the 16 key slots;
// APPLY or "ALL SAVE" sends all of them, a profile change reads them again. Only a macro
// assignment reaches the mouse at once (its upload).
Item {
    id: page_Keydefine
    objectName: "page_Keydefine"
    width: 736
    height: 484

    property var slots: KD.copySlots(KD.defaultSlots)
    // False for a slot the store could not give; it shows nothing and holds 00 00 00 00.
    property var slotKnown: KD.defaultSlots.map(function () { return true })
    property var buttonNames: KD.builtinButtonNames.slice()
    property int position: KD.initialPosition
    readonly property int slotId: KD.slotOfPosition(position, buttonNames.length)
    property var macroNames: []
    readonly property var strings: mainIten.globalSetting_stringList || []
    readonly property var keyInputs: [keyInput, comboPanel.keyInputs[0], comboPanel.keyInputs[1], firePanel.keyInput]
    // The key matrix as last read or sent; the page is unapplied while it shows another one.
    property string appliedState: ""
    readonly property string shownState: JSON.stringify(KD.matrixList(slots))
    readonly property bool unapplied: appliedState !== "" && shownState !== appliedState
    readonly property string partName: strings[74] || "KEY"

    function initUI() {
        refillMacroNames()
        var next = [], known = []
        for (var i = 0; i < KD.slotCount; ++i) {
            var bytes = KD.slotFromList(ui_View.getKeydefine(i))
            known.push(bytes !== null)
            // What the store sends for a slot a short list lacks, never the last profile's bytes.
            next.push(bytes || KD.nothing.slice())
        }
        slots = next
        slotKnown = known
        appliedState = shownState
        showSelected()
    }
    function refreshUI() {
    }
    function translateStrings(code) {
        var names = KD.buttonNames(main_Z4._ProductLayoutStringList)
        // A pack without button names keeps the page usable with the built-in ones.
        buttonNames = names.length > 0 ? names : KD.builtinButtonNames.slice()
        position = buttonNames.length > KD.initialPosition ? KD.initialPosition : -1
        showSelected()
    }
    function pageApply() {
        ui_View.z4_0DH_SetKeyMatrix(KD.matrixList(slots))
        // A write that fails is kept by the program and sent later, so the edits are not lost.
        appliedState = shownState
    }
    function applyEdits() {
        pressApply()
    }
    function discardEdits() {
        initUI()
    }
    function pageReset() {
        dropCountFocus()
        slots = KD.copySlots(KD.defaultSlots)
        slotKnown = slotKnown.map(function () { return true })
        refreshMacroBookkeeping()
        showSelected()
    }

    function selectButton(index) {
        position = index
        showSelected()
    }
    function showSelected() {
        buttonList.setCurIndex(position)
        if (slotId < 0 || !slotKnown[slotId]) {
            show(KD.clearedView())
            return
        }
        var bytes = slots[slotId], files = []
        if (bytes[0] === 0x09) {
            refillMacroNames()
            files = macroNames.map(function (name) { return KD.macroConfig(ui_View.loadMacroIniConfig(name)) })
        }
        var next = KD.keyCodeToUI(bytes, files)
        if (next)
            show(next)
    }
    function show(next) {
        categoryList.setCurIndex(next.category)
        keyInput.show(next.key)
        mouseList.setCurIndex(next.mouse)
        mediaList.setCurIndex(next.media)
        comboPanel.show(next)
        macroPanel.show(next)
        firePanel.show(next)
    }
    function setSlot(bytes) {
        var next = slots.slice(), known = slotKnown.slice()
        next[slotId] = bytes.slice()
        known[slotId] = true
        slots = next
        slotKnown = known
    }
    // Asks before the last button acting as left button changes: `onPass` runs when it may,
    // `onRefuse` when the user keeps it.
    function whenGuardPasses(onPass, onRefuse) {
        if (!KD.needsLeftGuard(slots, slotId, buttonNames.length))
            return onPass()
        var slot = slotId
        mainIten.askFirst(String(buttonNames[0] || ""), "LEFT BUTTON", leftGuardQuestion, "", function () {
            if (slot === slotId)
                onPass()
        }, onRefuse, 107)
    }
    readonly property int leftGuardQuestion: 5
    function releaseMacro() {
        if (slots[slotId][0] === 0x09) {
            setSlot(KD.nothing)
            refreshMacroBookkeeping()
        }
    }

    function chooseCategory(category) {
        if (slotId < 0)
            return
        whenGuardPasses(function () {
            releaseMacro()
            var bytes = KD.categoryBytes(category)
            if (bytes)
                setSlot(bytes)
            show(KD.withCategory(category, {}))
        }, function () { categoryList.setCurIndex(KD.MOUSE) })
    }
    function chooseMouse(row) {
        if (slotId < 0)
            return
        whenGuardPasses(function () { setSlot(KD.mouseRows[row].bytes) }, function () { mouseList.setCurIndex(0) })
    }
    function store(bytes) {
        if (slotId >= 0 && bytes)
            setSlot(bytes)
    }
    function storeFire() {
        store(KD.fireBytes(firePanel.usesKey, firePanel.button, firePanel.key, firePanel.speed, firePanel.count))
    }

    function refillMacroNames() {
        var selected = macroNames[macroPanel.file]
        macroNames = Array.from(ui_View.getMacroIniNames() || []).map(Actions.displayName)
        macroPanel.file = selected === undefined ? -1 : macroNames.indexOf(selected)
    }
    // The mouse's macro slots are one pool for all six profiles: an index is in use while the
    // stored key matrix of any profile or this page's unapplied copy plays it.
    function macroIndicesInUse() {
        var used = KD.usedMacroIndices(slots)
        Array.from(ui_View.z4_getUsedMacroIndices() || []).forEach(function (index) {
            if (used.indexOf(Number(index)) < 0)
                used.push(Number(index))
        })
        return used
    }
    // Gives the selected slot the chosen macro file, uploading it to its firmware slot.
    function assignMacro() {
        if (slotId < 0)
            return
        setSlot(KD.nothing)
        // The slot's previous file lets go of its index before a free one is chosen.
        refreshMacroBookkeeping()
        var name = macroNames[macroPanel.file]
        var config = name === undefined ? null : KD.macroConfig(ui_View.loadMacroIniConfig(name))
        var index = !config ? -1 : config[0] >= 0 ? config[0] : KD.lowestFreeMacroIndex(macroIndicesInUse())
        if (index < 0)
            return
        ui_View.setMacroIniConfig(name, [index, macroPanel.count])
        if (ui_View.z4_0FH_SetMacroKey(index + 1, name) === true)
            setSlot([0x09, macroPanel.mode, index + 1, 0])
        else
            refreshMacroBookkeeping()
    }
    // Files whose firmware index nothing plays any more are no longer in the firmware.
    function refreshMacroBookkeeping() {
        var used = macroIndicesInUse()
        var names = Array.from(ui_View.getMacroIniNames() || []).map(Actions.displayName)
        for (var i = 0; i < names.length; ++i) {
            var list = ui_View.loadMacroIniConfig(names[i])
            var config = KD.macroConfig(list)
            if (config && used.indexOf(Number(list[0])) < 0 && !(Number(list[0]) === -1 && config[1] === 1))
                ui_View.setMacroIniConfig(names[i], [-1, 1])
        }
    }

    function pressDefault() {
        firePanel.countField.commitIfTyped()
        if (slotId < 0)
            return
        whenGuardPasses(function () {
            releaseMacro()
            setSlot(KD.defaultSlots[slotId])
            showSelected()
        })
    }
    function pressApply() {
        firePanel.countField.commitIfTyped()
        dropCountFocus()
        pageApply()
    }
    function dropCountFocus() {
        macroPanel.countField.dropFocus()
        firePanel.countField.dropFocus()
    }
    function disarmKeys(except) {
        keyInputs.forEach(function (input) {
            if (input !== except)
                input.isSelect = false
        })
    }

    onVisibleChanged: if (!visible) disarmKeys(null)
    // Only one key box takes the keyboard at a time.
    Component.onCompleted: keyInputs.forEach(function (input) {
        input.armed.connect(function () { page_Keydefine.disarmKeys(input) })
    })

    Connections {
        target: mainIten.bottomBar || null
        function onBtnTotalResetClicked() { page_Keydefine.pageReset() }
        function onBtnTotalApplyClicked() {
            page_Keydefine.dropCountFocus()
            page_Keydefine.pageApply()
        }
    }
    Connections {
        target: mainIten
        function onEmptyAreaPressed() { page_Keydefine.firePanel.countField.commitIfTyped() }
    }
    Connections {
        target: main_Z4
        function onMsg_KB(isDown, usbCode) {
            var armed = page_Keydefine.keyInputs.filter(function (input) { return input.isSelect && input.visible })
            if (armed.length > 0)
                armed[0].detectKeyboard(isDown, usbCode)
        }
    }

    KeydefineLayout {
        id: layout
        buttonNames: page_Keydefine.buttonNames
        macroNames: page_Keydefine.macroNames
        position: page_Keydefine.position
        hasSlot: page_Keydefine.slotId >= 0
        unapplied: page_Keydefine.unapplied
        onButtonChosen: function (index) { page_Keydefine.selectButton(index) }
        // The left-button question and a macro's size warning run a nested event loop, in
        // which a closing list may destroy the row whose click handler is still running; so
        // these choices are handled once that handler has returned.
        onCategoryChosen: function (index) { Qt.callLater(page_Keydefine.chooseCategory, index) }
        onMouseChosen: function (index) { Qt.callLater(page_Keydefine.chooseMouse, index) }
        onSlotEdited: function (bytes) { page_Keydefine.store(bytes) }
        onMacroListRequested: page_Keydefine.refillMacroNames()
        onMacroAssignRequested: Qt.callLater(page_Keydefine.assignMacro)
        onFireStoreRequested: page_Keydefine.storeFire()
        onDefaultClicked: page_Keydefine.pressDefault()
        onApplyClicked: page_Keydefine.pressApply()
    }
    readonly property alias buttonList: layout.buttonList
    readonly property alias categoryList: layout.categoryList
    readonly property alias keyInput: layout.keyInput
    readonly property alias mouseList: layout.mouseList
    readonly property alias mediaList: layout.mediaList
    readonly property alias comboPanel: layout.comboPanel
    readonly property alias macroPanel: layout.macroPanel
    readonly property alias firePanel: layout.firePanel
}
