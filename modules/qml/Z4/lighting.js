.pragma library
.import "sensorcolor.js" as SC

// The colour page's preview of the lighting effects: one small function per effect from the
// time (ms) and the values the mouse would be told (the core converts the page's sliders, the
// bridge's z4_lightingValues) to one [r, g, b] per light zone.

// Light zones in the order the preview draws them; `along` runs from the front (0) to the back.
var zones = [
    { name: "wheel", along: 0 },
    { name: "logo", along: 0.81 },
    { name: "left1", along: 0.7 }, { name: "left2", along: 0.84 },
    { name: "left3", along: 0.94 }, { name: "left4", along: 1 },
    { name: "right1", along: 0.6 }, { name: "right2", along: 0.77 },
    { name: "right3", along: 0.9 }, { name: "right4", along: 0.99 }
]
var zoneCount = zones.length

// The round a light takes: the wheel, down the right strip, the logo, up the left strip.
var spotlightOrder = [0, 6, 7, 8, 9, 1, 5, 4, 3, 2]

// Colours of the effects that do not use the page's colour table.
var spectrum7 = [[255, 0, 0], [255, 255, 0], [0, 255, 0], [0, 255, 255], [0, 0, 255],
                 [255, 0, 255], [255, 255, 255]]

var frameInterval = 66 // ms between frames of a moving effect: 15 a second keeps fades smooth and cheap

var black = [0, 0, 0]

// ---- helpers

function frac(x) {
    return x - Math.floor(x)
}

function scale(rgb, k) {
    k = SC.clamp(k, 0, 1)
    return [Math.round(rgb[0] * k), Math.round(rgb[1] * k), Math.round(rgb[2] * k)]
}

function mix(a, b, k) {
    return [Math.round(a[0] + (b[0] - a[0]) * k), Math.round(a[1] + (b[1] - a[1]) * k),
            Math.round(a[2] + (b[2] - a[2]) * k)]
}

// Fully saturated colour of hue h (0..1: red, yellow, green, cyan, blue, magenta, red).
function hue(h) {
    var x = frac(h) * 6
    var i = Math.floor(x)
    var f = x - i
    var rise = Math.round(255 * f)
    var fall = 255 - rise
    return [[255, rise, 0], [fall, 255, 0], [0, 255, rise], [0, fall, 255], [rise, 0, 255],
            [255, 0, fall]][i % 6]
}

function every(rgb) {
    var out = []
    for (var i = 0; i < zoneCount; ++i)
        out.push(rgb)
    return out
}

// 0..1 for a light whose centre is at `head` along the mouse.
function nearness(along, head, width) {
    return SC.clamp(1 - Math.abs(along - head) / width, 0, 1)
}

// A repeatable scramble of a whole number, for twinkles that look random but test the same.
function hash(n) {
    var h = Math.imul(n ^ 0x5bd1e995, 0x27d4eb2d)
    h ^= h >>> 15
    return Math.imul(h, 0x165667b1) >>> 0
}

// The colour of cell i of a table that wraps.
function cell(colors, i) {
    return colors[((i % colors.length) + colors.length) % colors.length]
}

// ---- effects: (t in ms, p = { speed: device value, brightness: 0..1, colors: usable cells })

// The mouse's own show: a still rainbow from the wheel to the back.
function powerOn(t, p) {
    return zones.map(function (z) { return hue(z.along * 0.8) })
}

function steady(t, p) {
    return every(scale(p.colors[0], p.brightness))
}

// Short flashes in the table's colours at scattered zones, a new one every 150 ms.
function twinkling(t, p) {
    var slot = 150, life = 900
    var out = every(black)
    var level = every(0)
    for (var s = Math.floor((t - life) / slot) + 1; s <= Math.floor(t / slot); ++s) {
        var age = (t - s * slot) / life
        if (age < 0 || age >= 1)
            continue
        var k = age < 0.2 ? age / 0.2 : (1 - age) / 0.8
        var z = hash(s) % zoneCount
        if (k > level[z]) {
            level[z] = k
            out[z] = scale(cell(p.colors, hash(s + 7919)), k)
        }
    }
    return out
}

// Every zone fades in and out together; each breath takes the next spectrum colour.
function breathing(t, p) {
    var period = 1000 + 500 * p.speed
    var level = (1 - Math.cos(2 * Math.PI * frac(t / period))) / 2
    return every(scale(cell(spectrum7, Math.floor(t / period)), level))
}

