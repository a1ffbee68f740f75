import QtQuick
import "../common"
import "../common/controls.js" as Controls
import "macroactions.js" as Actions

// "DELAY【 n 】ms": a number field of at most five digits. Enter or losing the focus commits
// the typed number, raised to at least 10; the owner commits too before it uses the value.
Item {
    id: delayField
    width: 160
    height: 28

    property int value: Actions.delayDefault
    readonly property bool editing: input.activeFocus

    function commit() {
        value = Actions.commitDelay(input.text, value, ui_View.getMacroDelayRange())
        input.text = String(value)
    }

    function dropFocus() {
        if (input.activeFocus) {
            commit()
            input.focus = false
        }
    }

    onValueChanged: input.text = String(value)

    Image {
        anchors.fill: parent
        source: mainIten.source_btnFrame
    }

    // A long word for DELAY (German, the larger text size) shrinks to stay inside the frame.
    Row {
        id: content
        anchors.centerIn: parent
        scale: Math.min(1, (delayField.width - 10) / Math.max(1, content.implicitWidth))
        Text {
            id: prefix
            textFormat: Text.PlainText
            text: ((mainIten.globalSetting_stringList || [])[131] || "DELAY") + "\u3010 "
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: Controls.dimmed(delayField) ? mainIten.globalSetting_color_disable : mainIten.globalSetting_color_enable
        }
        TextInput {
            id: input
            activeFocusOnTab: true
            Accessible.role: Accessible.EditableText
            Accessible.name: (mainIten.globalSetting_stringList || [])[131] || "DELAY"
            objectName: delayField.objectName + "_input"
            anchors.baseline: prefix.baseline
            width: Math.max(contentWidth, 12)
            text: String(delayField.value)
            maximumLength: 5
            // Any five digits are accepted, so Enter always commits; commit() clamps.
            validator: RegularExpressionValidator { regularExpression: /[0-9]{0,5}/ }
            selectByMouse: true
            font: prefix.font
            color: mainIten.globalSetting_color
            selectionColor: Qt.rgba(0, 1, 1, 0.35)
            onAccepted: delayField.commit()
            onEditingFinished: delayField.commit()
        }
        Text {
            textFormat: Text.PlainText
            anchors.baseline: prefix.baseline
            text: " \u3011ms"
            font: prefix.font
            color: prefix.color
        }
    }

    // The field's own outline, not only the caret, shows where the keys go.
    FocusMark {
        owner: input
    }

    // Pressing on the frame outside the digits still starts the edit.
    MouseArea {
        anchors.fill: parent
        z: -1
        onPressed: input.forceActiveFocus()
    }
}
