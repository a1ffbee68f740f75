.pragma library

// Arithmetic of the shared controls, kept apart from the drawing so it can be tested alone.

// Whole number in [lo, hi]; anything that is not a finite number gives the fallback.
function clampInt(value, lo, hi, fallback) {
    var n = Number(value)
    if (value === null || value === undefined || value === "" || !isFinite(n))
        return fallback
    return Math.max(lo, Math.min(hi, Math.round(n)))
}

// Position x clamped to a track of the given width, as a fraction of (width - 1).
function trackFraction(x, width) {
    if (!(width > 1) || !isFinite(Number(x)))
        return 0
    return Math.max(0, Math.min(width - 1, x)) / (width - 1)
}

// Seven segments: 0 only at the very left edge, 7 at the right edge.
function sliderIndex(x, width) {
    return Math.min(7, Math.ceil(trackFraction(x, width) * 7))
}

// Eleven segments: 0 over the whole first segment, 10 at the right edge.
function slider11Index(x, width) {
    return Math.max(0, Math.min(10, Math.ceil(11 * trackFraction(x, width)) - 1))
}

// Left edge of segment i of n equal segments of segWidth, centred on a base of baseWidth.
function segmentX(i, n, segWidth, baseWidth) {
    var gap = n > 1 ? Math.floor((baseWidth - n * segWidth) / (n + 1)) : 0
    gap = Math.max(0, gap)
    var margin = (baseWidth - n * segWidth - (n - 1) * gap) / 2
    return Math.round(margin + i * (segWidth + gap))
}

// A stage holds a value when it is a number above 0.
function hasValue(value) {
    var n = Number(value)
    return value !== null && value !== undefined && value !== "" && isFinite(n) && n > 0
}

// A stage value as a cell or a pop-up choice shows it: its number, or a cross when unset.
function stageText(value) {
    return hasValue(value) ? String(value) : "\u00D7"
}

function stageShown(index, maxStage) {
    return index >= 0 && index < Number(maxStage)
}

// A cell can be selected only inside the stage count and while it holds a value.
function stageSelectable(index, maxStage, value) {
    return stageShown(index, maxStage) && hasValue(value)
}

// Number of entries of a ListModel or a JavaScript array; 0 for anything else.
function itemCount(items) {
    if (!items)
        return 0
    if (typeof items.count === "number")
        return items.count
    if (typeof items.length === "number" && typeof items !== "string")
        return items.length
    return 0
}

// Text of entry index (its textX role, or the entry itself when it is a plain string);
// undefined when the index is outside the list.
function itemText(items, index) {
    var i = Number(index)
    if (!isFinite(i) || i < 0 || i >= itemCount(items) || Math.floor(i) !== i)
        return undefined
    var entry = typeof items.get === "function" ? items.get(i) : items[i]
    if (entry === null || entry === undefined)
        return undefined
    if (typeof entry === "object")
        return entry.textX === undefined ? undefined : String(entry.textX)
    return String(entry)
}

function optionsText(word) {
    return "\u3010 " + (word === undefined || word === null ? "OPTIONS" : word) + " \u3011"
}

// What a closed drop-down shows: the current entry, or the bracketed options word.
function dropdownText(items, index, word) {
    var text = itemText(items, index)
    return text === undefined ? optionsText(word) : text
}

// Whether a list of listHeight should unroll above a box at boxY (scene coordinates) because
// it would leave the scene below and fits above.
function opensUpwards(boxY, boxHeight, listHeight, sceneHeight) {
    return boxY + boxHeight + listHeight > sceneHeight && boxY - listHeight >= 0
}

function unrollDuration(speed, count) {
    return Math.max(0, Number(speed) || 0) * (0.1 + 0.05 * Math.max(0, Number(count) || 0))
}

// Text of a delegate's model object: a ListModel role textX, or a plain array entry.
function rowText(model, role) {
    if (!model)
        return ""
    var key = role || "textX"
    if (model[key] !== undefined && model[key] !== null)
        return String(model[key])
    var data = model.modelData
    if (data === undefined || data === null)
        return ""
    if (typeof data === "object")
        return data[key] === undefined || data[key] === null ? "" : String(data[key])
    return key === "textX" ? String(data) : ""
}

