pragma ComponentBehavior: Bound
import QtQuick
import "controls.js" as Controls

// Scrolling list of 20-pixel rows (textX on the left, textR on the right). A left click
// selects a row or, on the selected row, clears the selection; a right click only reports.
// editFileName(index) renames a row in place: Enter reports the new name, anything that
// takes the focus away first gives the old name back.
Item {
    id: fileList
    property var mdItems: []
    property alias lvItems: listView
    property int currentIndex: -1
    property int editingIndex: -1
    property int rowHeight: 20
    signal listElementClicked(int index)
    signal listElementRightBtnClicked(int index)
    signal editFileName_start(int index)
    signal editFileName_completed(string oldName, string newName)

    readonly property int itemCount: Controls.itemCount(mdItems)

    // Any row number is kept, even one the entries do not reach yet: owners may set the
    // selection before they refill the list.
    function setCurIndex(index) {
        currentIndex = Controls.clampInt(index, -1, 0x7fffffff, -1)
    }
    function getCurIndex() {
        return currentIndex
    }
    function editFileName(index) {
        if (Controls.itemText(mdItems, index) === undefined)
            return
        listView.positionViewAtIndex(index, ListView.Contain)
        editingIndex = index
        editFileName_start(index)
    }
    function finishEdit(newName) {
        var oldName = Controls.itemText(mdItems, editingIndex)
        editingIndex = -1
        if (oldName !== undefined)
            editFileName_completed(oldName, newName)
    }
    function cancelEdit() {
        editingIndex = -1
    }
    // A left click on a row: selects it, or clears the selection when it is already selected.
    function clickRow(index) {
        if (editingIndex !== index)
            cancelEdit()
        currentIndex = currentIndex === index ? -1 : index
        listElementClicked(currentIndex)
    }
    function keyPressed(event) {
        if (Controls.isContextMenuKey(event.key, event.modifiers) && currentIndex >= 0) {
            listElementRightBtnClicked(currentIndex)
            return true
        }
        if (Controls.isActivateKey(event.key))
            return currentIndex >= 0 ? (clickRow(currentIndex), true) : false
        var to = Controls.movedIndex(event.key, currentIndex, itemCount)
        if (to >= 0 && to !== currentIndex) {
            clickRow(to)
            listView.positionViewAtIndex(to, ListView.Contain)
        }
        return to >= 0
    }

    implicitWidth: 200
    implicitHeight: 260
    opacity: Controls.disabledOpacity(fileList)
    onEnabledChanged: if (!enabled) cancelEdit()
    onItemCountChanged: if (editingIndex >= itemCount) cancelEdit()
    // No Accessible here: a drop-down lifts its list onto the scene root, and Qt 6.4 cannot
    // re-parent accessible items; owners that keep the list in place name it.
    activeFocusOnTab: true
    Keys.onPressed: function (event) {
        event.accepted = editingIndex < 0 && keyPressed(event)
    }
    FocusMark {
        id: focusMark
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { fileList.cancelEdit() }
    }

    Rectangle {
        id: fallbackBase
        anchors.fill: parent
        visible: !basePicture.ready
        radius: 4
        color: "#151B24"
        border.width: 1
        border.color: Qt.rgba(0, 1, 1, 0.22)
    }

    Picture {
        id: basePicture
        anchors.fill: parent
        name: "filelist_BASE"
    }

    ListView {
        id: listView
        objectName: fileList.objectName + "_view"
        anchors.fill: parent
        anchors.margins: 4
        anchors.rightMargin: 8
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: fileList.mdItems
        delegate: FileListRow {
            required property var model
            required property int index
            objectName: fileList.objectName + "_row" + index
            editorName: fileList.objectName + "_editor"
            width: listView.width
            height: fileList.rowHeight
            textX: Controls.rowText(model)
            textR: Controls.rowText(model, "textR")
            selected: fileList.currentIndex === index
            editing: fileList.editingIndex === index
            onLeftClicked: fileList.clickRow(index)
            onRightClicked: fileList.listElementRightBtnClicked(index)
            onEditAccepted: function (name) { fileList.finishEdit(name) }
            onEditAbandoned: if (fileList.editingIndex === index) fileList.cancelEdit()
        }
    }

    // Thin scroll bar, only when the rows do not fit.
    Rectangle {
        id: scrollBar
        objectName: fileList.objectName + "_scrollbar"
        anchors.right: parent.right
        anchors.rightMargin: 3
        y: listView.y + listView.visibleArea.yPosition * listView.height
        width: 3
        height: Math.max(12, listView.visibleArea.heightRatio * listView.height)
        radius: 1.5
        color: mainIten.globalSetting_color
        opacity: listView.moving ? 0.8 : 0.4
        visible: listView.contentHeight > listView.height
        Behavior on opacity { NumberAnimation { duration: 120 } }
    }
}
