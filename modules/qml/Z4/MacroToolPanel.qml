import QtQuick
import "../common"
import "../basic/keycodes.js" as KeyCodes
import "macroactions.js" as Actions

// Record and stop, then the three ways to add actions by hand: a captured key, a mouse
// button and a delay, each with its "+".
Item {
    id: toolPanel
    width: 196
    height: delayRow.y + delayRow.height

    property bool hasFile: false
    property bool recording: false
    property alias keyInput: keyInput
    property alias mouseList: mouseList
    property alias delayField: delayField

    // `byKey`: the key that pressed the button (0 for a click), which the recording leaves out.
    signal recordClicked(int byKey)
    signal stopClicked()
    signal addActions(var texts)

    function detectKeyboard(isDown, usbCode) {
        keyInput.detectKeyboard(isDown, usbCode)
    }

    // A key input left armed on a hidden page would take the next key typed anywhere.
    function disarm() {
        keyInput.isSelect = false
        mouseList.closeList()
        delayField.dropFocus()
    }

    function translateStrings() {
        // A language pack that lacks a text falls back to the built-in word.
        var strings = mainIten.globalSetting_stringList || []
        var buttons = ["LEFT", "RIGHT", "MIDDLE", "BACKWARD", "FORWARD"]
        var items = []
        for (var i = 0; i < 5; ++i) {
            items.push({ textX: (strings[47] || "MOUSE") + "\u3010 " + (strings[51 + i] || buttons[i])
                                + " \u3011" })
        }
        var current = mouseList.getCurIndex()
        mouseList.mdItems = items
        mouseList.setCurIndex(current < 0 ? 0 : current)
    }

    Component.onCompleted: translateStrings()

    // Escape ends a recording as the stop button does; the recording leaves it out.
    Keys.onEscapePressed: function (event) {
        event.accepted = recording
        if (recording)
            stopClicked()
    }

    // The button pressed from the keyboard is disabled by its own press: the other one takes over.
    onRecordingChanged: {
        if (recording && recordButton.activeFocus)
            stopButton.forceActiveFocus()
        else if (!recording && stopButton.activeFocus)
            recordButton.forceActiveFocus()
    }

    Row {
        id: recordRow
        spacing: 12
        Button_2state {
            id: recordButton
            objectName: "macro_record"
            Accessible.name: mainIten.globalSetting_stringList[136] || "RECORD"
            width: 28
            height: 28
            source0: mainIten.source_record_0
            source1: mainIten.source_record_1
            enabled: toolPanel.hasFile && !toolPanel.recording
            onClicked: toolPanel.recordClicked(lastKey)
        }
        Button_2state {
            id: stopButton
            objectName: "macro_stop"
            Accessible.name: mainIten.globalSetting_stringList[58] || "STOP"
            width: 28
            height: 28
            source0: mainIten.source_stop_0
            source1: mainIten.source_stop_1
            enabled: toolPanel.recording
            onClicked: toolPanel.stopClicked()
        }
        // Pulses while key reports are being recorded.
        Rectangle {
            objectName: "macro_recording"
            anchors.verticalCenter: parent.verticalCenter
            width: 10
            height: 10
            radius: 5
            color: "#FF7F00"
            visible: toolPanel.recording
            SequentialAnimation on opacity {
                running: toolPanel.recording
                loops: Animation.Infinite
                NumberAnimation { to: 0.25; duration: 500 }
                NumberAnimation { to: 1.0; duration: 500 }
            }
        }
    }

    Row {
        id: keyRow
        y: 52
        spacing: 8
        enabled: toolPanel.hasFile && !toolPanel.recording
        KeyInput_2 {
            id: keyInput
            objectName: "macro_key"
            width: 160
            height: 28
        }
        Button_2state {
            objectName: "macro_key_add"
            Accessible.name: (mainIten.globalSetting_stringList[74] || "KEY") + " +"
            width: 28
            height: 28
            source0: mainIten.source_add_0
            source1: mainIten.source_add_1
            enabled: KeyCodes.keycodeTostr(keyInput.tmpKeycodeUSB) !== undefined
            onClicked: toolPanel.addActions(Actions.keyActions(KeyCodes.keycodeTostr(keyInput.tmpKeycodeUSB)))
        }
    }

    Row {
        id: mouseRow
        y: keyRow.y + 44
        z: 1
        spacing: 8
        enabled: toolPanel.hasFile && !toolPanel.recording
        DropdownList {
            id: mouseList
            objectName: "macro_mouse"
            width: 160
            height: 28
        }
        Button_2state {
            objectName: "macro_mouse_add"
            Accessible.name: (mainIten.globalSetting_stringList[47] || "MOUSE") + " +"
            width: 28
            height: 28
            source0: mainIten.source_add_0
            source1: mainIten.source_add_1
            enabled: Actions.mouseName(mouseList.defaultIndex) !== undefined
            onClicked: toolPanel.addActions(Actions.keyActions(Actions.mouseName(mouseList.defaultIndex)))
        }
    }

    Row {
        id: delayRow
        y: mouseRow.y + 44
        spacing: 8
        enabled: toolPanel.hasFile && !toolPanel.recording
        MacroDelayField {
            id: delayField
            objectName: "macro_delay"
        }
        Button_2state {
            objectName: "macro_delay_add"
            Accessible.name: (mainIten.globalSetting_stringList[131] || "DELAY") + " +"
            width: 28
            height: 28
            source0: mainIten.source_add_0
            source1: mainIten.source_add_1
            onClicked: {
                // The "+" commits a number still being typed before it is used.
                if (delayField.editing)
                    delayField.commit()
                toolPanel.addActions([Actions.delayAction(delayField.value)])
            }
        }
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { delayField.dropFocus() }
    }
}
