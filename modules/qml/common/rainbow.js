.pragma library

// The colour pick strip: black, red, yellow, green, cyan, blue, magenta, white, black,
// one stop every eighth of its length.

var stops = ["#000000", "#FF0000", "#FFFF00", "#00FF00", "#00FFFF",
             "#0000FF", "#FF00FF", "#FFFFFF", "#000000"]

// Colour at position p (pixels from the start) of a strip `length` pixels long, as
// {r, g, b} in 0..255. Positions outside the strip are clamped onto it.
function colorAt(p, length) {
    if (!(length > 1) || !isFinite(Number(p)))
        return { r: 0, g: 0, b: 0 }
    var x = Math.max(0, Math.min(length - 1, p))
    var ratio = x / (length - 1) / 0.125
    var level = Math.floor(ratio)
    var k = Math.round((ratio - level) * 255)
    switch (level) {
    case 0: return { r: k, g: 0, b: 0 }
    case 1: return { r: 255, g: k, b: 0 }
    case 2: return { r: 255 - k, g: 255, b: 0 }
    case 3: return { r: 0, g: 255, b: k }
    case 4: return { r: 0, g: 255 - k, b: 255 }
    case 5: return { r: k, g: 0, b: 255 }
    case 6: return { r: 255, g: k, b: 255 }
    case 7: return { r: 255 - k, g: 255 - k, b: 255 - k }
    default: return { r: 0, g: 0, b: 0 }
    }
}

// A typed colour component: 0..255, or null when the text holds no number.
function component(text) {
    var s = String(text === undefined || text === null ? "" : text).trim()
    if (!/^[0-9]+$/.test(s))
        return null
    return Math.min(255, parseInt(s, 10))
}

// First position of the strip that shows exactly this colour, or -1 when none does.
function positionOf(r, g, b, length) {
    for (var p = 0; p < length; ++p) {
        var c = colorAt(p, length)
        if (c.r === r && c.g === g && c.b === b)
            return p
    }
    return -1
}
