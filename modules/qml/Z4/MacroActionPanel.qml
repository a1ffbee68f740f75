import QtQuick
import "../common"
import "macroactions.js" as Actions

// The actions of the selected macro, value on the left and command on the right, with the
// four edit buttons below. A line that is not a known action is shown whole, marked "?".
Item {
    id: actionPanel
    width: 200
    height: editButtons.y + editButtons.height

    property var actions: []
    property int selectedIndex: -1
    property bool canPaste: false
    // While recording the list only grows; it stays readable but cannot be edited.
    property bool editable: true
    property alias list: actionList

    signal actionClicked(int index)
    signal editClicked(string which)

    onActionsChanged: syncList()
    onSelectedIndexChanged: actionList.setCurIndex(selectedIndex)

    function syncList() {
        var items = []
        for (var i = 0; i < actions.length; ++i) {
            var parts = Actions.split(actions[i])
            items.push({ textX: parts.value, textR: parts.valid ? parts.command : "?" })
        }
        actionList.mdItems = items
        actionList.setCurIndex(selectedIndex)
        // Keep the selection, or the newest action at the end, in view.
        actionList.lvItems.positionViewAtIndex(selectedIndex >= 0 ? selectedIndex : items.length - 1,
                                               ListView.Contain)
    }

    Text {
        textFormat: Text.PlainText
        objectName: "macro_actions_title"
        text: mainIten.globalSetting_stringList[45]
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 2
        font.bold: true
        color: mainIten.globalSetting_color
    }

    FileList {
        id: actionList
        objectName: "macro_actions"
        Accessible.role: Accessible.List
        Accessible.name: mainIten.globalSetting_stringList[45] || "ACTION"
        y: 42
        width: 200
        height: 260
        onListElementClicked: function (index) { actionPanel.actionClicked(index) }
    }

    MacroEditButtons {
        id: editButtons
        objectName: "macro_edit"
        anchors.horizontalCenter: parent.horizontalCenter
        y: actionList.y + actionList.height + 12
        canEdit: actionPanel.editable && actionPanel.selectedIndex >= 0
                 && actionPanel.selectedIndex < actionPanel.actions.length
        canPaste: actionPanel.canPaste
    }
    Connections {
        target: editButtons
        function onActionClicked(which) { actionPanel.editClicked(which) }
    }
}
