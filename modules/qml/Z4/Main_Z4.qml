import QtQuick

// The model's half of the scene: its configuration values, the function menu that picks the
// page, the profile menu that picks the mouse's active profile, and the page area with the
// four pages. It relays key reports to the pages and passes language changes on to them.
Item {
    id: main_Z4
    width: 1000
    height: 600

    // Model constants as the configuration holds them (texts and lists of texts); the pages
    // convert and range-check them where they use them.
    property var colorMaxStage: 0
    property var effectEnable: []
    property var dpiBase: 0
    property var dpiValue: []
    // Usage code of the last key press reported, 0 until the first one.
    property int lastPressKeyCode: 0
    // The product's button names in the current language.
    property var _ProductLayoutStringList: []
    readonly property alias curPageId: pageArea.curPageId
    readonly property alias profileMenu: menuProf
    readonly property alias functionMenu: menuFunc
    // True once the menus are in place after power-on.
    property bool poweredOn: false

    signal msg_KB(bool isDown, int usbCode)

    // The pages are built when first shown, or when LOAD or RESET put values on them, so the
    // first frame waits only for the frame and the menus. `pageSlots` holds null for a page not
    // built yet (one per function menu entry); `pages` the built ones.
    readonly property Item page_Keydefine: keydefineLoader.item
    readonly property Item page_Macro: macroLoader.item
    readonly property Item page_Color: colorLoader.item
    readonly property Item page_Sensor: sensorLoader.item
    readonly property var pageSlots: [page_Keydefine, page_Macro, page_Color, page_Sensor]
    readonly property var pages: pageSlots.filter(function (page) { return page !== null })
    readonly property var pageLoaders: [keydefineLoader, macroLoader, colorLoader, sensorLoader]
    // The language the pages show, for a page built later.
    property var languageCode
    readonly property int macroPageId: 1
    readonly property real disabledOpacity: 0.2

    function initUI() {
        colorMaxStage = ui_View.z4_getApConfig("colorMaxStage")
        effectEnable = ui_View.z4_getApConfig("effectEnable")
        dpiBase = ui_View.z4_getApConfig("dpiBase")
        dpiValue = ui_View.z4_getApConfig("dpiValue")
        menuProf.initUI()
        for (const page of pages)
            callPage(page, "initUI")
    }

    function loadPage(pageId) {
        if (pageId >= 0 && pageId < pageLoaders.length)
            pageLoaders[pageId].active = true
    }

    function loadPages() {
        for (let pageId = 0; pageId < pageLoaders.length; ++pageId)
            loadPage(pageId)
    }

    // A page built after start reads the current values and the language like the others did.
    function pageBuilt(page) {
        callPage(page, "initUI")
        if (languageCode !== undefined)
            callPage(page, "translateStrings", languageCode)
    }

    function playOnPowerOn() {
        menuFunc.visible = true
        menuProf.visible = true
        pageArea.visible = true
        powerOn.restart()
    }

    // At start the selection is empty, so no page slides in.
    function menusInPlace() {
        pageArea.show(menuFunc.currentIndex)
        poweredOn = true
    }

    function setSkin() {
        menuFunc.setSkin()
    }

    function translateStrings(code) {
        const names = ui_View.z4_getProductLayoutStrings(code === undefined ? "" : String(code))
        _ProductLayoutStringList = names ? names : []
        languageCode = code
        for (const page of pages)
            callPage(page, "translateStrings", code)
        // The menus' texts are bound to the string list and are already up to date.
    }

    // The device-backed pages follow the active profile.
    function rereadProfilePages() {
        for (const page of [page_Keydefine, page_Sensor]) {
            if (page)
                callPage(page, "initUI")
        }
        if (page_Color)
            callPage(page_Color, "refreshUI")
    }

    // After another program changed the store. A page with edits not yet applied keeps them,
    // marked, rather than losing them without a word.
    function rereadAll() {
        menuProf.initUI()
        noteEditsOf()
        for (const page of [page_Keydefine, page_Sensor]) {
            if (page && !page.unapplied)
                callPage(page, "initUI")
        }
        if (page_Color && !page_Color.unapplied)
            callPage(page_Color, "refreshUI")
    }

    // Edits kept while another program chose another profile belong to the profile they were
    // made on, and APPLY sends them there: the page says so.
    property string editsOf: ""
    function noteEditsOf() {
        editsOf = ""
        for (const page of [page_Keydefine, page_Color, page_Sensor]) {
            if (page && page.unapplied && typeof ui_View !== "undefined")
                editsOf = ui_View.z4_editsOf(page.objectName) || editsOf
        }
    }

    // A failing page must not keep the others from their turn; the error still shows in the log.
    function callPage(page, name, arg) {
        try {
            page[name](arg)
        } catch (error) {
            console.warn(page.objectName + "." + name + ": " + error)
        }
    }

    Connections {
        target: mainIten
        function onMsg_KB(isDown, usbCode) {
            if (isDown && Number.isInteger(usbCode))
                main_Z4.lastPressKeyCode = usbCode
            main_Z4.msg_KB(isDown, usbCode)
        }
    }

    Menu_Func {
        id: menuFunc
        objectName: "menuFunc"
        x: -150
        y: 70
        visible: false
        enabled: !mainIten.isGlobalSettingSelect
        opacity: enabled ? 1 : main_Z4.disabledOpacity
        marked: main_Z4.pageSlots.map(function (page) { return page !== null && page.unapplied === true })
        onPageRequested: function (pageId) {
            // The macro page's recording is lost to the page shown next unless it is settled.
            if (pageArea.curPageId === main_Z4.macroPageId && pageId !== main_Z4.macroPageId
                    && page_Macro && page_Macro.unapplied) {
                menuFunc.currentIndex = main_Z4.macroPageId
                mainIten.settleUnapplied([page_Macro], function () {
                    menuFunc.currentIndex = pageId
                    pageArea.show(pageId)
                })
                return
            }
            pageArea.show(pageId)
        }
    }

    Menu_Prof {
        id: menuProf
        objectName: "menuProf"
        readonly property real restX: main_Z4.width - 8 - width
        x: main_Z4.width
        y: 70
        visible: false
        enabled: !mainIten.isGlobalSettingSelect && pageArea.curPageId !== main_Z4.macroPageId
        opacity: enabled ? 1 : main_Z4.disabledOpacity
        // Declared before the page area for the Tab order, yet its context menu lies over the page.
        z: 1
        onProfileApplied: main_Z4.rereadProfilePages()
    }

    PageArea {
        id: pageArea
        objectName: "pageArea"
        x: 160
        y: 56
        visible: false
        enabled: !mainIten.isGlobalSettingSelect
        opacity: enabled ? 1 : main_Z4.disabledOpacity

        onPageWanted: function (pageId) { main_Z4.loadPage(pageId) }

        Loader {
            id: keydefineLoader
            active: false
            onLoaded: main_Z4.pageBuilt(item)
            sourceComponent: Page_Keydefine {
                objectName: "page_Keydefine"
                visible: pageArea.curPageId === 0
            }
        }
        Loader {
            id: macroLoader
            active: false
            onLoaded: main_Z4.pageBuilt(item)
            sourceComponent: Page_Macro {
                objectName: "page_Macro"
                visible: pageArea.curPageId === 1
            }
        }
        Loader {
            id: colorLoader
            active: false
            onLoaded: main_Z4.pageBuilt(item)
            sourceComponent: Page_Color {
                objectName: "page_Color"
                visible: pageArea.curPageId === 2
            }
        }
        Loader {
            id: sensorLoader
            active: false
            onLoaded: main_Z4.pageBuilt(item)
            sourceComponent: Page_Sensor {
                objectName: "page_Sensor"
                visible: pageArea.curPageId === 3
            }
        }
    }

    Text {
        objectName: "editsOfLabel"
        x: pageArea.x + 8
        y: pageArea.y - height - 4
        visible: pageArea.visible && main_Z4.editsOf !== ""
                 && [page_Keydefine, page_Color, page_Sensor].some(function (page) { return page && page.unapplied })
        text: main_Z4.editsOf
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: 14
    }

    SequentialAnimation {
        id: powerOn
        ParallelAnimation {
            NumberAnimation {
                target: menuProf; property: "x"; from: main_Z4.width; to: menuProf.restX
                duration: mainIten.animation_speed; easing.type: Easing.OutElastic
            }
            NumberAnimation {
                target: menuFunc; property: "x"; from: -150; to: 8
                duration: mainIten.animation_speed; easing.type: Easing.OutElastic
            }
        }
        ScriptAction {
            script: main_Z4.menusInPlace()
        }
    }
}
