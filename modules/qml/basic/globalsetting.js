.pragma library

// The settings panel's list of application options (32 entries) and the arithmetic around it.
// Reading is forgiving: a hand-edited or damaged file gives `undefined` for every value that
// is missing or out of range, and the panel keeps what it had for those.

var version = 2
var entryCount = 32
var swatchCount = 7
var brightnessSteps = 7

var defaultSwatches = [
    [0, 255, 255], [255, 200, 150], [255, 180, 0], [200, 200, 100],
    [200, 170, 255], [255, 180, 180], [160, 190, 160]
]

// Settings kept when the list says nothing usable.
function defaults() {
    return {
        animation: 0,
        language: -1,
        customBackground: false,
        customImage: "",
        size: 0,
        swatches: defaultSwatches.map(function (c) { return c.slice() }),
        selected: 0,
        brightness: brightnessSteps,
        url: ""
    }
}

// Whole number in [lo, hi] from a number or a decimal text, otherwise undefined.
function intIn(value, lo, hi) {
    if (typeof value === "number" || typeof value === "string") {
        var text = String(value).trim()
        if (/^[+-]?\d+$/.test(text)) {
            var n = parseInt(text, 10)
            if (n >= lo && n <= hi)
                return n
        }
    }
    return undefined
}

function boolOf(value) {
    if (value === true || value === false)
        return value
    var text = String(value).trim().toLowerCase()
    if (text === "true" || text === "1")
        return true
    if (text === "false" || text === "0")
        return false
    return undefined
}

function textOf(value) {
    return typeof value === "string" ? value : undefined
}

function swatchAt(list, i) {
    var rgb = []
    for (var k = 0; k < 3; ++k) {
        var c = intIn(list[8 + 3 * i + k], 0, 255)
        if (c === undefined)
            return undefined
        rgb.push(c)
    }
    return rgb
}

// Reads the stored list. Fields that are absent or unusable are undefined; `languageCount`
// bounds the language position. Returns null for an empty or missing list.
function parse(list, languageCount) {
    if (!list || typeof list.length !== "number" || list.length === 0)
        return null
    var swatches = []
    for (var i = 0; i < swatchCount; ++i)
        swatches.push(swatchAt(list, i))
    return {
        animation: intIn(list[3], 0, 1),
        language: intIn(list[4], 0, Math.max(-1, languageCount - 1)),
        customBackground: boolOf(list[5]),
        customImage: textOf(list[6]),
        size: intIn(list[7], 0, 1),
        swatches: swatches,
        selected: intIn(list[29], 0, swatchCount - 1),
        brightness: intIn(list[30], 0, brightnessSteps),
        url: textOf(list[31])
    }
}

// The list in stored order. Positions 0 to 2 are fixed whatever was read.
function build(s) {
    var list = [version, 0, 0, s.animation, s.language, s.customBackground, s.customImage, s.size]
    for (var i = 0; i < swatchCount; ++i)
        list.push(s.swatches[i][0], s.swatches[i][1], s.swatches[i][2])
    list.push(s.selected, s.brightness, s.url)
    return list
}

function animationSpeed(position) {
    return position === 1 ? 10 : 800
}

function textSize(position) {
    return position === 1 ? 12 : 11
}

// Opacity of the text colour for a brightness step: 45 at step 0 up to 255 at the top step.
function alphaFor(step) {
    return 45 + step * 210 / brightnessSteps
}

// Text colour components (0 to 1) for a swatch and a brightness step.
function textColour(rgb, step) {
    return { r: rgb[0] / 255, g: rgb[1] / 255, b: rgb[2] / 255, a: alphaFor(step) / 255 }
}

// A language pack's text list over the built-in one: an entry the pack lacks or leaves
// empty keeps the built-in text, and entries beyond the built-in list come from the pack.
function mergeStrings(pack, builtIn) {
    var merged = builtIn.slice()
    var n = pack && typeof pack.length === "number" ? pack.length : 0
    for (var i = 0; i < n; ++i) {
        var text = pack[i]
        if (typeof text === "string" && text.length > 0)
            merged[i] = text
        else if (i >= merged.length)
            merged[i] = ""
    }
    return merged
}

// Language drop-down entries from the bridge's name -> code map, in code order.
function languageEntries(map) {
    if (!map || typeof map !== "object")
        return []
    // In the order of their codes: the configuration keeps the chosen position, and names in
    // each language's own script would sort differently from the codes.
    return Object.keys(map).sort(function (a, b) {
        return String(map[a]) < String(map[b]) ? -1 : String(map[a]) > String(map[b]) ? 1 : 0
    }).map(function (name) {
        return { textX: name, code: String(map[name]) }
    })
}
