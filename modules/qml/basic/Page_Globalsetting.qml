import QtQuick
import "../common"
import "globalsetting.js" as G
import "builtinstrings.js" as BuiltIn

// The settings panel: owns the appearance values the whole scene binds to, loads them from
// the application configuration and saves them on apply. Slides in from the right.
Item {
    id: page_Globalsetting
    width: 340
    height: 544
    clip: true
    visible: false

    // Read by the root's global properties.
    property int _Size: 11
    readonly property color _Color: Qt.rgba(colour.r, colour.g, colour.b, colour.a)
    property color _ColorEnable: "#FFAAAAAA"
    property color _ColorDisable: "#80FFFFFF"
    property int _AnimationSpeed: 800
    property int skin_No: 1
    property bool isCustomBackground: false
    property url sourceCustomBackground: ""
    property string _FontFamily: "Arial"
    property var _StringList: BuiltIn.list.slice()
    property string _Url: guideUrl

    // The short user guide shipped beside the executable.
    readonly property string guideUrl: "file:modules/guide/index.html"

    // Working state, written back by apply.
    property int animationPosition: 0
    property int languageIndex: -1
    property var languages: []
    property var swatches: G.defaults().swatches
    property int selectedSwatch: 0
    property int brightness: G.brightnessSteps
    readonly property var colour: G.textColour(swatches[selectedSwatch] || swatches[0], brightness)
    readonly property bool sliding: slideIn.running || slideOut.running

    function initUI() {
        initLanguage()
        const state = G.parse(typeof ui_View !== "undefined" ? ui_View.loadApConfig() : [],
                              languages.length)
        if (state === null)
            return
        if (state.animation !== undefined) {
            animationPosition = state.animation
            _AnimationSpeed = G.animationSpeed(state.animation)
        }
        if (state.language !== undefined)
            setLanguage(state.language)
        if (state.customBackground !== undefined)
            isCustomBackground = state.customBackground
        if (state.customImage !== undefined)
            sourceCustomBackground = state.customImage
        if (state.size !== undefined)
            _Size = G.textSize(state.size)
        loadSwatches(state)
        if (state.brightness !== undefined)
            brightness = state.brightness
        _Url = state.url ? state.url : guideUrl
    }

    function loadSwatches(state) {
        const next = swatches.slice()
        for (let i = 0; i < G.swatchCount; ++i) {
            if (state.swatches[i] !== undefined)
                next[i] = state.swatches[i]
        }
        swatches = next
        if (state.selected !== undefined)
            selectedSwatch = state.selected
    }

    function resetApconfig() {
        if (typeof ui_View !== "undefined")
            ui_View.resetApconfig()
        initUI()
    }

    function initLanguage() {
        languages = G.languageEntries(typeof ui_View !== "undefined" ? ui_View.chkLanguages() : {})
    }

    function setLanguage(uiIndex) {
        if (uiIndex < 0 || uiIndex >= languages.length)
            return
        languageIndex = uiIndex
        const code = languages[uiIndex].code
        _StringList = G.mergeStrings(ui_View.getGlobalStrings(code), BuiltIn.list)
        mainIten.translateStrings(code)
        _FontFamily = _StringList[0]
    }

    // Texts are bound to the string list; nothing of this panel needs rebuilding.
    function translateStrings() {
    }

    function setSwatch(index, rgb) {
        if (index < 0 || index >= G.swatchCount)
            return
        const next = swatches.slice()
        next[index] = [rgb[0], rgb[1], rgb[2]]
        swatches = next
    }

    function settings() {
        return {
            animation: animationPosition, language: languageIndex,
            customBackground: isCustomBackground, customImage: String(sourceCustomBackground),
            size: _Size === 12 ? 1 : 0, swatches: swatches, selected: selectedSwatch,
            brightness: brightness, url: _Url === guideUrl ? "" : _Url
        }
    }

    function apply() {
        // Typed colour values that still have the focus are committed first.
        mainIten.forceActiveFocus()
        mainIten.emptyAreaPressed()
        if (typeof ui_View !== "undefined")
            ui_View.saveApConfig(G.build(settings()))
        mainIten.isGlobalSettingSelect = false
    }

    // A request during the opposite slide finishes that slide first.
    function slide(open) {
        if (open) {
            if (slideOut.running)
                slideOut.complete()
            visible = true
            slideIn.restart()
        } else {
            if (slideIn.running)
                slideIn.complete()
            if (visible)
                slideOut.restart()
        }
    }

    Connections {
        target: mainIten
        function onIsGlobalSettingSelectChanged() {
            page_Globalsetting.slide(mainIten.isGlobalSettingSelect)
        }
    }

    SequentialAnimation {
        id: slideIn
        NumberAnimation {
            target: panelContent; property: "x"; from: page_Globalsetting.width; to: 0
            duration: 0.8 * mainIten.animation_speed; easing.type: Easing.OutCubic
        }
    }

    SequentialAnimation {
        id: slideOut
        NumberAnimation {
            target: panelContent; property: "x"; from: 0; to: page_Globalsetting.width
            duration: 0.8 * mainIten.animation_speed; easing.type: Easing.InCubic
        }
        PropertyAction { target: page_Globalsetting; property: "visible"; value: false }
    }

    GlobalsettingContent {
        id: panelContent
        objectName: "globalsetting_content"
        x: page_Globalsetting.width
        width: page_Globalsetting.width
        height: page_Globalsetting.height
        settings: page_Globalsetting
    }
}
