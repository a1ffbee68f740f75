import QtQuick
import QtTest
import "../../modules/qml/common"

StandInRoot {
    id: mainIten
    width: 500
    height: 300

    ListModel {
        id: files
        ListElement { textX: "alpha"; textR: "3" }
        ListElement { textX: "beta"; textR: "12" }
        ListElement { textX: "gamma"; textR: "7" }
    }

    FileList { id: fileList; objectName: "macros"; mdItems: files }
    FileListButton { id: fileButton; objectName: "pick"; x: 240; mdItems: files }
    SignalSpy { id: clickSpy; target: fileList; signalName: "listElementClicked" }
    SignalSpy { id: renameSpy; target: fileList; signalName: "editFileName_completed" }

    ComponentCase {
        name: "FileList"

        function init() {
            fileList.setCurIndex(-1)
            fileList.cancelEdit()
            clickSpy.clear()
            renameSpy.clear()
        }

        function test_selectThenDeselect() {
            mouseClick(find("macros_row1"))
            mouseClick(find("macros_row1"))
            mouseClick(find("macros_row2"), 5, 5, Qt.RightButton)
            compare(clickSpy.count, 2)
            compare(clickSpy.signalArguments[0][0], 1)
            compare(clickSpy.signalArguments[1][0], -1)
            compare(fileList.getCurIndex(), -1, "a right click does not select")
        }

        function test_renameAbandoned_data() {
            return [
                { tag: "background pressed" },
                { tag: "focus taken", takeFocus: true },
                { tag: "escape", escape: true }
            ]
        }

        function test_renameAbandoned(row) {
            fileList.editFileName(0)
            keyClick(Qt.Key_Z)
            if (row.escape)
                keyClick(Qt.Key_Escape)
            else if (row.takeFocus)
                fileButton.forceActiveFocus()
            else
                mainIten.emptyAreaPressed()
            compare(fileList.editingIndex, -1)
            compare(renameSpy.count, 0)
            fileList.editFileName(0)
            compare(find("macros_editor").text, "alpha", "the old name comes back")
        }

        function test_editOutsideListIgnored() {
            fileList.editFileName(3)
            compare(fileList.editingIndex, -1)
        }

        function test_buttonRefreshesThenChooses() {
            var order = []
            fileButton.requestToUpdateList.connect(function () { order.push("update") })
            fileButton.listOpened.connect(function () { order.push("opened") })
            fileButton.listElementClicked.connect(function (i) { order.push("chose " + i) })
            mouseClick(find("pick_button"))
            tryCompare(find("pick_slide"), "height", fileButton.listHeight)
            mouseClick(find("pick_list_row2"))
            compare(order, ["update", "opened", "chose 2"])
            verify(!fileButton.isSelect)
            compare(fileButton.text, "gamma")
        }
    }
}
