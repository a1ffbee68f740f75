import QtQuick
import "../common"

// What the last action did ("Saved to the mouse", "Exported to ..."), on a plate in the skin's
// style at the top of the page area. It never takes the pointer and fades after a while; a
// failure is outlined in the warning colour and stays twice as long.
Plate {
    id: messagePlate
    objectName: "messagePlate"

    property alias text: messageText.text
    property bool failure: false
    readonly property int shownMs: failure ? 8000 : 4000

    function show(message, isFailure) {
        text = message
        failure = isFailure === true
        opacity = 1
        hideTimer.restart()
    }

    width: Math.min(messageText.implicitWidth + 32, 640)
    height: messageText.implicitHeight + 12
    warning: failure
    opacity: 0
    visible: opacity > 0

    Behavior on opacity {
        NumberAnimation { duration: 250 }
    }

    Text {
        id: messageText
        textFormat: Text.PlainText
        objectName: "messagePlate_text"
        anchors.centerIn: parent
        width: Math.min(implicitWidth, 640 - 32)
        elide: Text.ElideMiddle
        color: messagePlate.failure ? "#FF7F00" : mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }

    Timer {
        id: hideTimer
        interval: messagePlate.shownMs
        onTriggered: messagePlate.opacity = 0
    }
}
