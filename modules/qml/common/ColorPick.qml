import QtQuick
import "controls.js" as Controls
import "rainbow.js" as Rainbow

// Rainbow strip with "R ", "G ", "B " fields. `color` comes in from the owner (usually bound
// to the selected swatch) and is never written here, so the owner's binding survives; every
// pick or committed field reports colorPicked(r, g, b) and the owner mirrors it back.
Item {
    id: colorPick
    property color color: "black"
    property int r: 0
    property int g: 0
    property int b: 0
    signal colorPicked(int r, int g, int b)

    function setRGB(red, green, blue) {
        r = Controls.clampInt(red, 0, 255, r)
        g = Controls.clampInt(green, 0, 255, g)
        b = Controls.clampInt(blue, 0, 255, b)
    }
    function takeColor() {
        setRGB(Math.round(color.r * 255), Math.round(color.g * 255), Math.round(color.b * 255))
    }
    function pick(red, green, blue) {
        setRGB(red, green, blue)
        colorPicked(r, g, b)
    }

    // Where the marker points: the last press when it still shows this colour, else the
    // first place of the strip with it, or nowhere.
    property real lastPress: -1
    readonly property real markerX: {
        var at = Rainbow.colorAt(lastPress, strip.width)
        if (lastPress >= 0 && at.r === r && at.g === g && at.b === b)
            return lastPress
        return Rainbow.positionOf(r, g, b, strip.width)
    }

    implicitWidth: 256
    implicitHeight: fields.y + fields.height
    opacity: Controls.disabledOpacity(colorPick)
    onColorChanged: takeColor()
    Component.onCompleted: takeColor()

    RainbowStrip {
        id: strip
        areaName: colorPick.objectName + "_strip"
        width: colorPick.width
        height: 16
        onPressed: {
            redField.dropFocus()
            greenField.dropFocus()
            blueField.dropFocus()
        }
        onPicked: function (position, red, green, blue) {
            colorPick.lastPress = position
            colorPick.pick(red, green, blue)
        }
    }

    Item {
        id: marker
        x: Math.round(colorPick.markerX - width / 2)
        y: strip.height + 1
        width: 12
        height: 12
        visible: colorPick.markerX >= 0
        Behavior on x { NumberAnimation { duration: 80 } }

        Text {
            id: fallbackMarker
            textFormat: Text.PlainText
            anchors.centerIn: parent
            visible: !markerPicture.ready
            text: "\u25B2"
            font.pixelSize: 10
            color: mainIten.globalSetting_color
        }
        Picture {
            id: markerPicture
            anchors.fill: parent
            name: "draw_paletteIndex"
        }
    }

    Row {
        id: fields
        anchors.horizontalCenter: parent.horizontalCenter
        y: strip.height + 16
        spacing: 14

        ColorField {
            id: redField
            label: "R "
            inputName: colorPick.objectName + "_r"
            value: colorPick.r
            onCommitted: function (value) { colorPick.pick(value, colorPick.g, colorPick.b) }
        }
        ColorField {
            id: greenField
            label: "G "
            inputName: colorPick.objectName + "_g"
            value: colorPick.g
            onCommitted: function (value) { colorPick.pick(colorPick.r, value, colorPick.b) }
        }
        ColorField {
            id: blueField
            label: "B "
            inputName: colorPick.objectName + "_b"
            value: colorPick.b
            onCommitted: function (value) { colorPick.pick(colorPick.r, colorPick.g, value) }
        }
    }
}
