import QtQuick
import "controls.js" as Controls

// Drop-down whose list is a FileList. Opening asks the owner to refill the entries first
// (requestToUpdateList); choosing an entry closes the list and reports it.
Item {
    id: fileListButton
    property var mdItems: []
    property bool isSelect: false
    property int currentIndex: -1
    property int listHeight: 164
    signal listElementClicked(int index)
    signal requestToUpdateList()
    signal listOpened()
    signal listClosed()

    readonly property string optionsWord: mainIten.globalSetting_stringList
                                          ? mainIten.globalSetting_stringList[1] || "OPTIONS" : "OPTIONS"
    readonly property alias text: currentText.text

    function setCurIndex(index) {
        currentIndex = Controls.clampInt(index, -1, 0x7fffffff, -1)
    }
    function getCurIndex() {
        return currentIndex
    }
    function showList() {
        if (isSelect)
            return
        requestToUpdateList()
        files.setCurIndex(currentIndex)
        keyRow = currentIndex
        isSelect = true
        listOpened()
    }
    function closeList() {
        if (!isSelect)
            return
        isSelect = false
        listClosed()
    }
    // The row the keyboard has reached in the open list, shown as its selection.
    property int keyRow: -1
    onKeyRowChanged: if (isSelect) files.setCurIndex(keyRow)
    function choose(index) {
        // A click on the entry already chosen deselects it in the list; it is still the choice.
        var chosen = index < 0 ? currentIndex : index
        currentIndex = chosen
        files.setCurIndex(chosen)
        closeList()
        listElementClicked(chosen)
    }

    implicitWidth: 200
    implicitHeight: 28
    opacity: Controls.disabledOpacity(fileListButton)
    onEnabledChanged: if (!enabled) closeList()
    onVisibleChanged: if (!visible) closeList()
    onActiveFocusChanged: if (!activeFocus) closeList()
    activeFocusOnTab: true
    Accessible.role: Accessible.ComboBox
    Accessible.name: text
    Accessible.onPressAction: isSelect ? closeList() : showList()
    Keys.onPressed: function (event) {
        event.accepted = Controls.dropdownKey(fileListButton, event.key, isSelect, currentIndex,
                                              Controls.itemCount(mdItems))
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
        border.color: boxArea.hovered || fileListButton.isSelect ? mainIten.globalSetting_color
                                                                 : Qt.rgba(0, 1, 1, 0.22)
        Behavior on border.color { ColorAnimation { duration: 100 } }
    }

    Picture {
        id: boxPicture
        anchors.fill: parent
        name: "btnFileListFrame"
    }

    Text {
        id: currentText
        textFormat: Text.PlainText
        anchors.left: parent.left
        anchors.right: arrow.left
        anchors.leftMargin: 10
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: Controls.dropdownText(fileListButton.mdItems, fileListButton.currentIndex, fileListButton.optionsWord)
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: boxArea.hovered || fileListButton.isSelect ? mainIten.globalSetting_color
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
        rotation: fileListButton.isSelect ? 180 : 0
        Behavior on rotation { NumberAnimation { duration: 120 } }
    }

    HoverArea {
        id: boxArea
        objectName: fileListButton.objectName + "_button"
        anchors.fill: parent
        onClicked: fileListButton.isSelect ? fileListButton.closeList() : fileListButton.showList()
    }

    FloatingLayer {
        id: floating
        owner: fileListButton
        lifted: fileListButton.isSelect || slide.height > 0
        onOutsidePressed: fileListButton.closeList()

        // The list slides down from under the box.
        Item {
            id: slide
            objectName: fileListButton.objectName + "_slide"
            y: fileListButton.height + 2
            width: fileListButton.width
            height: fileListButton.isSelect ? fileListButton.listHeight : 0
            visible: height > 0
            clip: true
            Behavior on height {
                NumberAnimation { duration: 0.5 * mainIten.animation_speed; easing.type: Easing.OutCubic }
            }

            // The list's own plate lets a page show through, which a pop-up must hide.
            Rectangle {
                id: backing
                anchors.fill: files
                radius: 4
                color: "#151B24"
            }

            FileList {
                id: files
                objectName: fileListButton.objectName + "_list"
                anchors.bottom: parent.bottom
                width: parent.width
                height: fileListButton.listHeight
                // The box keeps the focus and moves in the list.
                activeFocusOnTab: false
                // Rows exist only while the list is shown.
                mdItems: floating.lifted ? fileListButton.mdItems : []
                onListElementClicked: function (index) { fileListButton.choose(index) }
            }
        }
    }
}
