.pragma library
.import "../basic/keycodes.js" as KeyCodes
.import "functiontable.js" as FunctionTable

// Conversions between what the sensor and colour pages show and what the bridge stores.
// Every function accepts anything (numbers, decimal texts from the profile file, undefined)
// and answers with a value inside its documented range, so a damaged file or configuration
// can never make a page throw or send a byte outside 0..255.

var stageCount = 8
var defaultDpiBase = 100
var stageCodeMax = 160 // the one code the firmware wants spelled 0xCF
var stageCodeMaxWire = 0xCF
var stageCodeMaxRead = 0x9F
var stageCodeCross = 0xFF // code -1: a stage that is off

// Eight-colour indicator: index -> fixed colour.
var eightColors = [[255, 0, 0], [0, 255, 0], [0, 0, 255], [255, 0, 255],
                   [0, 255, 255], [255, 255, 0], [255, 255, 255], [255, 127, 0]]

// Indicator colours shown by the sensor page's DEFAULT (RGB and the matching index).
var defaultIndicatorColors = [[255, 0, 0], [0, 255, 255], [0, 255, 0], [255, 0, 255],
                              [255, 127, 0], [255, 255, 0], [0, 0, 255], [255, 255, 255]]
var defaultIndicatorIndices = [0, 4, 1, 3, 7, 5, 2, 6]

// Effect id -> index of its name in the interface texts.
var effectNameIndex = FunctionTable.table.effectNameIndex
var effectCount = effectNameIndex.length

function clamp(value, low, high) {
    return Math.min(high, Math.max(low, value))
}

// A number from a number or a decimal text; anything else gives fallback.
function toNumber(value, fallback) {
    if (typeof value === "string")
        value = value.trim() === "" ? NaN : Number(value)
    else if (typeof value !== "number")
        value = NaN
    return isFinite(value) ? value : fallback
}

function toByte(value) {
    return clamp(Math.round(toNumber(value, 0)), 0, 255)
}

// A QML list, a JS array or a comma-separated text as a JS array; anything else is empty.
function toArray(value) {
    if (typeof value === "string")
        return value.trim() === "" ? [] : value.split(",").map(function (s) { return s.trim() })
    if (value === null || value === undefined || typeof value !== "object")
        return []
    var length = toNumber(value.length, 0)
    var out = []
    for (var i = 0; i < length; ++i)
        out.push(value[i])
    return out
}

// ---- report rate: "125 Hz" 8, "250 Hz" 4, "500 Hz" 2, "1000 Hz" 1

function rateByteFromIndex(index) {
    return 1 << (3 - clamp(Math.round(toNumber(index, 2)), 0, 3))
}

// Unknown bytes and 0 show "1000 Hz".
function rateIndexFromByte(rate) {
    return clamp(4 - KeyCodes.logByte(toByte(rate)), 0, 3)
}

// ---- active stage: the bridge counts from 1, the cells from 0

function stageIndexFromStage(stage) {
    return clamp(Math.round(toNumber(stage, 1)) - 1, 0, stageCount - 1)
}

// ---- model constants

function dpiBase(base) {
    var value = toNumber(base, defaultDpiBase)
    return value > 0 ? value : defaultDpiBase
}

// Number of usable cells, 1..8. A count below 1 is what a blank profile image holds, so it
// says nothing and gives all eight, as a missing value does; more than 8 gives 8.
function maxStage(value) {
    var count = Math.round(toNumber(value, stageCount))
    return count < 1 ? stageCount : Math.min(count, stageCount)
}

// The pop-up choices: at most 18 numbers; entries that are not numbers become 0 ("×").
function dpiChoices(values) {
    return toArray(values).slice(0, 18).map(function (v) { return Math.round(toNumber(v, 0)) })
}

// ---- DPI stage value <-> code

// A stage of 0 or less ("×") is code -1, which goes out as 0xFF; a value too large for a byte
// is held to the highest stage rather than becoming "×".
function stageCodeFromValue(value, base) {
    var code = Math.round(toNumber(value, 0) / dpiBase(base)) - 1
    if (code < 0)
        return stageCodeCross
    return code === stageCodeMax || code >= stageCodeCross ? stageCodeMaxWire : code
}

function stageValueFromCode(code, base) {
    var c = toByte(code)
    if (c === stageCodeCross)
        return 0
    if (c === stageCodeMaxWire)
        c = stageCodeMaxRead
    return (c + 1) * dpiBase(base)
}

