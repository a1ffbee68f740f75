.pragma library

// What the key definition page shows: the category list, the texts of its controls and the
// count fields' limits. The bytes behind every choice, the defaults and the macro bookkeeping
// are the core's (the bridge's z4_keySlotBytes, z4_keySlotView, z4_assignMacro).

var slotCount = 16
var initialPosition = 3

// Category drop-down: interface text index and fallback of each position.
var categories = [[46, "KEYBOARD"], [47, "MOUSE"], [48, "MEDIA"], [49, "COMBO KEY"],
                  [50, "MACRO"], [93, "FIRE KEY"], [111, "LED CONTROL"], [118, "PROFILE SWITCH"]]
var KEYBOARD = 0, MOUSE = 1, MEDIA = 2, COMBO = 3, MACRO = 4, FIRE = 5, LED = 6, PROFILE = 7

var modifierNames = ["\u00D7", "L Ctrl", "L Shift", "L Alt", "L Win", "R Ctrl", "R Shift", "R Alt", "R Win"]
var fireButtonNames = [[51, "LEFT"], [52, "RIGHT"], [53, "MIDDLE"], [54, "BACKWARD"], [55, "FORWARD"]]
var macroModeTexts = [[96, "NORMAL PLAY"], [98, "ALWAYS REPEAT"], [99, "REPEAT ON PRESSED"]]

var macroCount = { max: 65535, digits: 5, initial: 1 }
var fireCount = { max: 255, digits: 3, initial: 10 }
var fireSpeedDefault = 7

function text(strings, index, fallback) {
    var list = strings || []
    return list[index] || fallback
}

function copySlots(slots) {
    return slots.map(function (slot) { return slot ? slot.slice() : null })
}

// The matrix slot a button list position edits (the core's buttonSlots); -1 outside.
function slotOfPosition(buttonSlots, position, positionCount) {
    var table = buttonSlots || []
    if (position < 0 || position >= positionCount || position >= table.length)
        return -1
    return table[position]
}

// The button list for a language: every non-empty one of the first 16 names, in order.
function buttonNames(names) {
    if (!names || typeof names.length !== "number")
        return []
    var list = []
    for (var i = 0; i < Math.min(16, names.length); ++i) {
        if (names[i] !== undefined && names[i] !== null && String(names[i]) !== "")
            list.push(String(names[i]))
    }
    return list
}

// What the page shows with every second control cleared.
function clearedView() {
    return { category: -1, key: 0, mouse: -1, media: -1, modifier: 0, key1: 0, key2: 0,
             macroName: "", macroMode: 0, macroCount: macroCount.initial, fireUsesKey: false,
             fireButton: -1, fireKey: 0, fireSpeed: fireSpeedDefault, fireCount: fireCount.initial }
}

function withCategory(category) {
    var view = clearedView()
    view.category = category
    return view
}

// Count field text on commit: a whole number within range, else the last valid value.
function parseCount(textValue, limits, last) {
    var t = String(textValue === undefined || textValue === null ? "" : textValue).trim()
    if (!/^[0-9]+$/.test(t) || t.length > limits.digits)
        return last
    var n = parseInt(t, 10)
    return n <= limits.max ? n : last
}

// The 64 entries of the page's slots, in slot order; a slot the page could not read holds none.
function matrixList(slots) {
    var list = []
    for (var i = 0; i < slotCount; ++i)
        list = list.concat(slots[i] || [0, 0, 0, 0])
    return list
}
