import QtQuick
import "controls.js" as Controls
import "../basic/keycodes.js" as KeyCodes

// Key capture box: a click clears the key and arms it; the next key report (press or
// release) disarms it, stores the key when it has a name and reports the code either way.
// From the keyboard Space or Enter arms it on release; armed, it keeps every key from the
// scene (Tab and Escape too) so the key goes to the box, not to focus moves or shortcuts;
// only the page shortcuts pass, as the page they open disarms it.
Item {
    id: keyInput_2
    property bool isSelect: false
    property int tmpKeycodeUSB: 0
    property string tmpKeyString
    property string text: Controls.keyInput2Text(tmpKeyString, mainIten.globalSetting_stringList)
    signal inputComplete(int usbCode)

    function setKeycodeUSB(code) {
        var name = Number(code) > 0 ? KeyCodes.keycodeTostr(Number(code)) : undefined
        tmpKeycodeUSB = name === undefined ? 0 : Number(code)
        tmpKeyString = name === undefined ? "" : name
    }
    function detectKeyboard(isDown, usbCode) {
        if (!isSelect)
            return
        // Armed by a key: the release of that key is not the key asked for.
        if (releasePending && !isDown && Controls.isActivateUsage(usbCode)) {
            releasePending = false
            return
        }
        // A modifier is taken when it comes up alone: with a digit it is a page shortcut,
        // which lets the box go with the key it had.
        if (Controls.isModifierUsage(usbCode) && isDown) {
            if (!pendingModifier)
                pendingModifier = usbCode
            return
        }
        if (pendingModifier && isDown && Controls.isPageShortcutUsage(pendingModifier, usbCode)) {
            letGo()
            return
        }
        take(pendingModifier || usbCode)
    }
    function take(usbCode) {
        isSelect = false
        // The scene's event of the captured key may come after the report: it must not move on.
        swallowTimer.restart()
        setKeycodeUSB(usbCode)
        inputComplete(usbCode)
    }
    function letGo() {
        isSelect = false
        setKeycodeUSB(keptKeycode)
    }
    property int pendingModifier: 0
    property int keptKeycode: 0

    readonly property bool hovered: keyArea.hovered
    implicitWidth: 200
    implicitHeight: 28
    // Dimmed only once the scene is built: while it is being built, reading an ancestor's
    // enabled state could run its binding, which would come back here mid-evaluation.
    property bool built: false
    Component.onCompleted: built = true
    opacity: built ? Controls.disabledOpacity(keyInput_2) : 1.0
    onEnabledChanged: if (!enabled) isSelect = false
    onIsSelectChanged: {
        pendingModifier = 0
        if (!isSelect)
            releasePending = false
    }

    property bool releasePending: false
    readonly property bool takesKeys: isSelect || swallowTimer.running
    function toggleArmed() {
        if (!isSelect)
            keptKeycode = tmpKeycodeUSB
        setKeycodeUSB(0)
        isSelect = !isSelect
        if (isSelect)
            forceActiveFocus()
    }
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.description: (mainIten.globalSetting_stringList || [])[139] || ""
    Accessible.onPressAction: toggleArmed()
    Keys.onShortcutOverride: function (event) {
        event.accepted = takesKeys && !Controls.isPageShortcut(event.key, event.modifiers)
    }
    Keys.onPressed: function (event) {
        event.accepted = takesKeys || Controls.isActivateKey(event.key)
    }
    Keys.onReleased: function (event) {
        event.accepted = takesKeys || Controls.isActivateKey(event.key)
        if (!takesKeys && Controls.isActivateKey(event.key) && !event.isAutoRepeat) {
            toggleArmed()
            releasePending = isSelect
        }
    }
    onActiveFocusChanged: if (!activeFocus && isSelect) letGo()
    Timer {
        id: swallowTimer
        interval: 300
    }
    FocusMark {
        id: focusMark
        armed: keyInput_2.isSelect
    }

    Rectangle {
        id: fallbackFrame
        anchors.fill: parent
        visible: !framePicture.ready
        radius: 4
        color: keyInput_2.isSelect ? Qt.alpha(mainIten.globalSetting_color, 0.12) : "#1E2630"
        border.width: 1
        border.color: keyInput_2.isSelect || keyInput_2.hovered ? mainIten.globalSetting_color
                                                                : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: framePicture
        anchors.fill: parent
        name: "btnFrame"
    }

    Text {
        id: label
        textFormat: Text.PlainText
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: keyInput_2.text
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: keyInput_2.isSelect
        color: keyInput_2.isSelect || keyInput_2.hovered ? mainIten.globalSetting_color
                                                         : mainIten.globalSetting_color_enable
        Behavior on color { ColorAnimation { duration: 100 } }

        // Waiting for a key: the text breathes a few times, then waits still.
        SequentialAnimation on opacity {
            running: keyInput_2.isSelect
            loops: 3
            alwaysRunToEnd: true
            NumberAnimation { to: 0.35; duration: 400 }
            NumberAnimation { to: 1.0; duration: 400 }
        }
    }

    HoverArea {
        id: keyArea
        objectName: keyInput_2.objectName + "_area"
        anchors.fill: parent
        onClicked: keyInput_2.toggleArmed()
    }
}
