import QtQuick
import "rainbow.js" as Rainbow

// The colour strip: the skin's picture when there is one, otherwise the same gradient drawn
// here. Pressing or dragging along it reports the colour under the pointer.
Item {
    id: rainbowStrip
    property string areaName
    signal picked(real position, int r, int g, int b)
    signal pressed()

    implicitWidth: 256
    implicitHeight: 16

    Rectangle {
        id: gradientStrip
        anchors.fill: parent
        visible: !stripPicture.ready
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0 / 8; color: Rainbow.stops[0] }
            GradientStop { position: 1 / 8; color: Rainbow.stops[1] }
            GradientStop { position: 2 / 8; color: Rainbow.stops[2] }
            GradientStop { position: 3 / 8; color: Rainbow.stops[3] }
            GradientStop { position: 4 / 8; color: Rainbow.stops[4] }
            GradientStop { position: 5 / 8; color: Rainbow.stops[5] }
            GradientStop { position: 6 / 8; color: Rainbow.stops[6] }
            GradientStop { position: 7 / 8; color: Rainbow.stops[7] }
            GradientStop { position: 8 / 8; color: Rainbow.stops[8] }
        }
    }

    Picture {
        id: stripPicture
        anchors.fill: parent
        name: "draw_palette"
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        anchors.margins: -1
        color: "transparent"
        border.width: 1
        border.color: stripArea.hovered ? mainIten.globalSetting_color : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    HoverArea {
        id: stripArea
        objectName: rainbowStrip.areaName
        anchors.fill: parent
        cursorShape: live ? Qt.CrossCursor : Qt.ArrowCursor
        function pick(x) {
            var position = Math.max(0, Math.min(rainbowStrip.width - 1, x))
            var c = Rainbow.colorAt(position, rainbowStrip.width)
            rainbowStrip.picked(position, c.r, c.g, c.b)
        }
        onPressed: function (mouse) {
            rainbowStrip.pressed()
            pick(mouse.x)
        }
        onPositionChanged: function (mouse) {
            if (pressed)
                pick(mouse.x)
        }
    }
}
