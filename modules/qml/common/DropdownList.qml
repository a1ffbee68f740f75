pragma ComponentBehavior: Bound
import QtQuick
import "controls.js" as Controls

// Closed box showing the current entry; a click unrolls the entries below it. Entries are a
// ListModel with a textX role or an array of strings / {textX} objects. Keys as a combo box:
// Space or Enter opens, the arrows, Home and End move, Enter chooses, Escape closes.
Item {
    id: dropdownList
    property var mdItems: []
    property int defaultIndex: -1
    property int rowHeight: 24
    property int maxVisibleRows: 14
    readonly property bool isOpen: listFrame.open
    readonly property alias text: currentText.text
    signal listElementClicked(int index)
    signal listOpened()
    signal listClosed()

    readonly property int itemCount: Controls.itemCount(mdItems)
    // The row the keyboard has reached in the open list.
    property int keyRow: -1
    onKeyRowChanged: if (keyRow >= 0) rows.positionViewAtIndex(keyRow, ListView.Contain)
    readonly property string optionsWord: mainIten.globalSetting_stringList
                                          ? mainIten.globalSetting_stringList[1] || "OPTIONS" : "OPTIONS"

    function setCurIndex(index) {
        defaultIndex = Controls.clampInt(index, -1, 0x7fffffff, -1)
    }
    function getCurIndex() {
        return defaultIndex
    }
    function showList() {
        if (listFrame.open)
            return
        listFrame.opensUp = Controls.opensUpwards(mapToItem(mainIten, 0, 0).y, height,
                                                  listFrame.fullHeight + 2, mainIten.height)
        keyRow = defaultIndex
        listFrame.open = true
        listOpened()
    }
    function choose(index) {
        defaultIndex = index
        closeList()
        listElementClicked(index)
    }
    function closeList() {
        if (!listFrame.open)
            return
        listFrame.open = false
        listClosed()
    }

    implicitWidth: 160
    implicitHeight: 28
    opacity: Controls.disabledOpacity(dropdownList)
    onEnabledChanged: if (!enabled) closeList()
    onVisibleChanged: if (!visible) closeList()
    onActiveFocusChanged: if (!activeFocus) closeList()
    activeFocusOnTab: true
    Accessible.role: Accessible.ComboBox
    Accessible.name: text
    Accessible.onPressAction: listFrame.open ? closeList() : showList()
    Keys.onPressed: function (event) {
        event.accepted = Controls.dropdownKey(dropdownList, event.key, listFrame.open, defaultIndex, itemCount)
    }
    FocusMark {
        id: focusMark
    }

    Rectangle {
        id: fallbackBox
        anchors.fill: parent
        visible: !boxPicture.ready
        radius: 4
        color: "#1E2630"
        border.width: 1
        border.color: boxArea.hovered || listFrame.open ? mainIten.globalSetting_color
                                                        : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: boxPicture
        anchors.fill: parent
        name: "btnFrame"
    }

    Text {
        id: currentText
        textFormat: Text.PlainText
        anchors.left: parent.left
        anchors.right: arrow.left
        anchors.leftMargin: 10
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        // A long translation shrinks a little before it loses letters.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Math.max(8, mainIten.globalSetting_size - 3)
        elide: Text.ElideRight
        text: Controls.dropdownText(dropdownList.mdItems, dropdownList.defaultIndex, dropdownList.optionsWord)
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: boxArea.hovered || listFrame.open ? mainIten.globalSetting_color
                                                 : mainIten.globalSetting_color_enable
        Behavior on color { ColorAnimation { duration: 100 } }
    }

    Text {
        id: arrow
        textFormat: Text.PlainText
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: "\u25BC"
        font.pixelSize: Math.max(8, mainIten.globalSetting_size - 3)
        color: currentText.color
        rotation: listFrame.open ? 180 : 0
        Behavior on rotation { NumberAnimation { duration: 120 } }
    }

    HoverArea {
        id: boxArea
        objectName: dropdownList.objectName + "_button"
        anchors.fill: parent
        onClicked: listFrame.open ? dropdownList.closeList() : dropdownList.showList()
    }

    // Unrolls downwards, lifted above the rest of the scene while shown.
    FloatingLayer {
        id: floating
        owner: dropdownList
        lifted: listFrame.open || listFrame.height > 0
        onOutsidePressed: dropdownList.closeList()

        Rectangle {
            id: listFrame
            objectName: dropdownList.objectName + "_list"
            property bool open: false
            property bool opensUp: false
            readonly property real fullHeight: Math.min(dropdownList.itemCount, dropdownList.maxVisibleRows)
                                               * dropdownList.rowHeight + 2
            y: opensUp ? -height - 2 : dropdownList.height + 2
            width: dropdownList.width
            height: open ? fullHeight : 0
            visible: height > 0
            clip: true
            radius: 4
            color: "#151B24"
            border.width: 1
            border.color: Qt.alpha(mainIten.globalSetting_color, 0.45)
            Behavior on height {
                NumberAnimation {
                    duration: Controls.unrollDuration(mainIten.animation_speed, dropdownList.itemCount)
                    easing.type: Easing.OutCubic
                }
            }

            // Presses between the rows stay inside the pop-up.
            MouseArea {
                id: frameArea
                anchors.fill: parent
            }

            ListView {
                id: rows
                x: 1
                y: 1
                width: listFrame.width - 2
                height: listFrame.fullHeight - 2
                boundsBehavior: Flickable.StopAtBounds
                clip: true
                // Rows exist only while the list is shown.
                model: floating.lifted ? dropdownList.mdItems : null
                delegate: Item {
                    id: row
                    required property var model
                    required property int index
                    readonly property bool current: index === dropdownList.defaultIndex
                    width: rows.width
                    height: dropdownList.rowHeight

                    Rectangle {
                        id: rowGlow
                        anchors.fill: parent
                        anchors.margins: 1
                        radius: 3
                        color: mainIten.globalSetting_color
                        opacity: rowArea.hovered || row.index === dropdownList.keyRow ? 0.18 : row.current ? 0.08 : 0
                        Behavior on opacity { NumberAnimation { duration: 80 } }
                    }
                    Text {
                        id: rowText
                        textFormat: Text.PlainText
                        anchors.fill: parent
                        anchors.leftMargin: 10
                        anchors.rightMargin: 6
                        verticalAlignment: Text.AlignVCenter
                        fontSizeMode: Text.HorizontalFit
                        minimumPixelSize: Math.max(8, mainIten.globalSetting_size - 3)
                        elide: Text.ElideRight
                        text: Controls.rowText(row.model)
                        font.family: mainIten.globalSetting_fontFamily
                        font.pixelSize: mainIten.globalSetting_size
                        color: rowArea.hovered || row.current ? mainIten.globalSetting_color
                                                              : mainIten.globalSetting_color_enable
                    }
                    HoverArea {
                        id: rowArea
                        objectName: dropdownList.objectName + "_item" + row.index
                        anchors.fill: parent
                        onClicked: dropdownList.choose(row.index)
                    }
                }
            }

            Rectangle {
                id: scrollBar
                anchors.right: parent.right
                anchors.rightMargin: 2
                y: rows.y + rows.visibleArea.yPosition * rows.height
                width: 3
                height: Math.max(12, rows.visibleArea.heightRatio * rows.height)
                radius: 1.5
                color: mainIten.globalSetting_color
                opacity: 0.5
                visible: rows.contentHeight > rows.height
            }
        }
    }
}
