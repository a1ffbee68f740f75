.pragma library
.import "functiontable.js" as FunctionTable

// Byte tables of the key definition page and the rules between a slot's four bytes and what
// the page shows. Slots are arrays of four numbers 0 to 255: type, then three parameters.

var slotCount = 16
var macroSlots = 100

// Button list position -> matrix slot; positions past the table have no slot.
var buttonSlots = FunctionTable.table.buttonSlots
var builtinButtonNames = FunctionTable.table.buttonNames
var initialPosition = 3

// Category drop-down: interface text index and fallback of each position.
var categories = [[46, "KEYBOARD"], [47, "MOUSE"], [48, "MEDIA"], [49, "COMBO KEY"],
                  [50, "MACRO"], [93, "FIRE KEY"], [111, "LED CONTROL"], [118, "PROFILE SWITCH"]]
var KEYBOARD = 0, MOUSE = 1, MEDIA = 2, COMBO = 3, MACRO = 4, FIRE = 5, LED = 6, PROFILE = 7

var mouseRows = FunctionTable.table.mouseRows
var TRIPLE_CLICK = 5, SCROLL_UP = 9

// Consumer-page usages of the media list; their names are interface texts 56 onwards.
var mediaUsages = FunctionTable.table.mediaUsages
var mediaFirstText = FunctionTable.table.mediaFirstText
var mediaFallbacks = FunctionTable.table.mediaFallbacks

var modifierNames = ["\u00D7", "L Ctrl", "L Shift", "L Alt", "L Win", "R Ctrl", "R Shift", "R Alt", "R Win"]
var fireButtonNames = [[51, "LEFT"], [52, "RIGHT"], [53, "MIDDLE"], [54, "BACKWARD"], [55, "FORWARD"]]
var macroModeTexts = [[96, "NORMAL PLAY"], [98, "ALWAYS REPEAT"], [99, "REPEAT ON PRESSED"]]

var defaultSlots = [
    [0x01, 0, 0xF0, 0], [0x01, 0, 0xF1, 0], [0x01, 0, 0xF2, 0], [0x01, 0, 0xF4, 0],
    [0x01, 0, 0xF3, 0], [0x07, 0, 0x01, 0], [0x07, 0, 0x02, 0], [0x0A, 0xF0, 0x22, 0x03],
    [0x05, 0, 0x03, 0], [0x03, 0, 0x8A, 0x01], [0x03, 0, 0x23, 0x02], [0x03, 0, 0x94, 0x01],
    [0, 0, 0, 0], [0, 0, 0, 0], [0x04, 0, 0x01, 0], [0x04, 0, 0x02, 0]
]
var nothing = [0, 0, 0, 0]
var ledControl = FunctionTable.table.ledControl
var profileSwitch = FunctionTable.table.profileSwitch
var leftButton = [0x01, 0, 0xF0, 0]

var macroCount = { max: 65535, digits: 5, initial: 1 }
var fireCount = { max: 255, digits: 3, initial: 10 }
var fireSpeedDefault = 7

function text(strings, index, fallback) {
    var list = strings || []
    return list[index] || fallback
}

function copySlots(slots) {
    return slots.map(function (slot) { return slot.slice() })
}

function sameBytes(a, b) {
    return a.length === b.length && a.every(function (v, i) { return v === b[i] })
}

// A slot read from the store (numbers or their text form) as four bytes; null when the list is
// shorter than four entries or an entry is not a whole number 0 to 255.
function slotFromList(list) {
    if (!list || typeof list.length !== "number" || list.length < 4)
        return null
    var bytes = []
    for (var i = 0; i < 4; ++i) {
        var v = list[i] === "" || list[i] === null ? NaN : Number(list[i])
        if (!(v >= 0 && v <= 255) || Math.floor(v) !== v)
            return null
        bytes.push(v)
    }
    return bytes
}

