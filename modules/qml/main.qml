import QtQuick
import "basic"
import "Z4"

// Root of the scene. The host calls initUI(), run(), detectKeyboard(), detectMouse(),
// setProtectUI(), showDeviceStatus(), askSettle(), rereadStore(), keepUnapplied() and showStaged() by name, so their names and argument lists are a contract with C++.
// The picture addresses come from SkinPictures.
SkinPictures {
    id: mainIten
    objectName: "mainIten"
    width: 1000
    height: 600
    visible: false
    clip: true

    signal emptyAreaPressed()
    signal msg_KB(bool isDown, int usbCode)

    // Owned by the settings panel; everything else binds to these.
    skin_No: page_Globalsetting.skin_No
    property int globalSetting_size: page_Globalsetting._Size
    property color globalSetting_color: page_Globalsetting._Color
    property color globalSetting_color_enable: page_Globalsetting._ColorEnable
    property color globalSetting_color_disable: page_Globalsetting._ColorDisable
    property int animation_speed: page_Globalsetting._AnimationSpeed
    property var globalSetting_stringList: page_Globalsetting._StringList
    property string globalSetting_fontFamily: page_Globalsetting._FontFamily
    property string globalSetting_url: page_Globalsetting._Url
    property bool isCustomBackground: page_Globalsetting.isCustomBackground
    property url sourceCustomBackground: page_Globalsetting.sourceCustomBackground
    property bool isGlobalSettingSelect: false

    readonly property Menu_Down bottomBar: menuDown
    // The last detection: 0 no mouse, 1 found but not openable, 2 connected; and its details.
    property int deviceState: 0
    property var deviceInfo: ({})
    // Edits made without the mouse wait for an answer (the host asks once per detection).
    property bool settleAsked: false
    property bool protecting: false
    // When the current lock ends (Date.now() time); a second lock only ever moves it later.
    property double protectEnd: 0
    property Item focusBeforeLock

    function initUI() {
        // The pages need the texts of the chosen language, so the settings go first.
        page_Globalsetting.initUI()
        main_Z4.initUI()
    }

    function run() {
        startAnimation.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, buttonCode, x, y) {
    }

    function setProtectUI(interval) {
        // The lock disables the view, which drops the keyboard focus: it comes back where it was.
        if (!protecting)
            focusBeforeLock = Window.activeFocusItem
        protecting = true
        if (typeof ui_View !== "undefined")
            ui_View.setEnabled(false)
        const ms = Number(interval)
        const now = Date.now()
        const end = now + (isFinite(ms) && ms >= 0 ? ms : 1000)
        protectEnd = protectTimer.running ? Math.max(protectEnd, end) : end
        protectTimer.interval = protectEnd - now
        protectTimer.restart()
    }

    function showDeviceStatus(status) {
        deviceInfo = status
        deviceState = status.state
        if (deviceState !== 2)
            settleAsked = false
        if (deviceState !== 1)
            permissionPanel.close()
    }

    function askSettle() {
        settleAsked = true
    }

    // The command line changed the settings: the menus and pages show them again.
    function rereadStore() {
        main_Z4.rereadAll()
    }

    // A write that could not start (the mouse busy with another program): the pages named keep
    // their edits marked as not applied.
    function keepUnapplied(names) {
        for (const page of main_Z4.pages) {
            if (names.indexOf(page.objectName) >= 0 && page.appliedState !== undefined)
                page.appliedState = "[\"not sent\"]"
        }
    }

    // After LOAD or RESET: the pages show the new values of the current profile as edits not
    // applied yet, as if made by hand.
    function showStaged() {
        main_Z4.loadPages()
        main_Z4.rereadProfilePages()
        keepUnapplied(main_Z4.pages.map(function (page) { return page.objectName }))
    }

    function setSkin() {
        menuDown.setSkin()
        main_Z4.setSkin()
    }

    function translateStrings(code) {
        page_Globalsetting.translateStrings()
        main_Z4.translateStrings(code)
    }

    // Asks in the window before an action that replaces the user's settings; `onYes` runs when
    // the user goes on, `onNo` (if given) when not. `textIndex` and `fallback` name the action as
    // its control does (or `textIndex` is the title itself), and its answer says the same;
    // `yesIndex` names another answer.
    function askFirst(textIndex, fallback, question, subject, onYes, onNo, yesIndex) {
        const texts = globalSetting_stringList || []
        const title = (typeof textIndex === "string" ? textIndex : texts[textIndex]) || fallback
        if (typeof ui_View === "undefined")
            return onYes()
        const yes = yesIndex === undefined ? title : texts[yesIndex] || title
        questionPanel.ask(title, ui_View.z4_questionText(question, String(subject)),
                          [{ name: "cancel", label: texts[78] || "CANCEL" }, { name: "yes", label: yes }],
                          "cancel", "cancel", function (answer) {
                              if (answer === "yes")
                                  onYes()
                              else if (onNo)
                                  onNo()
                          })
    }

    // Called by the program after an action: what it did, or where it failed.
    function showMessage(text, failure) {
        messagePlate.show(String(text), failure === true)
    }

    // Opens the user guide (a section of it); without a program that opens it, the window says
    // where it is.
    function openGuide(url) {
        if (!Qt.openUrlExternally(url) && typeof ui_View !== "undefined")
            ui_View.z4_tellOpenFailed(String(url))
    }

    // Before an action that would drop what `parts` show but have not applied (choosing another
    // profile or language, closing): asks APPLY, DISCARD or CANCEL in the window. `onGoOn` runs
    // once the changes are applied or dropped, `onStay` when the user stays.
    function settleUnapplied(parts, onGoOn, onStay) {
        const pending = parts.filter(function (part) { return part.unapplied === true })
        if (pending.length === 0)
            return onGoOn()
        const names = pending.map(function (part) { return part.partName }).join(", ")
        const texts = globalSetting_stringList || []
        if (typeof ui_View === "undefined")
            return onStay ? onStay() : undefined
        questionPanel.ask(texts[133] || "NOT APPLIED", ui_View.z4_questionText(unappliedQuestion, names),
                          [{ name: "cancel", label: texts[78] || "CANCEL" },
                           { name: "discard", label: texts[134] || "DISCARD" },
                           { name: "apply", label: texts[107] || "APPLY" }],
                          "apply", "cancel", function (answer) {
                              if (answer !== "apply" && answer !== "discard")
                                  return onStay ? onStay() : undefined
                              for (const part of pending) {
                                  if (answer === "apply")
                                      part.applyEdits()
                                  else
                                      part.discardEdits()
                              }
                              onGoOn()
                          })
    }
    readonly property int unappliedQuestion: 4
    readonly property alias question: questionPanel

    function closeWindow() {
        settleUnapplied(main_Z4.pages.concat([page_Globalsetting]), function () { closeAnimation.start() })
    }

    KeyCodeString {
        id: _KeyCodeString
    }

    Timer {
        id: protectTimer
        interval: 1000
        // Not on a change of "running": restarting a running timer stops it for a moment.
        onTriggered: {
            if (typeof ui_View !== "undefined")
                ui_View.setEnabled(true)
            mainIten.protecting = false
            const back = mainIten.focusBeforeLock
            mainIten.focusBeforeLock = null
            if (back && back.visible && back.enabled)
                back.forceActiveFocus()
        }
    }

    Environment {
        id: environment
        opacity: 0
    }

    // Lies below every other interactive item: a press on empty space drags the frameless window.
    MouseArea {
        id: dragArea
        objectName: "dragArea"
        anchors.fill: parent
        property point pressPos
        onPressed: function (mouse) {
            mainIten.forceActiveFocus()
            mainIten.emptyAreaPressed()
            pressPos = Qt.point(mouse.x, mouse.y)
        }
        onPositionChanged: function (mouse) {
            if (!pressed || typeof ui_Ctl === "undefined")
                return
            ui_Ctl.onXChanged(mouse.x - pressPos.x)
            ui_Ctl.onYChanged(mouse.y - pressPos.y)
        }
    }

    Environment_Decoration {
        id: decoration
        opacity: 0
    }

    Main_Z4 {
        id: main_Z4
        objectName: "main_Z4"
        x: 0
        y: 0
        width: 1000
        height: 600
    }

    // Tab reads the bottom bar before the top bar.
    Menu_Down {
        id: menuDown
        objectName: "menuDown"
        y: 600
        enabled: !mainIten.isGlobalSettingSelect
        opacity: enabled ? 1.0 : 0.2
    }

    Menu_Up {
        id: menuUp
        objectName: "menuUp"
        y: -600
        onBtnClicked: function (btnIndex) {
            if (btnIndex === 0)
                mainIten.isGlobalSettingSelect = !mainIten.isGlobalSettingSelect
            else if (btnIndex === 1)
                mainIten.closeWindow()
        }
        onHelpRequested: permissionPanel.open()
    }

    Logo {
        id: logo
        objectName: "logo"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 270
        opacity: 0
    }

    Page_Globalsetting {
        id: page_Globalsetting
        objectName: "page_Globalsetting"
        x: mainIten.width - width
        y: 44
        // Opened from the keyboard it takes the focus; Escape closes it and gives the focus back.
        property Item returnFocus
        Keys.onEscapePressed: mainIten.isGlobalSettingSelect = false
        Connections {
            target: mainIten
            function onIsGlobalSettingSelectChanged() {
                const panel = page_Globalsetting
                const focused = mainIten.Window.activeFocusItem
                if (mainIten.isGlobalSettingSelect && focused && focused !== mainIten) {
                    panel.returnFocus = focused
                    panel.visible = true
                    panel.nextItemInFocusChain(true).forceActiveFocus()
                } else if (!mainIten.isGlobalSettingSelect && panel.returnFocus) {
                    panel.returnFocus.forceActiveFocus()
                    panel.returnFocus = null
                }
            }
        }
    }

    MessagePlate {
        id: messagePlate
        anchors.horizontalCenter: parent.horizontalCenter
        y: 48
        z: 99
    }

    BusyIndicator {
        id: busyIndicator
        objectName: "busyIndicator"
        anchors.centerIn: parent
        z: 100
        visible: mainIten.protecting
    }

    PermissionPanel {
        id: permissionPanel
        objectName: "permissionPanel"
    }

    SwitchPanel {
        id: switchPanel
        objectName: "switchPanel"
    }

    SettleQuestion {
        id: settleQuestion
        objectName: "settleQuestion"
    }

    QuestionPanel {
        id: questionPanel
        objectName: "question"
    }

    KeyboardShortcuts {
        id: keyboardShortcuts
        profileMenu: main_Z4.profileMenu
        functionMenu: main_Z4.functionMenu
        bottomBar: menuDown
        questionOpen: permissionPanel.visible || settleQuestion.visible || questionPanel.visible
            || switchPanel.visible
    }

    SequentialAnimation {
        id: startAnimation
        PropertyAction { target: mainIten; property: "visible"; value: true }
        NumberAnimation { target: logo; property: "opacity"; from: 0; to: 1; duration: mainIten.animation_speed }
        NumberAnimation { target: logo; property: "y"; from: 270; to: 4; duration: 1.5 * mainIten.animation_speed }
        ParallelAnimation {
            NumberAnimation { target: environment; property: "opacity"; from: 0; to: 1; duration: mainIten.animation_speed }
            NumberAnimation { target: decoration; property: "opacity"; from: 0; to: 1; duration: mainIten.animation_speed }
        }
        ParallelAnimation {
            NumberAnimation {
                target: menuUp; property: "y"; from: -600; to: 0
                duration: mainIten.animation_speed; easing.type: Easing.OutElastic
            }
            NumberAnimation {
                target: menuDown; property: "y"; from: 600; to: 600 - menuDown.height
                duration: mainIten.animation_speed; easing.type: Easing.OutElastic
            }
            ScriptAction {
                script: main_Z4.playOnPowerOn()
            }
        }
    }

    NumberAnimation {
        id: closeAnimation
        target: mainIten
        property: "height"
        from: 600
        to: 0
        duration: mainIten.animation_speed
        onFinished: {
            if (typeof ui_Ctl !== "undefined")
                ui_Ctl.onMinimize()
        }
    }
}