// The 16 codes sent to the mouse: both rows carry the same eight stages.
function stageCodesFromValues(values, base) {
    var codes = []
    for (var i = 0; i < stageCount; ++i)
        codes.push(stageCodeFromValue(values[i], base))
    return codes.concat(codes)
}

// Eight values from the first row of a 16-code list; null for any other length.
function stageValuesFromCodes(codes, base) {
    var list = toArray(codes)
    if (list.length !== 2 * stageCount)
        return null
    return list.slice(0, stageCount).map(function (c) { return stageValueFromCode(c, base) })
}

// The default file holds the stage table as the mouse does (a profile RESET copies it into the
// live file unchanged), so its codes are read exactly like the bridge reads the live image.
function defaultStageValues(profileFw, base) {
    var image = toArray(profileFw)
    var first = 0x54
    if (image.length < first + stageCount)
        return null
    return image.slice(first, first + stageCount).map(function (c) { return stageValueFromCode(c, base) })
}

// ---- colours

// Eight [r, g, b] cells from 24 numbers; null for any other length.
function colorsFromList(list) {
    var values = toArray(list)
    if (values.length !== 3 * stageCount)
        return null
    var cells = []
    for (var i = 0; i < stageCount; ++i)
        cells.push([toByte(values[3 * i]), toByte(values[3 * i + 1]), toByte(values[3 * i + 2])])
    return cells
}

function listFromColors(cells) {
    var out = []
    for (var i = 0; i < stageCount; ++i) {
        var cell = cells[i] || [0, 0, 0]
        out.push(toByte(cell[0]), toByte(cell[1]), toByte(cell[2]))
    }
    return out
}

// Eight eight-colour indices; null for any other length.
function indicesFromList(list) {
    var values = toArray(list)
    if (values.length !== stageCount)
        return null
    return values.map(function (v) { return clamp(Math.round(toNumber(v, 0)), 0, 7) })
}

function eightColor(index) {
    return eightColors[clamp(Math.round(toNumber(index, 0)), 0, 7)]
}

// ---- lighting effects

// Drop-down position <-> effect id from the configured flags ("true" enables). Without any
// flags (the configuration lacks the key) every effect stays offered, as before initUI.
function effectMaps(effectEnable) {
    var flags = toArray(effectEnable)
    if (flags.length === 0)
        return identityEffectMaps()
    var posToId = []
    var idToPos = []
    for (var id = 0; id < effectCount; ++id) {
        var on = String(flags[id]).trim() === "true"
        idToPos.push(on ? posToId.length : -1)
        if (on)
            posToId.push(id)
    }
    return { posToId: posToId, idToPos: idToPos }
}

function identityEffectMaps() {
    var ids = []
    for (var id = 0; id < effectCount; ++id)
        ids.push(id)
    return { posToId: ids, idToPos: ids.slice() }
}

function effectPosition(maps, effectId) {
    var id = toNumber(effectId, -1)
    var pos = maps.idToPos[id]
    return pos === undefined ? -1 : pos
}

// Speed ranges per effect: [first device value, span]; the device value falls as s rises.
function speedRange(effectId) {
    return FunctionTable.table.effectSpeedRanges[toNumber(effectId, -1)] || null
}

function speedValue(effectId, index) {
    var range = speedRange(effectId)
    if (!range)
        return 0
    var s = clamp(Math.round(toNumber(index, 0)), 0, 7)
    return Math.round((7 - s) * range[1] / 7) + range[0]
}

function speedIndex(effectId, value) {
    var range = speedRange(effectId)
    if (!range)
        return 0
    var v = toNumber(value, range[0])
    return clamp(7 - Math.round((v - range[0]) * 7 / range[1]), 0, 7)
}

function brightnessValue(index) {
    return Math.round(clamp(Math.round(toNumber(index, 7)), 0, 7) * 255 / 7)
}

function brightnessIndex(value) {
    return clamp(Math.round(toByte(value) * 7 / 255), 0, 7)
}

// Which colour-page controls a drop-down position (not an effect id) makes usable.
function speedUsable(pos) {
    return [2, 3, 4, 7, 8].indexOf(pos) >= 0
}

function brightnessUsable(pos) {
    return [1, 4, 7, 8].indexOf(pos) >= 0
}

function colorsUsable(pos) {
    return [1, 2, 6, 7, 8].indexOf(pos) >= 0
}

// ---- pointer settings: slider positions 0..10; missing entries keep the current one

function sliderIndex(value, current) {
    return clamp(Math.round(toNumber(value, current)), 0, 10)
}