// Every zone runs through the spectrum together.
function neon(t, p) {
    return every(scale(hue(t / (1500 * p.speed)), p.brightness))
}

// The spectrum travels from the wheel to the back.
function wave(t, p) {
    var period = 1000 + 500 * p.speed
    return zones.map(function (z) { return hue(0.75 * z.along - t / period) })
}

// Every zone blends from one cell of the table to the next, 2 s a colour.
function gliding(t, p) {
    var step = 2000
    var i = Math.floor(t / step)
    var k = frac(t / step)
    return every(mix(cell(p.colors, i), cell(p.colors, i + 1), k * k * (3 - 2 * k)))
}

// A light runs up the strips from the back to the wheel, 1.6 s a pass, each pass the next cell.
function fingerMoving(t, p) {
    var pass = 1600
    var head = 1.15 - 1.3 * frac(t / pass)
    var rgb = scale(cell(p.colors, Math.floor(t / pass)), p.brightness)
    return zones.map(function (z) { return scale(rgb, nearness(z.along, head, 0.25)) })
}

// The front and the back half take turns, each turn the next cell of the table.
function verticalFlipping(t, p) {
    var half = 60 * p.speed
    var turn = Math.floor(t / half)
    var fade = SC.clamp((t - turn * half) / 100, 0, 1)
    var rgb = scale(cell(p.colors, turn), p.brightness * fade)
    var frontLit = turn % 2 === 0
    return zones.map(function (z) { return (z.along < 0.8) === frontLit ? rgb : black })
}

// A light goes from the wheel to the back and returns, each trip the next spectrum colour.
function yoyo(t, p) {
    var trip = 150 * p.speed
    var q = frac(t / (2 * trip)) * 2
    var head = q < 1 ? q : 2 - q
    var rgb = cell(spectrum7, Math.floor(t / trip))
    return zones.map(function (z) { return scale(rgb, nearness(z.along, head, 0.3)) })
}

// A white spot goes round the zones, the one it left still fading.
function spotlight(t, p) {
    var step = 20 * p.speed
    var at = Math.floor(t / step)
    var out = every(black)
    out[spotlightOrder[(at + spotlightOrder.length - 1) % spotlightOrder.length]] =
        scale([255, 255, 255], 0.6 * (1 - frac(t / step)))
    out[spotlightOrder[at % spotlightOrder.length]] = [255, 255, 255]
    return out
}

// Effect id -> [rendering, uses the brightness, uses the colour table, moves].
var effects = [
    [powerOn, false, false, false], [steady, true, true, false], [twinkling, false, true, true],
    [breathing, false, false, true], [neon, true, false, true], [wave, false, false, true],
    [gliding, false, true, true], [fingerMoving, true, true, true],
    [verticalFlipping, true, true, true], [yoyo, false, false, true], [spotlight, false, false, true]
]

function effect(effectId) {
    return effects[SC.toNumber(effectId, -1)] || null
}

// What the effect function sees: the device speed value, the device brightness (0..255) as a
// fraction (1 where the effect has none) and the table's usable cells (at least the first).
function params(effectId, speed, brightness, cells, maxStage) {
    var e = effect(effectId)
    var list = SC.toArray(cells)
    var usable = list.slice(0, Math.max(1, SC.maxStage(maxStage)))
    return {
        speed: SC.toNumber(speed, 0),
        brightness: e && e[1] ? SC.clamp(SC.toNumber(brightness, 255), 0, 255) / 255 : 1,
        colors: usable.length > 0 ? usable : [[0, 0, 0]]
    }
}

// One [r, g, b] per zone at time t; an unknown effect leaves every zone dark.
function zoneColors(effectId, t, p) {
    var e = effect(effectId)
    return e ? e[0](Math.max(0, SC.toNumber(t, 0)), p) : every(black)
}

// A light over the dark body: the brightest channel sets how strongly it shows, so a dark
// colour is a dim light rather than a black one.
function lightColor(rgb) {
    var top = Math.max(rgb[0], rgb[1], rgb[2])
    return top > 0 ? Qt.rgba(rgb[0] / top, rgb[1] / top, rgb[2] / top, top / 255) : "transparent"
}

// Whether the effect changes with time (a still one needs no frames at all).
function moves(effectId) {
    var e = effect(effectId)
    return e !== null && e[3]
}
