import QtQuick
import "../common/controls.js" as Controls
import "../common"
import "keydefine.js" as KD

// A count between a prefix and a suffix, e.g. "FIRE【 10 】times". The typed text becomes the
// value only through commit(); anything out of range or not a number restores the last value.
Item {
    id: countField
    property var limits: KD.fireCount
    property int value: limits.initial
    property string prefix
    property string suffix
    // Losing the focus drops what was typed (else it stays until committed or dropped).
    property bool restoreOnBlur: true
    readonly property bool editing: input.activeFocus
    signal committed(int value)

    function commit() {
        value = KD.parseCount(input.text, limits, value)
        input.text = String(value)
        committed(value)
    }
    function commitIfTyped() {
        if (input.text !== String(value))
            commit()
    }
    // Leaves the field; what was typed and not committed is dropped.
    function dropFocus() {
        input.focus = false
        input.text = String(value)
    }
    function setValue(v) {
        value = v
        input.text = String(value)
    }

    width: row.width + 16
    height: 28
    opacity: Controls.disabledOpacity(countField)

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 4
        color: input.activeFocus ? Qt.alpha(mainIten.globalSetting_color, 0.08) : "#1E2630"
        border.width: 1
        border.color: input.activeFocus || area.hovered ? mainIten.globalSetting_color : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    Row {
        id: row
        anchors.centerIn: parent
        Text {
            id: prefixText
            textFormat: Text.PlainText
            anchors.verticalCenter: parent.verticalCenter
            text: countField.prefix
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: mainIten.globalSetting_color_enable
        }
        TextInput {
            id: input
            activeFocusOnTab: true
            Accessible.role: Accessible.EditableText
            Accessible.name: (mainIten.globalSetting_stringList || [])[97] || "TIMES"
            objectName: countField.objectName + "_input"
            // The brackets come from a font with a taller line; the digits sit on their baseline.
            anchors.baseline: prefixText.baseline
            width: Math.max(contentWidth, 8 * countField.limits.digits)
            horizontalAlignment: TextInput.AlignHCenter
            text: String(countField.value)
            maximumLength: countField.limits.digits
            validator: RegularExpressionValidator { regularExpression: /[0-9]*/ }
            selectByMouse: true
            font: prefixText.font
            color: mainIten.globalSetting_color
            selectionColor: Qt.rgba(0, 1, 1, 0.35)
            Keys.onReturnPressed: countField.commit()
            Keys.onEnterPressed: countField.commit()
            onActiveFocusChanged: {
                if (!activeFocus && countField.restoreOnBlur)
                    text = String(countField.value)
            }
        }
        Text {
            id: suffixText
            textFormat: Text.PlainText
            anchors.baseline: prefixText.baseline
            text: countField.suffix
            font: prefixText.font
            color: prefixText.color
        }
    }

    // A press anywhere on the frame starts the edit.
    HoverArea {
        id: area
        anchors.fill: parent
        z: -1
        cursorShape: live ? Qt.IBeamCursor : Qt.ArrowCursor
        onPressed: input.forceActiveFocus()
    }
}
