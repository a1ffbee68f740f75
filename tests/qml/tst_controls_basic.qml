import QtQuick
import QtTest
import "../../modules/qml/common"

StandInRoot {
    id: mainIten

    Slider { id: slider; objectName: "speed"; y: 0 }
    Slider_11 { id: slider11; objectName: "bright"; y: 30 }
    RadioButton { id: radio; objectName: "radio"; y: 100; index: 3; chkStr: "ON" }
    DropdownList {
        id: dropdown
        objectName: "effect"
        y: 130
        mdItems: ListModel {
            ListElement { textX: "STATIC" }
            ListElement { textX: "BREATHING" }
            ListElement { textX: "WAVE" }
        }
    }

    // Declared after the drop-down, so it would paint over a list that stayed inside it.
    Rectangle { id: coveringRect; y: 160; width: 200; height: 100; visible: false; color: "gray"; MouseArea { anchors.fill: parent } }

    // Disabled as a whole, as the model area is while the settings panel is open.
    Item {
        id: lockedPanel
        y: 290
        width: 400
        height: 40
        enabled: false
        Button_2state { objectName: "lockedButton"; x: 0 }
        RadioButton { objectName: "lockedRadio"; x: 40; chkStr: "ON" }
        Checkbox { objectName: "lockedCheck"; x: 100; chkStr: "ON" }
        KeyInput { objectName: "lockedKey"; x: 160 }
    }

    SignalSpy { id: radioSpy; target: radio; signalName: "clicked" }
    SignalSpy { id: sliderSpy; target: slider; signalName: "sliderClicked" }
    SignalSpy { id: slider11Spy; target: slider11; signalName: "sliderClicked" }

    ComponentCase {
        name: "ControlsBasic"

        function test_sliderReleaseAtEdges_data() {
            return [
                { tag: "Slider dragged past the right", control: "speed", x: 260, index: 7 },
                { tag: "Slider_11 right", control: "bright", x: 231, index: 10 }
            ]
        }

        function test_sliderReleaseAtEdges(row) {
            var slider = find(row.control)
            var spy = row.control === "speed" ? sliderSpy : slider11Spy
            spy.clear()
            slider.setCurIndex(3)
            var track = find(row.control + "_track")
            mousePress(track, 100, 10)
            mouseRelease(track, row.x, 10)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], row.index)
            compare(slider.getCurIndex(), row.index)
        }

        function test_setCurIndexClamps() {
            slider.setCurIndex(12)
            compare(slider.currentIndex, 7)
            slider11.setCurIndex(-3)
            compare(slider11.currentIndex, 0)
            slider11.setCurIndex("x")
            compare(slider11.currentIndex, 0, "a non-number leaves the index alone")
        }

        function test_radioOnlyReports() {
            radio.isSelect = false
            var reported = -1
            radio.clicked.connect(function (i) { reported = i })
            mouseClick(radio)
            compare(reported, 3)
            verify(!radio.isSelect, "the owner decides the selection")
        }

        function test_dropdownTogglesAndClosesOnPressElsewhere() {
            mouseClick(find("effect_button"))
            verify(dropdown.isOpen)
            mouseClick(find("effect_button"))
            verify(!dropdown.isOpen)
            dropdown.showList()
            radio.isSelect = false
            mouseClick(radio)
            verify(!dropdown.isOpen)
            verify(radioSpy.count > 0, "the press still reaches the item under it")
            dropdown.showList()
            dropdown.visible = false
            verify(!dropdown.isOpen, "a hidden drop-down leaves no list floating")
            dropdown.visible = true
        }

        // Item.enabled of the control follows its ancestors; the MouseArea inside keeps a flag
        // of its own and would still see the pointer.
        function test_disabledParentKeepsControlDark_data() {
            return [
                { tag: "Button_2state", control: "lockedButton", hover: "hovered", signal: "clicked" },
                { tag: "RadioButton", control: "lockedRadio", hover: "lit", signal: "clicked" },
                { tag: "Checkbox", control: "lockedCheck", hover: "hovered", signal: "clicked" },
                { tag: "KeyInput", control: "lockedKey", hover: "isIn", signal: "clearKey" }
            ]
        }

        function test_disabledParentKeepsControlDark(row) {
            var control = find(row.control)
            var reports = 0
            var count = function () { ++reports }
            control[row.signal].connect(count)
            lockedPanel.enabled = true
            mouseMove(control, 5, 5)
            tryVerify(function () { return control[row.hover] }, 1000, "lights up while enabled")
            lockedPanel.enabled = false
            verify(!control[row.hover], "dark once the parent is disabled under the pointer")
            mouseMove(mainIten, 399, 399)
            mouseMove(control, 6, 6)
            verify(!control[row.hover], "dark when the pointer comes back")
            mouseClick(control, 6, 6)
            control[row.signal].disconnect(count)
            compare(reports, 0, "a click does nothing")
            mouseMove(mainIten, 399, 399)
        }

        function test_openListCoversLaterItems() {
            coveringRect.visible = true
            dropdown.setCurIndex(-1)
            mouseClick(find("effect_button"))
            tryCompare(find("effect_list"), "height", find("effect_list").fullHeight)
            mouseClick(find("effect_item1"))
            compare(dropdown.getCurIndex(), 1)
            coveringRect.visible = false
        }
    }
}
