.pragma library

// Display names of USB keyboard usage codes and of the mouse buttons, shared by the key,
// macro and sensor pages. Names are the scene's vocabulary: macros store them as text.

var keyNames = (function () {
    var names = {}
    var i
    for (i = 0; i < 26; ++i)
        names[0x04 + i] = String.fromCharCode(0x41 + i)          // A to Z
    for (i = 0; i < 9; ++i)
        names[0x1E + i] = String(i + 1)                          // 1 to 9
    for (i = 0; i < 12; ++i)
        names[0x3A + i] = "F" + (i + 1)
    for (i = 0; i < 6; ++i)
        names[0x59 + i] = "KP " + (i + 1)
    for (i = 0; i < 12; ++i)
        names[0x68 + i] = "F" + (i + 13)
    var fixed = {
        0x27: "0", 0x28: "Enter", 0x29: "Esc", 0x2A: "Back", 0x2B: "Tab", 0x2C: "Space",
        0x2D: "- _", 0x2E: "= +", 0x2F: "[ {", 0x30: "] }",
        // The hooks report the backslash key as 0x31, so the name lives there to be capturable.
        0x31: "\\ |",
        0x33: "; :", 0x34: "' \"", 0x35: "` ~", 0x36: ", <", 0x37: ". >", 0x38: "/ ?",
        0x39: "Caps", 0x46: "Prt", 0x47: "Scr", 0x48: "Pau", 0x49: "Ins", 0x4A: "Hom",
        0x4B: "PgU", 0x4C: "Del", 0x4D: "End", 0x4E: "PgD",
        0x4F: "\u25BA", 0x50: "\u25C4", 0x51: "\u25BC", 0x52: "\u25B2",
        0x53: "Num", 0x54: "KP /", 0x55: "KP *", 0x56: "KP -", 0x57: "KP +", 0x58: "KP Enter",
        0x5F: "KP 7 ", 0x60: "KP 8", 0x61: "KP 9", 0x62: "KP 0", 0x63: "KP .",
        0x64: "Eur 2", 0x65: "App", 0x66: "Power", 0x67: "KP =",
        0x85: "Keypad", 0x87: "Int'l 1", 0x88: "Intl'2", 0x89: "Int'l 2", 0x8A: "Int'l 4",
        0x8B: "Int'l 5", 0x90: "Lang 1", 0x91: "Lang 2",
        0xE0: "L Ctrl", 0xE1: "L Shift", 0xE2: "L Alt", 0xE3: "L Win",
        0xE4: "R Ctrl", 0xE5: "R Shift", 0xE6: "R Alt", 0xE7: "R Win"
    }
    for (var code in fixed)
        names[code] = fixed[code]
    return names
})()

var mouseNames = { 0xF0: "MS-L", 0xF1: "MS-R", 0xF2: "MS-M", 0xF3: "MS-B4", 0xF4: "MS-B5" }

function invert(table) {
    var inverse = {}
    for (var code in table) {
        // A later code with the same name must not shadow the first one.
        if (inverse[table[code]] === undefined)
            inverse[table[code]] = Number(code)
    }
    return inverse
}

var keyCodes = invert(keyNames)
var mouseCodes = invert(mouseNames)

function lookup(table, key) {
    return Object.prototype.hasOwnProperty.call(table, key) ? table[key] : undefined
}

function keycodeTostr(code) { return lookup(keyNames, code) }
function strTokeycode(name) { return lookup(keyCodes, name) }
function mousecodeTostr(code) { return lookup(mouseNames, code) }
function strTomousecode(name) { return lookup(mouseCodes, name) }

// 1-based position of the lowest set bit of an unsigned byte, 0 when none is set.
function logByte(b) {
    var value = b & 0xFF
    for (var bit = 0; bit < 8; ++bit) {
        if (value & (1 << bit))
            return bit + 1
    }
    return 0
}
