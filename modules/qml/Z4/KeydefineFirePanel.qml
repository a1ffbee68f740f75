import QtQuick
import "../common"
import "keydefine.js" as KD

// "FIRE KEY": a mouse button or a key fired at a speed, a number of times. Choosing a button,
// capturing a key, releasing the slider or committing the count asks the page to store;
// switching between button and key alone stores nothing.
Column {
    id: firePanel
    property bool usesKey: false
    property int button: -1
    readonly property alias key: keyInput.code
    readonly property alias speed: speedSlider.currentIndex
    readonly property alias count: countField.value
    readonly property alias countField: countField
    readonly property alias keyInput: keyInput
    readonly property var strings: mainIten.globalSetting_stringList || []
    signal storeRequested()

    function show(view) {
        usesKey = view.fireUsesKey
        button = view.fireButton
        buttonList.setCurIndex(view.fireButton)
        keyInput.show(view.fireKey)
        speedSlider.setCurIndex(view.fireSpeed)
        countField.setValue(view.fireCount)
    }

    spacing: 10

    Row {
        id: buttonRow
        spacing: 8
        z: 2
        RadioButton {
            id: buttonRadio
            objectName: "keydefine_fire_useButton"
            anchors.verticalCenter: parent.verticalCenter
            index: 0
            isSelect: !firePanel.usesKey
            onClicked: firePanel.usesKey = false
        }
        DropdownList {
            id: buttonList
            objectName: "keydefine_fire_button"
            width: 230
            enabled: !firePanel.usesKey
            mdItems: KD.fireButtonNames.map(function (entry) {
                return { textX: KD.text(firePanel.strings, entry[0], entry[1]) }
            })
            onListElementClicked: function (index) {
                firePanel.button = index
                firePanel.storeRequested()
            }
        }
    }

    Row {
        id: keyRow
        spacing: 8
        RadioButton {
            id: keyRadio
            objectName: "keydefine_fire_useKey"
            anchors.verticalCenter: parent.verticalCenter
            index: 1
            isSelect: firePanel.usesKey
            onClicked: firePanel.usesKey = true
        }
        KeydefineKeyInput {
            id: keyInput
            objectName: "keydefine_fire_key"
            width: 230
            enabled: firePanel.usesKey
            onKeyCaptured: firePanel.storeRequested()
        }
    }

    Item { id: gap; width: 1; height: 2 }
    PageLabel { id: speedLabel; text: KD.text(firePanel.strings, 3, "SPEED") }
    Slider {
        id: speedSlider
        objectName: "keydefine_fire_speed"
        Accessible.name: speedLabel.text
        width: 232
        height: 20
        currentIndex: KD.fireSpeedDefault
        onSliderClicked: firePanel.storeRequested()
    }
    Item { id: gap2; width: 1; height: 2 }
    KeydefineCountField {
        id: countField
        objectName: "keydefine_fire_count"
        limits: KD.fireCount
        restoreOnBlur: false
        prefix: "FIRE\u3010 "
        suffix: " \u3011times"
        onCommitted: firePanel.storeRequested()
    }
}
