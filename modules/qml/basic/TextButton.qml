import QtQuick

// A framed text button of the scene's own panels; it grows with a long translation.
Rectangle {
    id: textButton
    property string label
    readonly property bool hot: area.containsMouse || activeFocus
    signal clicked()

    width: Math.max(120, caption.implicitWidth + 32)
    height: 32
    radius: 4
    color: hot ? Qt.rgba(0, 1, 1, 0.14) : "#1E2630"
    border.width: 1
    border.color: hot ? mainIten.globalSetting_color : Qt.rgba(0, 1, 1, 0.35)
    activeFocusOnTab: true
    Behavior on color { ColorAnimation { duration: 100 } }

    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Keys.onSpacePressed: clicked()

    Text {
        id: caption
        textFormat: Text.PlainText
        objectName: textButton.objectName + "_caption"
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: textButton.label
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
        color: textButton.hot ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: textButton.clicked()
    }
}
