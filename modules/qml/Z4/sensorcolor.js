.pragma library

// Values the sensor and colour pages show, held to what a control can show. Every function
// accepts anything (numbers, decimal texts from the profile file, undefined) and answers with
// a value inside its documented range, so a damaged file or configuration can never make a
// page throw. What a value becomes on the mouse is the core's (stage codes, report-rate bytes,
// colours, speed and brightness: the bridge's z4_* calls).

var stageCount = 8

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

// ---- active stage: the bridge counts from 1, the cells from 0

function stageIndexFromStage(stage) {
    return clamp(Math.round(toNumber(stage, 1)) - 1, 0, stageCount - 1)
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

// Eight eight-colour indices; null for any other length.
function indicesFromList(list) {
    var values = toArray(list)
    if (values.length !== stageCount)
        return null
    return values.map(function (v) { return clamp(Math.round(toNumber(v, 0)), 0, 7) })
}

// ---- lighting effects

// Drop-down position <-> effect id from the configured flags ("true" enables). Without any
// flags (the configuration lacks the key) every effect stays offered, as before initUI.
function effectMaps(effectEnable, effectCount) {
    var flags = toArray(effectEnable)
    if (flags.length === 0)
        return identityEffectMaps(effectCount)
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

function identityEffectMaps(effectCount) {
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

// ---- pointer settings: slider positions 0..10; missing entries keep the current one

function sliderIndex(value, current) {
    return clamp(Math.round(toNumber(value, current)), 0, 10)
}
