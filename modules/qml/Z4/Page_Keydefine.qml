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

    // The core's table (button slots, mouse rows, media names) and the factory slots.
    property var table: ({})
    property var defaultSlots: []
    // The 16 slots as the core gave them; null for a slot the store could not give, which
    // shows nothing and is sent as a slot that does nothing.
    property var slots: KD.copySlots(defaultSlots)
    property var buttonNames: (table.buttonNames || []).slice()
    property int position: KD.initialPosition
    readonly property int slotId: KD.slotOfPosition(table.buttonSlots, position, buttonNames.length)
    property var macroNames: []
    readonly property var strings: mainIten.globalSetting_stringList || []
    readonly property var keyInputs: [keyInput, comboPanel.keyInputs[0], comboPanel.keyInputs[1], firePanel.keyInput]
    // The key matrix as last read or sent; the page is unapplied while it shows another one.
    property string appliedState: ""
    readonly property string shownState: JSON.stringify(slots)
    readonly property bool unapplied: appliedState !== "" && shownState !== appliedState
    readonly property string partName: strings[74] || "KEY"

    function initUI() {
        table = ui_View.z4_functionTable()
        defaultSlots = ui_View.z4_defaultKeySlots()
        refillMacroNames()
        slots = Array.from(ui_View.z4_keyMatrix() || [])
        appliedState = shownState
        // An assignment dropped with the unapplied copy frees its macro's place again.
        ui_View.z4_releaseMacros(slots)
        showSelected()
    }
    function refreshUI() {
    }
    function translateStrings(code) {
        var names = KD.buttonNames(main_Z4._ProductLayoutStringList)
        // A pack without button names keeps the page usable with the built-in ones.
        buttonNames = names.length > 0 ? names : (table.buttonNames || []).slice()
        position = buttonNames.length > KD.initialPosition ? KD.initialPosition : -1
        showSelected()
    }
    function pageApply() {
        ui_View.z4_applyKeySlots(slots)
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
        slots = KD.copySlots(defaultSlots)
        ui_View.z4_releaseMacros(slots)
        showSelected()
    }

    function selectButton(index) {
        position = index
        showSelected()
    }
    function viewOf(slot) {
        return slotId >= 0 && slots[slot] ? ui_View.z4_keySlotView(slots[slot]) : KD.clearedView()
    }
    function showSelected() {
        buttonList.setCurIndex(position)
        var next = viewOf(slotId)
        if (next.category === KD.MACRO)
            refillMacroNames()
        // Bytes that fit no pattern of their type keep what the page showed.
        if (next.category !== undefined)
            show(next)
    }
    function show(next) {
        next.macroFile = next.macroName ? macroNames.indexOf(next.macroName) : -1
        categoryList.setCurIndex(next.category)
        keyInput.show(next.key)
        mouseList.setCurIndex(next.mouse)
        mediaList.setCurIndex(next.media)
        comboPanel.show(next)
        macroPanel.show(next)
        firePanel.show(next)
    }
    function setSlot(bytes) {
        var next = slots.slice()
        next[slotId] = bytes.slice()
        slots = next
    }
    // Asks before the last button acting as left button changes: `onPass` runs when it may,
    // `onRefuse` when the user keeps it.
    function whenGuardPasses(onPass, onRefuse) {
        if (!ui_View.z4_needsLeftGuard(slots, slotId, buttonNames.length))
            return onPass()
        var slot = slotId
        mainIten.askFirst(String(buttonNames[0] || ""), "LEFT BUTTON", leftGuardQuestion, "", function () {
            if (slot === slotId)
                onPass()
        }, onRefuse, 107)
    }
    readonly property int leftGuardQuestion: 5
    // A button that played a macro lets it go: the macro's place is free again if nothing
    // else plays it.
    function releaseMacro() {
        if (viewOf(slotId).category === KD.MACRO) {
            store({ category: -1 })
            ui_View.z4_releaseMacros(slots)
        }
    }
    // The bytes of a choice, from the core; an incomplete choice changes nothing.
    function store(choice) {
        if (slotId < 0)
            return
        var bytes = ui_View.z4_keySlotBytes(choice)
        if (bytes.length === 4)
            setSlot(bytes)
    }

    function chooseCategory(category) {
        if (slotId < 0)
            return
        whenGuardPasses(function () {
            releaseMacro()
            store({ category: category })
            show(KD.withCategory(category))
        }, function () { categoryList.setCurIndex(KD.MOUSE) })
    }
    function chooseMouse(row) {
        if (slotId < 0)
            return
        whenGuardPasses(function () { store({ category: KD.MOUSE, mouse: row }) },
                        function () { mouseList.setCurIndex(0) })
    }
    function storeFire() {
        store({ category: KD.FIRE, fireUsesKey: firePanel.usesKey, fireButton: firePanel.button,
                fireKey: firePanel.key, fireSpeed: firePanel.speed, fireCount: firePanel.count })
    }

    function refillMacroNames() {
        var selected = macroNames[macroPanel.file]
        macroNames = Array.from(ui_View.getMacroIniNames() || []).map(Actions.displayName)
        macroPanel.file = selected === undefined ? -1 : macroNames.indexOf(selected)
    }
    // Gives the selected button the chosen macro file; the core picks its place on the mouse
    // and sends it there first. A refused macro leaves the button without one.
    function assignMacro() {
        if (slotId < 0)
            return
        var name = macroNames[macroPanel.file]
        if (name === undefined)
            return
        // The button lets go of its macro first; a refused macro leaves it doing nothing.
        store({ category: -1 })
        var bytes = ui_View.z4_assignMacro(name, macroPanel.mode, macroPanel.count, slots)
        if (bytes.length === 4)
            setSlot(bytes)
    }

    function pressDefault() {
        firePanel.countField.commitIfTyped()
        if (slotId < 0)
            return
        whenGuardPasses(function () {
            releaseMacro()
            setSlot(defaultSlots[slotId])
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
        table: page_Keydefine.table
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
        onSlotEdited: function (choice) { page_Keydefine.store(choice) }
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
