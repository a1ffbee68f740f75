import QtQuick
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
    // What the panel shows against what the configuration holds; a change shows a mark until
    // APPLY saves it, so nothing looks kept that a restart would lose.
    readonly property string shownState: JSON.stringify(settings())
    property string savedState: ""
    readonly property bool unapplied: savedState !== "" && shownState !== savedState
    readonly property string partName: _StringList[1] || "OPTIONS"

    function initUI() {
        loadStored()
        savedState = shownState
    }

    function loadStored() {
        initLanguage()
        const stored = G.parse(typeof ui_View !== "undefined" ? ui_View.loadApConfig() : [],
                              languages.length)
        if (stored === null)
            return
        if (stored.animation !== undefined) {
            animationPosition = stored.animation
            _AnimationSpeed = G.animationSpeed(stored.animation)
        }
        if (stored.language !== undefined)
            setLanguage(stored.language)
        if (stored.customBackground !== undefined)
            isCustomBackground = stored.customBackground
        if (stored.customImage !== undefined)
            sourceCustomBackground = stored.customImage
        if (stored.size !== undefined)
            _Size = G.textSize(stored.size)
        loadSwatches(stored)
        if (stored.brightness !== undefined)
            brightness = stored.brightness
        _Url = stored.url ? stored.url : guideUrl
    }

    function loadSwatches(stored) {
        const next = swatches.slice()
        for (let i = 0; i < G.swatchCount; ++i) {
            if (stored.swatches[i] !== undefined)
                next[i] = stored.swatches[i]
        }
        swatches = next
        if (stored.selected !== undefined)
            selectedSwatch = stored.selected
    }

    // Typed colour values that still have the focus are committed first, so a value typed
    // before RESET or APPLY cannot come back over what they show.
    function commitTypedValues() {
        mainIten.forceActiveFocus()
        mainIten.emptyAreaPressed()
    }

    function resetApconfig() {
        commitTypedValues()
        if (typeof ui_View !== "undefined")
            ui_View.resetApconfig()
        initUI()
    }

    function initLanguage() {
        languages = G.languageEntries(typeof ui_View !== "undefined" ? ui_View.chkLanguages() : {})
    }

    function setLanguage(uiIndex) {
        if (uiIndex < 0 || uiIndex >= languages.length)
            return false
        languageIndex = uiIndex
        const code = languages[uiIndex].code
        _StringList = G.mergeStrings(ui_View.getGlobalStrings(code), BuiltIn.list)
        mainIten.translateStrings(code)
        _FontFamily = _StringList[0]
        return true
    }

    // A language picked in the list: the pages' unapplied changes are settled first, as on a
    // profile change. `onStay` runs when the user stays with the current language.
    function chooseLanguage(uiIndex, onStay) {
        if (uiIndex !== languageIndex)
            mainIten.settleUnapplied(main_Z4.pages, function () {
                if (!setLanguage(uiIndex) && onStay)
                    onStay()
            }, onStay)
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
        commitTypedValues()
        if (typeof ui_View !== "undefined")
            ui_View.saveApConfig(G.build(settings()))
        savedState = shownState
        mainIten.isGlobalSettingSelect = false
    }
    function applyEdits() {
        apply()
    }
    function discardEdits() {
        initUI()
    }

    // A request during the opposite slide finishes that slide first.
    function slide(open) {
        if (open) {
            if (slideOut.running)
                slideOut.complete()
            visible = true
            slideIn.restart()
        } else {
            // Typed colour values commit and an unrolled language list closes on the way out.
            mainIten.emptyAreaPressed()
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
