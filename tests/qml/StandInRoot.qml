import QtQuick

// Stands in for the scene's root in the component tests: the shared controls read their fonts,
// colours, texts and timings from `mainIten`. No skin pictures here, so the controls draw their
// fallback look.
Item {
    width: 400
    height: 400
    property int globalSetting_size: 11
    property color globalSetting_color: "#00FFFF"
    property color globalSetting_color_enable: "#AAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property string globalSetting_fontFamily: "Arial"
    property int animation_speed: 10
    property var globalSetting_stringList: ["Arial", "OPTIONS"]
    signal emptyAreaPressed()
}
