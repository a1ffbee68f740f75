import QtQuick
import "../common"
import "sensorcolor.js" as SC

// Lighting: effect, speed, brightness and the eight-colour table. Values are read on initUI
// and on a profile change (refreshUI) and written only by APPLY or "ALL SAVE".
Item {
    id: page_Color
    objectName: "page_Color"
    width: 736
    height: 484

    property var effectMaps: SC.identityEffectMaps(11)
    // The effect the page will send; the drop-down shows its position (none when disabled).
    property int effectId: 0
    readonly property int effectPosition: effectList.defaultIndex
    readonly property var strings: mainIten.globalSetting_stringList || []
    property var effectNameIndex: []
    // Which of the values the chosen effect uses (the core's answer); none while no offered
    // effect is chosen or before the page is set up.
    readonly property var uses: effectPosition >= 0 && effectNameIndex.length > 0 ? ui_View.z4_effectUses(effectId) : ({})
    // What APPLY would send, against what was last read or sent.
    readonly property string shownState: JSON.stringify([colorGroup.colors, effectPosition < 0 ? null
        : [effectId, uses.brightness ? brightnessSlider.currentIndex : -1, uses.speed ? speedSlider.currentIndex : -1]])
    property string appliedState: ""
    readonly property bool unapplied: appliedState !== "" && shownState !== appliedState
    readonly property string partName: strings[76] || "COLOR"

    function initUI() {
        effectNameIndex = ui_View.z4_functionTable().effectNameIndex || []
        colorGroup.eightColors = ui_View.z4_eightColors()
        colorGroup.maxStage = SC.maxStage(main_Z4.colorMaxStage)
        effectMaps = SC.effectMaps(main_Z4.effectEnable, effectNameIndex.length)
        refreshUI()
    }

    function refreshUI() {
        syncValToPage(ui_View.z4_colorCells(ui_View.z4_GetLED8StageColor()), ui_View.z4_lighting())
        markApplied()
    }

    function markApplied() {
        appliedState = shownState
    }
    function applyEdits() {
        pageApply()
    }
    function discardEdits() {
        refreshUI()
    }

    // Shows eight colour cells and the core's [effect id, speed position, brightness position];
    // lists of any other length leave their part of the page as it is.
    function syncValToPage(cells, lighting) {
        if (cells && cells.length === 8)
            colorGroup.setColors(cells)
        if (!lighting || lighting.length !== 3)
            return
        effectId = Math.round(SC.toNumber(lighting[0], -1))
        showEffectPosition()
        speedSlider.setCurIndex(lighting[1])
        brightnessSlider.setCurIndex(lighting[2])
    }

    function showEffectPosition() {
        effectList.setCurIndex(SC.effectPosition(effectMaps, effectId))
    }

    // Names bind to the interface texts, so a new language renames the entries by itself.
    function translateStrings(code) {
    }

    function pageApply() {
        colorGroup.setTextInputFocus(false)
        ui_View.z4_SetLED8StageColor(ui_View.z4_colorList(colorGroup.colorList()))
        // An effect that is not offered cannot have been chosen here: the mouse keeps its own.
        if (effectPosition >= 0)
            ui_View.z4_setLighting(effectId, speedSlider.currentIndex, brightnessSlider.currentIndex)
        markApplied()
    }

    // The lighting defaults live in profile 0 whatever profile is selected.
    function pageReset() {
        var defaults = ui_View.z4_lightingDefaults()
        syncValToPage(defaults.colors, defaults.lighting)
    }

    onEffectMapsChanged: showEffectPosition()

    Connections {
        target: mainIten.bottomBar || null
        function onBtnTotalResetClicked() { page_Color.pageReset() }
        function onBtnTotalApplyClicked() { page_Color.pageApply() }
    }

    Text {
        id: title
        textFormat: Text.PlainText
        objectName: "page_Color_title"
        x: 16
        y: 12
        text: page_Color.strings[76] || "COLOR"
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 4
        font.bold: true
        color: mainIten.globalSetting_color
    }

    LightingPreview {
        id: mousePicture
        x: 40
        y: 64
        // The halo names the colour being edited; effects without the table get none.
        glowColor: colorGroup.enabled ? colorGroup.cellColor(colorGroup.currentIndex) : "transparent"
        effectId: page_Color.effectId
        speedIndex: speedSlider.currentIndex
        brightnessIndex: brightnessSlider.currentIndex
        colorModel: colorGroup.modColors
        maxStage: colorGroup.maxStage
        active: page_Color.visible && !mainIten.isGlobalSettingSelect && ui_Ctl.windowSeen
    }

    Column {
        id: controls
        x: 336
        y: 56
        spacing: 8

        PageLabel { id: effectLabel; text: page_Color.strings[7] || "EFFECTS" }
        DropdownList {
            id: effectList
            objectName: "color_effect"
            Accessible.name: effectLabel.text + ", " + text
            width: 232
            mdItems: page_Color.effectMaps.posToId.map(function (id) {
                return { textX: page_Color.strings[page_Color.effectNameIndex[id]] || "" }
            })
            onListElementClicked: function (index) {
                page_Color.effectId = page_Color.effectMaps.posToId[index]
            }
        }

        Item { id: gap1; width: 1; height: 4 }
        PageLabel { id: speedLabel; text: page_Color.strings[3] || "SPEED"; enabled: speedSlider.enabled }
        Slider {
            id: speedSlider
            objectName: "color_speed"
            Accessible.name: speedLabel.text
            width: 232
            height: 20
            currentIndex: 4
            enabled: page_Color.uses.speed === true
        }

        Item { id: gap2; width: 1; height: 4 }
        PageLabel { id: brightnessLabel; text: page_Color.strings[4] || "BRIGHTNESS"; enabled: brightnessSlider.enabled }
        Slider {
            id: brightnessSlider
            objectName: "color_brightness"
            Accessible.name: brightnessLabel.text
            width: 232
            height: 20
            currentIndex: 7
            enabled: page_Color.uses.brightness === true
        }

        Item { id: gap3; width: 1; height: 4 }
        PageLabel { id: colorLabel; text: page_Color.strings[76] || "COLOR"; enabled: colorGroup.enabled }
        ColorGroup_8 {
            id: colorGroup
            objectName: "color_group"
            enabled: page_Color.uses.colors === true
        }
    }

    SensorColorButtons {
        id: pageButtons
        prefix: "color"
        x: page_Color.width - width - 16
        y: page_Color.height - height - 16
        resetInterval: 800
        applyInterval: 800
        applyMarked: page_Color.unapplied
        onResetClicked: page_Color.pageReset()
        onApplyClicked: page_Color.pageApply()
    }
}
