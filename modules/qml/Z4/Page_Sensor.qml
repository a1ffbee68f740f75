import QtQuick
import "../common"
import "sensorcolor.js" as SC

// Tracking: report rate, the DPI stages with the active one, the indicator colour of each
// stage and the three pointer settings. Read on initUI (start and every profile change),
// written only by APPLY or "ALL SAVE".
Item {
    id: page_Sensor
    objectName: "page_Sensor"
    width: 736
    height: 484

    property int dpiMAXStage: 8
    property int dpiLedType: 1
    // False while the page holds no stage table it could send back (an unreadable list);
    // picking a stage value or DEFAULT makes it true.
    property bool stagesKnown: true
    readonly property var strings: mainIten.globalSetting_stringList || []
    // What APPLY would send, against what was last read or sent.
    readonly property string shownState: JSON.stringify([rateGroup.currentIndex, cursorSlider.currentIndex,
        scrollSlider.currentIndex, doubleClickSlider.currentIndex, dpiLedType === 0 ? colorGroup.indices : colorGroup.colors,
        stagesKnown ? dpiGroup.valueForIndex : null, dpiGroup.currentIndex])
    property string appliedState: ""
    readonly property bool unapplied: appliedState !== "" && shownState !== appliedState
    readonly property string partName: strings[86] || "SENSOR"

    function initUI() {
        colorGroup.eightColors = ui_View.z4_eightColors()
        eightColorRow.eightColors = colorGroup.eightColors
        var maxStage = ui_View.z4_GetMaxDpiStage()
        var ledType = ui_View.z4_89H_GetRGBLedTwinkle()
        var rateIndex = ui_View.z4_reportRateIndex()
        var cursor = ui_View.getCursorSpeed()
        var lines = ui_View.getVerticalScrollLines()
        var doubleClick = ui_View.getDoubleClickSpeed()
        var stage = ui_View.z4_84H_GetDPIStage()
        var values = ui_View.z4_dpiStageValues()

        dpiMAXStage = SC.maxStage(maxStage)
        dpiLedType = SC.toByte(ledType)
        rateGroup.setCurIndex(rateIndex)
        showPointer([undefined, cursor, lines, doubleClick])
        showActiveStage(stage)

        dpiGroup.valueForMenuIndex = SC.dpiChoices(main_Z4.dpiValue)
        showStageValues(values.length === SC.stageCount ? values : null)

        showColors(ui_View.z4_colorCells(ui_View.z4_8CH_GetDpi8Color()))
        var indices = SC.indicesFromList(ui_View.z4_8CH_GetDpi8Io())
        if (indices)
            colorGroup.setIndices(indices)
        colorGroup.setCurIndex(dpiGroup.currentIndex)
        appliedState = shownState
    }

    function refreshUI() {
    }
    function applyEdits() {
        pageApply()
    }
    function discardEdits() {
        initUI()
    }

    // Texts bind to the interface texts.
    function translateStrings(code) {
    }

    function pageApply() {
        colorGroup.setTextInputFocus(false)
        ui_View.z4_setReportRateIndex(rateGroup.currentIndex)
        ui_View.setCursorSpeed(cursorSlider.currentIndex)
        ui_View.setVerticalScrollLines(scrollSlider.currentIndex)
        ui_View.setDoubleClickSpeed(doubleClickSlider.currentIndex)
        if (dpiLedType === 0)
            ui_View.z4_0CH_SetDpi8Io(colorGroup.indexList())
        else
            ui_View.z4_0CH_SetDpi8Color(ui_View.z4_colorList(colorGroup.colorList()))
        if (stagesKnown)
            ui_View.z4_setDpiStageValues(dpiGroup.valueForIndex)
        ui_View.z4_setActiveDpiStage(dpiGroup.currentIndex + 1)
        appliedState = shownState
    }

    // Shows the selected profile's defaults; nothing reaches the mouse until applied.
    function pageReset() {
        var profile = ui_View.z4_82H_GetCurrentProfile()
        var pointer = SC.toArray(ui_View.z4_getDefaultProfile("profile_sw", profile))
        var defaults = ui_View.z4_sensorDefaults(profile)
        if (defaults.rateIndex !== undefined)
            rateGroup.setCurIndex(defaults.rateIndex)
        showPointer(pointer)
        if (defaults.stageValues !== undefined)
            showStageValues(defaults.stageValues)
        if (defaults.activeStage !== undefined)
            showActiveStage(defaults.activeStage)
        showColors(defaults.colors)
        colorGroup.setIndices(defaults.indices)
        colorGroup.setCurIndex(dpiGroup.currentIndex)
    }

    // Entries 1 to 3 of a pointer-settings list; missing ones keep their slider.
    function showPointer(list) {
        cursorSlider.setCurIndex(SC.sliderIndex(list[1], cursorSlider.currentIndex))
        scrollSlider.setCurIndex(SC.sliderIndex(list[2], scrollSlider.currentIndex))
        doubleClickSlider.setCurIndex(SC.sliderIndex(list[3], doubleClickSlider.currentIndex))
    }

    // The active stage is kept among the stages offered, so what is shown is what is sent.
    function showActiveStage(stage) {
        dpiGroup.setCurIndex(Math.min(SC.stageIndexFromStage(stage), dpiMAXStage - 1))
    }

    function showStageValues(values) {
        stagesKnown = values !== null
        dpiGroup.valueForIndex = values || [0, 0, 0, 0, 0, 0, 0, 0]
    }

    function showColors(cells) {
        if (cells)
            colorGroup.setColors(cells)
    }

    Connections {
        target: mainIten.bottomBar || null
        function onBtnTotalResetClicked() { page_Sensor.pageReset() }
        function onBtnTotalApplyClicked() { page_Sensor.pageApply() }
    }

    Text {
        id: title
        textFormat: Text.PlainText
        objectName: "page_Sensor_title"
        x: 16
        y: 12
        text: page_Sensor.strings[86] || "SENSOR"
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 4
        font.bold: true
        color: mainIten.globalSetting_color
    }

    Column {
        id: pointerColumn
        x: 24
        y: 56
        spacing: 6

        PageLabel { id: rateLabel; text: page_Sensor.strings[100] || "POLLING RATE" }
        ButtonGroup_4 {
            id: rateGroup
            objectName: "sensor_rate"
            width: 320
            height: 32
            valueForIndex: ["125 Hz", "250 Hz", "500 Hz", "1000 Hz"]
            Accessible.name: rateLabel.text
            currentIndex: 2
        }
        Item { id: gap1; width: 1; height: 14 }
        PageLabel { id: cursorLabel; text: page_Sensor.strings[101] || "CURSOR SPEED" }
        Slider_11 { Accessible.name: cursorLabel.text; id: cursorSlider; objectName: "sensor_cursorSpeed"; width: 232; height: 20; currentIndex: 5 }
        Item { id: gap2; width: 1; height: 14 }
        PageLabel { id: scrollLabel; text: page_Sensor.strings[102] || "VERTICAL SCROLL SPEED" }
        Slider_11 { Accessible.name: scrollLabel.text; id: scrollSlider; objectName: "sensor_scrollSpeed"; width: 232; height: 20; currentIndex: 2 }
        Item { id: gap3; width: 1; height: 14 }
        PageLabel { id: doubleClickLabel; text: page_Sensor.strings[103] || "DOUBLE CLICK SPEED" }
        Slider_11 { Accessible.name: doubleClickLabel.text; id: doubleClickSlider; objectName: "sensor_doubleClick"; width: 232; height: 20; currentIndex: 5 }
    }

    Column {
        id: dpiColumn
        x: 392
        y: 56
        spacing: 6

        PageLabel { id: dpiLabel; text: page_Sensor.strings[104] || "DPI LEVEL" }
        ButtonGroupPro_8 {
            id: dpiGroup
            objectName: "sensor_dpi"
            width: 320
            height: 72
            currentIndex: 1
            maxStage: page_Sensor.dpiMAXStage
            valueForIndex: [0, 0, 0, 0, 0, 0, 0, 0]
            Accessible.name: dpiLabel.text
            onValueChanged: page_Sensor.stagesKnown = true
        }
        Item { id: gap4; width: 1; height: 14 }
        PageLabel { id: ledLabel; text: page_Sensor.strings[105] || "DPI INDICATOR LED" }
        ColorGroup_8 {
            id: colorGroup
            objectName: "sensor_color"
            maxStage: page_Sensor.dpiMAXStage
            isCompat8Color: page_Sensor.dpiLedType === 0
        }
        SensorColorRow {
            id: eightColorRow
            objectName: "sensor_eight"
            visible: colorGroup.isCompat8Color
            selectedIndex: colorGroup.currentColorId
            onColorClicked: function (index) {
                colorGroup.setColor8_Id(colorGroup.currentIndex, index)
            }
        }
        // The eight fixed colours live in the mouse's base image, not in the profile.
        Text {
            objectName: "sensor_sharedNote"
            visible: colorGroup.isCompat8Color
            width: 320
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            text: page_Sensor.strings[140] || ""
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size - 1
            color: mainIten.globalSetting_color_enable
        }
    }

    Model_Sensor_Z4 {
        id: mousePicture
        x: 96
        y: 328
        indicatorColor: colorGroup.cellColor(dpiGroup.currentIndex)
    }

    SensorColorButtons {
        id: pageButtons
        prefix: "sensor"
        x: page_Sensor.width - width - 16
        y: page_Sensor.height - height - 16
        resetInterval: 800
        applyInterval: 1600
        applyMarked: page_Sensor.unapplied
        onResetClicked: page_Sensor.pageReset()
        onApplyClicked: page_Sensor.pageApply()
    }
}
