import QtQuick
import "../common"

// The macro library: the list of macro names with add and delete below it.
Item {
    id: filePanel
    width: 200
    height: buttonFrame.y + buttonFrame.height

    property var names: []
    property int selectedIndex: -1
    property bool canDelete: false
    property alias list: fileList

    signal fileClicked(int index)
    signal contextRequested(int index)
    signal renamed(string oldName, string newName)
    signal addClicked()
    signal deleteClicked()

    onNamesChanged: syncList()
    onSelectedIndexChanged: fileList.setCurIndex(selectedIndex)

    function syncList() {
        var items = []
        for (var i = 0; i < names.length; ++i)
            items.push({ textX: names[i], textR: "" })
        fileList.mdItems = items
        fileList.setCurIndex(selectedIndex)
        if (selectedIndex >= 0)
            fileList.lvItems.positionViewAtIndex(selectedIndex, ListView.Contain)
    }

    // Top right corner of a row in the given item's coordinates, for the context menu.
    function rowCorner(index, item) {
        var row = fileList.lvItems.itemAtIndex(index)
        if (!row)
            return mapToItem(item, width, 0)
        return row.mapToItem(item, row.width, 0)
    }

    Text {
        textFormat: Text.PlainText
        objectName: "macro_files_title"
        text: mainIten.globalSetting_stringList[44]
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 2
        font.bold: true
        color: mainIten.globalSetting_color
    }

    FileList {
        id: fileList
        objectName: "macro_files"
        Accessible.role: Accessible.List
        Accessible.name: mainIten.globalSetting_stringList[44] || "MACRO"
        y: 42
        width: 200
        height: 260
        onListElementClicked: function (index) { filePanel.fileClicked(index) }
        onListElementRightBtnClicked: function (index) { filePanel.contextRequested(index) }
        onEditFileName_completed: function (oldName, newName) { filePanel.renamed(oldName, newName) }
    }

    Item {
        id: buttonFrame
        y: fileList.y + fileList.height + 12
        width: 200
        height: 28

        Picture {
            anchors.fill: parent
            name: "btnFileListFrame"
        }
        Button_2state {
            objectName: "macro_file_add"
            x: 8
            width: 28
            height: 28
            source0: mainIten.source_add_0
            source1: mainIten.source_add_1
            Accessible.name: mainIten.globalSetting_stringList[137] || "NEW MACRO"
            onClicked: filePanel.addClicked()
        }
        Button_2state {
            objectName: "macro_file_delete"
            anchors.right: parent.right
            anchors.rightMargin: 8
            width: 28
            height: 28
            source0: mainIten.source_delete_0
            source1: mainIten.source_delete_1
            Accessible.name: mainIten.globalSetting_stringList[138] || "DELETE MACRO"
            enabled: filePanel.canDelete
            onClicked: filePanel.deleteClicked()
        }
    }
}