// `strings`: the interface texts; 74 names a key, 130 asks for one (English when missing).
function keyInput2Text(name, strings) {
    var list = strings || []
    return name ? (list[74] || "KEY") + " \u3010 " + name + " \u3011" : list[130] || "KEY\u3010 PRESS ANY \u3011"
}

// A disabled control draws itself at 0.2, unless a disabled ancestor is already drawn dimmed
// (the settings panel dims the bars and the page area so): dimming must not compound.
function dimmed(item) {
    if (!item || item.enabled)
        return false
    for (var up = item.parent; up; up = up.parent) {
        if (!up.enabled && up.opacity < 1)
            return false
    }
    return true
}

function disabledOpacity(item) {
    return dimmed(item) ? 0.2 : 1.0
}

// Keyboard. Space, Return and Enter press a control.
function isActivateKey(key) {
    return key === Qt.Key_Space || key === Qt.Key_Return || key === Qt.Key_Enter
}

// The index an arrow, Home or End moves to among count entries, skipping those `usable`
// rejects (all are usable without it); -1 for any other key. Stays put at the ends. Laid out
// in `columns` columns, Up and Down move a whole row.
function movedIndex(key, index, count, usable, columns) {
    var ok = usable || function () { return true }
    var step = 0, from = index
    if (columns > 1 && (key === Qt.Key_Up || key === Qt.Key_Down)) {
        var to = index + (key === Qt.Key_Down ? columns : -columns)
        return to >= 0 && to < count && ok(to) ? to : index
    }
    if (key === Qt.Key_Left || key === Qt.Key_Up)
        step = -1
    else if (key === Qt.Key_Right || key === Qt.Key_Down)
        step = 1
    else if (key === Qt.Key_Home) {
        step = 1
        from = -1
    } else if (key === Qt.Key_End) {
        step = -1
        from = count
    } else
        return -1
    for (var i = from + step; i >= 0 && i < count; i += step) {
        if (ok(i))
            return i
    }
    return index
}

// The profile context menu's keys: the Menu key and Shift+F10.
function isContextMenuKey(key, modifiers) {
    return key === Qt.Key_Menu || (key === Qt.Key_F10 && (modifiers & Qt.ShiftModifier))
}

// Ctrl+1 to Ctrl+4, which open the pages.
function isPageShortcut(key, modifiers) {
    return (modifiers & Qt.ControlModifier) !== 0 && key >= Qt.Key_1 && key <= Qt.Key_4
}

// The same as the key hook reports it: a Ctrl key's usage, then the digit's (1 is 0x1E).
function isPageShortcutUsage(modifierUsage, usbCode) {
    return (modifierUsage === 0xE0 || modifierUsage === 0xE4) && usbCode >= 0x1E && usbCode <= 0x21
}

// Space, Enter and keypad Enter as the key hook reports them.
function isActivateUsage(usbCode) {
    return usbCode === 0x2C || usbCode === 0x28 || usbCode === 0x58
}

function isModifierUsage(usbCode) {
    return usbCode >= 0xE0 && usbCode <= 0xE7
}

// Keys of a drop-down as a combo box: Space or Enter opens it, and in the open list chooses
// the row the arrows, Home and End reached; on a closed box those keys choose at once; Escape
// closes an open list. `box` has keyRow, showList(), closeList() and choose(row).
function dropdownKey(box, key, isOpen, current, count) {
    if (isOpen && key === Qt.Key_Escape) {
        box.closeList()
        return true
    }
    if (isActivateKey(key)) {
        if (!isOpen)
            box.showList()
        else if (box.keyRow >= 0)
            box.choose(box.keyRow)
        else
            box.closeList()
        return true
    }
    var to = movedIndex(key, isOpen ? box.keyRow : current, count)
    if (to >= 0 && isOpen)
        box.keyRow = to
    else if (to >= 0 && to !== current)
        box.choose(to)
    return to >= 0
}

// Keys of a context menu opened from the keyboard: the arrows, Home and End move `keyRow`,
// Space or Enter chooses it, Escape and Tab close the menu; no key leaves it.
function menuKey(menu, key, count) {
    if (key === Qt.Key_Escape || key === Qt.Key_Tab || key === Qt.Key_Backtab) {
        menu.close()
    } else if (isActivateKey(key)) {
        if (menu.keyRow >= 0)
            menu.choose(menu.keyRow)
    } else {
        var to = movedIndex(key, menu.keyRow, count)
        if (to >= 0)
            menu.keyRow = to
    }
    return true
}
