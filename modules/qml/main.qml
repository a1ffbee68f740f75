import QtQuick
import "basic"

// Root of the scene. The host calls initUI(), run(), detectKeyboard(), detectMouse() and
// setProtectUI() by name, so their names and argument lists are a contract with C++.
Item {
    id: mainIten
    objectName: "mainIten"
    width: 1000
    height: 600
    visible: false
    clip: true

    signal emptyAreaPressed()
    signal msg_KB(bool isDown, int usbCode)

    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property string globalSetting_fontFamily: "Arial"
    property int animation_speed: 800
    property int skin_No: 1
    property bool initialized: false
    property alias protecting: protectTimer.running
    property alias protectInterval: protectTimer.interval

    function initUI() {
        initialized = true
    }

    function run() {
        startAnimation.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, buttonCode, x, y) {
    }

    function setProtectUI(interval) {
        busyIndicator.visible = true
        ui_View.setEnabled(false)
        protectTimer.interval = interval
        protectTimer.restart()
    }

    KeyCodeString {
        id: _KeyCodeString
    }

    Timer {
        id: protectTimer
        interval: 1000
        onRunningChanged: {
            if (!running) {
                ui_View.setEnabled(true)
                busyIndicator.visible = false
            }
        }
    }

    Rectangle {
        id: background
        anchors.fill: parent
        radius: 12
        color: "#E0101418"
        border.color: mainIten.globalSetting_color
        border.width: 1
    }

    // Lies below every other item: a press on empty space drags the frameless window.
    MouseArea {
        id: dragArea
        anchors.fill: parent
        property point pressPos
        onPressed: function (mouse) {
            mainIten.emptyAreaPressed()
            pressPos = Qt.point(mouse.x, mouse.y)
        }
        onPositionChanged: function (mouse) {
            if (!pressed)
                return
            ui_Ctl.onXChanged(mouse.x - pressPos.x)
            ui_Ctl.onYChanged(mouse.y - pressPos.y)
        }
    }

    Text {
        id: title
        objectName: "title"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 270
        opacity: 0
        text: "Z4"
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: 48
        font.bold: true
    }

    Text {
        id: closeButton
        objectName: "closeButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 10
        text: "\u2715"
        color: closeArea.containsMouse ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
        font.pixelSize: 18
        MouseArea {
            id: closeArea
            anchors.fill: parent
            anchors.margins: -6
            hoverEnabled: true
            onClicked: closeAnimation.start()
        }
    }

    Text {
        id: busyIndicator
        objectName: "busyIndicator"
        anchors.centerIn: parent
        z: 100
        visible: false
        text: qsTr("LOADING ......")
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
        SequentialAnimation on opacity {
            running: busyIndicator.visible
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }

    SequentialAnimation {
        id: startAnimation
        PropertyAction { target: mainIten; property: "visible"; value: true }
        NumberAnimation { target: title; property: "opacity"; from: 0; to: 1; duration: mainIten.animation_speed }
        NumberAnimation { target: title; property: "y"; from: 270; to: 4; duration: 1.5 * mainIten.animation_speed; easing.type: Easing.OutCubic }
    }

    NumberAnimation {
        id: closeAnimation
        target: mainIten
        property: "height"
        from: 600
        to: 0
        duration: mainIten.animation_speed
        onFinished: ui_Ctl.onMinimize()
    }
}
