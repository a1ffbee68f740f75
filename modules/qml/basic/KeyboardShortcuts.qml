import QtQuick

// The program's shortcuts. Each does what a click on its control does, and only while that
// control could be clicked: not during a lock, nor while a question waits for its answer.
// Ctrl+Q closes even then, as the top bar's close button does.
Item {
    id: keyboardShortcuts
    property var profileMenu
    property var functionMenu
    property Menu_Down bottomBar
    property bool questionOpen: false
    readonly property bool free: !mainIten.protecting && !questionOpen && mainIten.visible
    readonly property string guideUrl: "file:modules/guide/index.html#keyboard"

    function profile(entry) {
        if (profileMenu.enabled)
            profileMenu.select(entry)
    }
    function page(index) {
        if (functionMenu.enabled)
            functionMenu.select(index)
    }

    Shortcut { sequence: "Alt+1"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.profile(1) }
    Shortcut { sequence: "Alt+2"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.profile(2) }
    Shortcut { sequence: "Alt+3"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.profile(3) }
    Shortcut { sequence: "Alt+4"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.profile(4) }
    Shortcut { sequence: "Alt+5"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.profile(5) }
    Shortcut { sequence: "Ctrl+1"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.page(0) }
    Shortcut { sequence: "Ctrl+2"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.page(1) }
    Shortcut { sequence: "Ctrl+3"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.page(2) }
    Shortcut { sequence: "Ctrl+4"; enabled: keyboardShortcuts.free; onActivated: keyboardShortcuts.page(3) }
    Shortcut {
        sequence: "Ctrl+S"
        enabled: keyboardShortcuts.free && keyboardShortcuts.bottomBar.enabled
        onActivated: keyboardShortcuts.bottomBar.saveAll()
    }
    Shortcut { sequence: "F1"; onActivated: mainIten.openGuide(keyboardShortcuts.guideUrl) }
    Shortcut { sequence: "Ctrl+Q"; onActivated: mainIten.closeWindow() }
}
