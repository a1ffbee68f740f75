import QtQuick
import z4.lighting
import "lighting.js" as Light

// The colour page's mouse picture with its lights playing the effect the page shows now,
// applied or not. It only reads the page's values and never talks to the mouse. Frames are
// drawn only while `active` (the page in sight) and only for effects that move.
Item {
    id: lightingPreview
    objectName: "color_preview"
    width: 220
    height: 360

    property int effectId: 0
    property int speedIndex: 4
    property int brightnessIndex: 7
    property ListModel colorModel: null
    property int maxStage: 8
    property bool active: false
    property alias glowColor: picture.glowColor

    // Milliseconds of effect shown so far; it stands still while the preview is not active.
    property real time: 0
    property var cells: []
    readonly property bool playing: frameTimer.running
    // What the mouse would be told: [speed value, brightness value], from the core.
    readonly property var values: active ? ui_View.z4_lightingValues(effectId, speedIndex, brightnessIndex) : [0, 255]
    readonly property var params: Light.params(effectId, values[0], values[1], cells, maxStage)
    readonly property var zoneColors: Light.zoneColors(effectId, time, params)
    // In the order of Light.zones.
    readonly property var pictures: ["light_wheel.png", "light_logo.png", "light_left1.png",
        "light_left2.png", "light_left3.png", "light_left4.png", "light_right1.png",
        "light_right2.png", "light_right3.png", "light_right4.png"]

    function readCells() {
        var list = []
        for (var i = 0; colorModel && i < colorModel.count; ++i) {
            var cell = colorModel.get(i)
            list.push([cell.colorR, cell.colorG, cell.colorB])
        }
        cells = list
    }

    Component.onCompleted: readCells()
    onColorModelChanged: readCells()

    Connections {
        target: lightingPreview.colorModel
        function onDataChanged() { lightingPreview.readCells() }
    }

    Model_Color_Z4 {
        id: picture
        anchors.fill: parent
    }

    Repeater {
        id: lights
        model: Light.zoneCount
        delegate: LightZone {
            required property int index
            objectName: "color_preview_" + Light.zones[index].name
            source: mainIten._modelMs + lightingPreview.pictures[index]
            x: origin.x
            y: origin.y
            width: implicitWidth
            height: implicitHeight
            color: Light.lightColor(lightingPreview.zoneColors[index])
        }
    }

    Timer {
        id: frameTimer
        property real last: 0
        interval: Light.frameInterval
        repeat: true
        running: lightingPreview.active && Light.moves(lightingPreview.effectId)
        onRunningChanged: last = Date.now()
        // Real time, so a late frame does not slow the effect; a long stall is not made up.
        onTriggered: {
            var now = Date.now()
            lightingPreview.time += Math.min(now - last, 4 * interval)
            last = now
        }
    }
}