function slotOfPosition(position, positionCount) {
    if (position < 0 || position >= positionCount || position >= buttonSlots.length)
        return -1
    return buttonSlots[position]
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

function mediaBytes(position) {
    var usage = mediaUsages[position]
    return usage === undefined ? null : [0x03, 0, usage & 0xFF, usage >> 8]
}

function modifierBits(position) {
    return position > 0 && position <= 8 ? 1 << (position - 1) : 0
}

// 1-based position of the lowest set bit, 0 when none.
function lowestBit(b) {
    for (var bit = 0; bit < 8; ++bit) {
        if (b & (1 << bit))
            return bit + 1
    }
    return 0
}

function fireSpeedByte(sliderIndex) {
    return (7 - sliderIndex) * 35 + 10
}

function fireSliderIndex(speedByte) {
    return 7 - Math.round((Math.max(speedByte, 10) - 10) / 35)
}

// Fire key bytes from the controls; null while the chosen source (button or key) holds nothing.
function fireBytes(useKey, button, key, sliderIndex, count) {
    var source = useKey ? key : (button >= 0 && button <= 4 ? 0xF0 + button : 0)
    if (!(source > 0 && source <= 255))
        return null
    return [0x0A, source, fireSpeedByte(sliderIndex), count & 0xFF]
}

// What the page shows with every second control cleared.
function clearedView() {
    return { category: -1, key: 0, mouse: -1, media: -1, modifier: 0, key1: 0, key2: 0,
             macroFile: -1, macroMode: 0, macroCount: macroCount.initial, fireUsesKey: false,
             fireButton: -1, fireKey: 0, fireSpeed: fireSpeedDefault, fireCount: fireCount.initial }
}

function withCategory(category, fields) {
    var view = clearedView()
    view.category = category
    for (var name in fields)
        view[name] = fields[name]
    return view
}

function mouseView(b0, b1, b2, b3) {
    if (b0 === 0x01 && b1 === 0 && b2 !== 0 && b3 === 0)
        return withCategory(MOUSE, { mouse: b2 >= 0xF0 && b2 <= 0xF4 ? b2 - 0xF0 : -1 })
    if (b0 === 0x04 && b1 === 0 && (b2 === 1 || b2 === 2) && b3 === 0)
        return withCategory(MOUSE, { mouse: SCROLL_UP + b2 - 1 })
    // Only the three DPI functions have a row; other codes show the category without one.
    if (b0 === 0x07 && b1 === 0 && b3 === 0)
        return withCategory(MOUSE, { mouse: b2 >= 1 && b2 <= 3 ? b2 + 5 : -1 })
    return null
}

function mediaView(b1, b2, b3) {
    if (b1 !== 0 || b2 === 0)
        return null
    var usage = b3 * 256 + b2
    return withCategory(MEDIA, { media: mediaUsages.indexOf(usage) })
}

// macroFiles: the [index, count] pair of each listed file (null when unreadable).
function macroView(b1, b2, macroFiles) {
    var files = macroFiles || []
    var file = -1
    for (var i = 0; i < files.length && file < 0; ++i) {
        if (files[i] && Number(files[i][0]) === b2 - 1)
            file = i
    }
    var count = file >= 0 ? Number(files[file][1]) : NaN
    return withCategory(MACRO, { macroFile: file, macroMode: b1,
                                 macroCount: isFinite(count) ? count : macroCount.initial })
}

function fireView(b1, b2, b3) {
    if (b1 === 0xF0 && b2 === 0x21 && b3 === 0x03)
        return withCategory(MOUSE, { mouse: TRIPLE_CLICK })
    var isButton = b1 >= 0xF0 && b1 <= 0xF4
    return withCategory(FIRE, { fireUsesKey: !isButton, fireButton: isButton ? b1 - 0xF0 : -1,
                                fireKey: isButton ? 0 : b1, fireSpeed: fireSliderIndex(b2),
                                fireCount: b3 })
}

// The bytes a category stores as soon as it is chosen; null for those that wait for their
// second control.
function categoryBytes(category) {
    return category === LED ? ledControl.slice() : category === PROFILE ? profileSwitch.slice() : null
}

// What a slot shows: a view (category -1 for a type the page has no category for), or null
// when the bytes fit no pattern of their type, so the page keeps what it showed before.
function keyCodeToUI(bytes, macroFiles) {
    var b0 = bytes[0], b1 = bytes[1], b2 = bytes[2], b3 = bytes[3]
    switch (b0) {
    case 0x00:
        if (b1 === 0 && b2 !== 0 && b3 === 0)
            return withCategory(KEYBOARD, { key: b2 })
        return withCategory(COMBO, { modifier: lowestBit(b1), key1: b2, key2: b3 })
    case 0x01:
    case 0x04:
    case 0x07:
        return mouseView(b0, b1, b2, b3)
    case 0x03:
        return mediaView(b1, b2, b3)
    case 0x09:
        return macroView(b1, b2, macroFiles)
    case 0x0A:
        return fireView(b1, b2, b3)
    case 0x0C:
        return sameBytes(bytes, ledControl) ? withCategory(LED, {}) : null
    case 0x08:
        return sameBytes(bytes, profileSwitch) ? withCategory(PROFILE, {}) : null
    default:
        return clearedView()
    }
}

// Firmware macro indices that some slot refers to (type 09, id = index + 1, last byte 0).
function usedMacroIndices(slots) {
    var used = []
    for (var i = 0; i < slots.length; ++i) {
        var s = slots[i]
        if (s[0] === 0x09 && s[3] === 0 && s[2] >= 1 && s[2] <= macroSlots && used.indexOf(s[2] - 1) < 0)
            used.push(s[2] - 1)
    }
    return used
}

// Lowest index 0 to 99 that no slot uses; -1 when all are taken.
function lowestFreeMacroIndex(used) {
    for (var index = 0; index < macroSlots; ++index) {
        if (used.indexOf(index) < 0)
            return index
    }
    return -1
}

// A macro file's [index, count] as numbers, or null when the configuration is unreadable.
// An index outside 0 to 99 counts as "not in the firmware".
function macroConfig(list) {
    if (!list || typeof list.length !== "number" || list.length < 2)
        return null
    var index = Number(list[0]), count = Number(list[1])
    if (!isFinite(index) || !isFinite(count))
        return null
    return [index >= 0 && index < macroSlots && Math.floor(index) === index ? index : -1, count]
}

// The left-button guard asks when this slot is the last reachable one acting as left button.
function needsLeftGuard(slots, slot, positionCount) {
    if (slot < 0 || !sameBytes(slots[slot], leftButton))
        return false
    var reachable = buttonSlots.slice(0, Math.max(0, positionCount))
    var lefts = reachable.filter(function (s) { return sameBytes(slots[s], leftButton) })
    return lefts.length <= 1
}

// Count field text on commit: a whole number within range, else the last valid value.
function parseCount(textValue, limits, last) {
    var t = String(textValue === undefined || textValue === null ? "" : textValue).trim()
    if (!/^[0-9]+$/.test(t) || t.length > limits.digits)
        return last
    var n = parseInt(t, 10)
    return n <= limits.max ? n : last
}

function matrixList(slots) {
    var list = []
    for (var i = 0; i < slotCount; ++i)
        list = list.concat(slots[i])
    return list
}
