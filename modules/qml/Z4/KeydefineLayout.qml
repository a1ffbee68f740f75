import QtQuick
import "../common"
import "keydefine.js" as KD

// What the key definition page draws: the mouse beside the button list, the category and the
// second control of the category, DEFAULT and APPLY. Every choice goes to the page.
Item {
    id: keydefineLayout
    property var buttonNames: []
    property var macroNames: []
    property int position: -1
    property bool hasSlot: false
    property bool unapplied: false
    // The core's table of mouse rows and media names (the bridge's z4_functionTable).
    property var table: ({})
    signal buttonChosen(int index)
    signal categoryChosen(int index)
    signal mouseChosen(int index)
    signal slotEdited(var choice)
    signal macroListRequested()
    signal macroAssignRequested()
    signal fireStoreRequested()
    signal defaultClicked()
    signal applyClicked()
    readonly property alias buttonList: buttonList
    readonly property alias categoryList: categoryList
    readonly property alias keyInput: keyInput
    readonly property alias mouseList: mouseList
    readonly property alias mediaList: mediaList
    readonly property alias comboPanel: comboPanel
    readonly property alias macroPanel: macroPanel
    readonly property alias firePanel: firePanel
    readonly property var strings: mainIten.globalSetting_stringList || []
    readonly property int category: categoryList.defaultIndex
    readonly property int columnX: 300
    readonly property int controlWidth: 260

    anchors.fill: parent

    Text {
        id: title
        textFormat: Text.PlainText
        objectName: "page_Keydefine_title"
        x: 16
        y: 12
        text: KD.text(keydefineLayout.strings, 74, "KEY")
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 4
        font.bold: true
        color: mainIten.globalSetting_color
    }

    Model_KeyDefine_Z4 {
        id: mousePicture
        objectName: "keydefine_model"
        x: 40
        y: 64
        position: keydefineLayout.hasSlot ? keydefineLayout.position : -1
    }

    Column {
        id: selection
        x: keydefineLayout.columnX
        y: 52
        z: 3
        spacing: 6

        DropdownList {
            id: buttonList
            objectName: "keydefine_button"
            z: 2
            width: keydefineLayout.controlWidth
            mdItems: keydefineLayout.buttonNames
            onListElementClicked: function (index) { keydefineLayout.buttonChosen(index) }
        }
        Item { id: gap; width: 1; height: 6 }
        DropdownList {
            id: categoryList
            objectName: "keydefine_category"
            z: 1
            width: keydefineLayout.controlWidth
            enabled: keydefineLayout.hasSlot
            mdItems: KD.categories.map(function (entry) {
                return { textX: KD.text(keydefineLayout.strings, entry[0], entry[1]) }
            })
            onListElementClicked: function (index) { keydefineLayout.categoryChosen(index) }
        }
    }

    Rectangle {
        id: separator
        x: keydefineLayout.columnX
        y: 140
        width: keydefineLayout.width - x - 24
        height: 1
        color: Qt.rgba(0, 1, 1, 0.22)
    }

    // The second control of the chosen category; none for LED control and profile switch.
    Item {
        id: secondControls
        x: keydefineLayout.columnX
        y: 156
        z: 2
        width: keydefineLayout.width - x - 24
        height: 240
        enabled: keydefineLayout.hasSlot

        KeydefineKeyInput {
            id: keyInput
            objectName: "keydefine_key"
            width: keydefineLayout.controlWidth
            visible: keydefineLayout.category === KD.KEYBOARD
            onKeyCaptured: function (usbCode) { keydefineLayout.slotEdited({ category: KD.KEYBOARD, key: usbCode }) }
        }
        DropdownList {
            id: mouseList
            objectName: "keydefine_mouse"
            width: keydefineLayout.controlWidth
            visible: keydefineLayout.category === KD.MOUSE
            mdItems: (keydefineLayout.table.mouseRows || []).map(function (row) {
                return { textX: KD.text(keydefineLayout.strings, row.text, row.fallback) }
            })
            onListElementClicked: function (index) { keydefineLayout.mouseChosen(index) }
        }
        DropdownList {
            id: mediaList
            objectName: "keydefine_media"
            width: keydefineLayout.controlWidth
            visible: keydefineLayout.category === KD.MEDIA
            mdItems: (keydefineLayout.table.mediaFallbacks || []).map(function (fallback, i) {
                return { textX: KD.text(keydefineLayout.strings, keydefineLayout.table.mediaFirstText + i, fallback) }
            })
            onListElementClicked: function (index) { keydefineLayout.slotEdited({ category: KD.MEDIA, media: index }) }
        }
        KeydefineComboPanel {
            id: comboPanel
            visible: keydefineLayout.category === KD.COMBO
            onChanged: function (modifier, key1, key2) {
                keydefineLayout.slotEdited({ category: KD.COMBO, modifier: modifier, key1: key1, key2: key2 })
            }
        }
        KeydefineMacroPanel {
            id: macroPanel
            visible: keydefineLayout.category === KD.MACRO
            fileNames: keydefineLayout.macroNames
            onListRequested: keydefineLayout.macroListRequested()
            onAssignRequested: keydefineLayout.macroAssignRequested()
        }
        KeydefineFirePanel {
            id: firePanel
            visible: keydefineLayout.category === KD.FIRE
            onStoreRequested: keydefineLayout.fireStoreRequested()
        }
    }

    KeydefineButtons {
        id: pageButtons
        x: keydefineLayout.width - width - 16
        y: keydefineLayout.height - height - 16
        applyInterval: 800
        applyMarked: keydefineLayout.unapplied
        onDefaultClicked: keydefineLayout.defaultClicked()
        onApplyClicked: keydefineLayout.applyClicked()
    }
}
