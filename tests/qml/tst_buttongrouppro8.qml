import QtQuick
import QtTest
import "../../modules/qml/common"

StandInRoot {
    id: mainIten
    height: 300

    ButtonGroupPro_8 { id: group; objectName: "dpi" }
    SignalSpy { id: clickSpy; target: group; signalName: "clicked" }
    SignalSpy { id: valueSpy; target: group; signalName: "valueChanged" }

    ComponentCase {
        name: "ButtonGroupPro8"

        function init() {
            group.valueForIndex = [400, 0, 1600, 3200, 6400, 8000, 9000, 10000]
            group.maxStage = 4
            group.valueForMenuIndex = [0, 400, 800, 1200, 1600, 2400]
            group.menuCounter = 18
            group.currentIndex = 0
            group.currentMenuIndex = -1
            clickSpy.clear()
            valueSpy.clear()
        }

        // Stage count 4, cell 1 holds no value.
        function test_cells_data() {
            return [
                { tag: "cell 0", cell: 0, text: "400", shown: true, selectable: true },
                { tag: "zero cell", cell: 1, text: "\u00D7", shown: true, selectable: false },
                { tag: "cell 3, last stage", cell: 3, text: "3200", shown: true, selectable: true },
                { tag: "cell 4, past the stages", cell: 4, shown: false, selectable: false },
            ]
        }

        function test_cells(row) {
            var cell = find("dpi_cell" + row.cell)
            compare(cell.visible, row.shown)
            compare(find("dpi_arrow" + row.cell).visible, row.shown)
            if (row.shown)
                compare(cell.text, row.text)
            group.selectCell(row.cell)
            compare(clickSpy.count, row.selectable ? 1 : 0)
            compare(group.currentIndex, row.selectable ? row.cell : 0)
        }

        function test_popupChoosesValue() {
            mouseClick(find("dpi_arrow1"))
            compare(group.currentMenuIndex, 1)
            tryCompare(find("dpi_menu"), "opacity", 1)
            compare(find("dpi_choice0").text, "\u00D7")
            verify(!findChild(mainIten, "dpi_choice6"), "only as many choices as values")
            mouseClick(find("dpi_choice5"))
            compare(valueSpy.count, 1)
            compare(valueSpy.signalArguments[0][0], 1)
            compare(valueSpy.signalArguments[0][1], 2400)
            compare(group.valueForIndex[1], 2400)
            compare(group.currentMenuIndex, -1)
            mouseClick(find("dpi_cell1"))
            compare(group.getCurIndex(), 1, "a cell given a value becomes selectable")
        }

        function test_sameArrowClosesPopup() {
            mouseClick(find("dpi_arrow2"))
            compare(group.currentMenuIndex, 2)
            mouseClick(find("dpi_arrow2"))
            compare(group.currentMenuIndex, -1)
            tryCompare(find("dpi_menu"), "visible", false)
            compare(valueSpy.count, 0)
        }

        function test_menuCounterLimitsChoices() {
            group.menuCounter = 2
            group.toggleMenu(0)
            verify(findChild(mainIten, "dpi_choice1"))
            verify(!findChild(mainIten, "dpi_choice2"))
            group.pickChoice(4)
            compare(valueSpy.count, 0, "a choice past the counter is ignored")
        }
    }
}
