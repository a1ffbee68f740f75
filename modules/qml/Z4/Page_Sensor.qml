import QtQuick

// Page of the page area; the model main item calls the functions below.
Item {
    id: page_Sensor
    objectName: "page_Sensor"
    width: 736
    height: 484

    function initUI() {
    }
    function refreshUI() {
    }
    function translateStrings(code) {
    }
    function pageApply() {
    }
    function pageReset() {
    }

    Text {
        objectName: "page_Sensor_title"
        x: 16
        y: 12
        text: mainIten.globalSetting_stringList[86] || "SENSOR"
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 4
        font.bold: true
        color: mainIten.globalSetting_color
    }
}
