import QtQuick
import z4.lighting
import "lighting.js" as Light

// The sensor page's small mouse picture: the DPI indicator behind the DPI buttons shows the
// colour of the selected stage, as the mouse will once the page is applied.
Item {
    id: model_Sensor_Z4
    objectName: "sensor_preview"
    property color indicatorColor: "black"

    width: 88
    height: 144

    Image {
        id: picture
        anchors.fill: parent
        source: mainIten._modelMs + "model_Z4_Sensor.png"
        smooth: false
    }

    LightZone {
        id: indicator
        objectName: "sensor_preview_dpi"
        source: mainIten._modelMs + "light_dpi.png"
        x: origin.x
        y: origin.y
        width: implicitWidth
        height: implicitHeight
        color: Light.lightColor([255 * model_Sensor_Z4.indicatorColor.r, 255 * model_Sensor_Z4.indicatorColor.g,
                                 255 * model_Sensor_Z4.indicatorColor.b])
    }
}
