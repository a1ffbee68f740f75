.pragma library
.import "../basic/keycodes.js" as KeyCodes

// Action texts of a macro and the edits the macro page makes on them. An action is one text:
// a value followed by a command field of exactly ten characters, the command right-aligned.
// Every edit returns a new state { actions, selected, clipboard } and leaves its input alone,
// so the page can save the new list first and show it only when the save succeeded.

var commandWidth = 10
var down = "[Down]"
var up = "[Up]"
var delay = "[Delay]"

var delayMin = 10
var delayMax = 65535
var delayDefault = 1000

function padCommand(command) {
    var field = String(command)
    while (field.length < commandWidth)
        field = " " + field
    return field
}

function join(value, command) {
    return String(value) + padCommand(command)
}

// Value is everything but the last ten characters, command the last ten with the blanks
// dropped. A text the page cannot split (too short, unknown command) is shown whole as its
// value, marked not valid, and kept as it is.
function split(text) {
    var line = String(text)
    var field = line.slice(-commandWidth)
    var command = field.replace(/^ +/, "")
    var known = line.length >= commandWidth
            && (command === down || command === up || command === delay)
            && padCommand(command) === field
    if (!known)
        return { value: line, command: "", valid: false }
    return { value: line.slice(0, line.length - commandWidth), command: command, valid: true }
}

function keyActions(name) {
    return [join(name, down), join(name, up)]
}

function delayAction(ms) {
    return join(ms, delay)
}

// Mouse drop-down position 0..4 to "MS-L".."MS-B5"; undefined outside.
function mouseName(position) {
    var index = Number(position)
    if (!(index >= 0 && index <= 4) || Math.floor(index) !== index)
        return undefined
    return KeyCodes.mousecodeTostr(0xF0 + index)
}

// The recorded text of one key report, or "" for a usage without a name.
function recordedAction(isDown, usbCode) {
    var name = KeyCodes.keycodeTostr(usbCode)
    if (name === undefined)
        return ""
    return join(name, isDown ? down : up)
}

// The usage the key hook reports for a key that operates the recorder's buttons, or 0.
function operatingUsage(key) {
    return key === Qt.Key_Space ? 0x2C : key === Qt.Key_Return ? 0x28 : key === Qt.Key_Enter ? 0x58
         : key === Qt.Key_Escape ? 0x29 : 0
}

// A recording under way: the actions so far, for each key pressed in it the places of its
// presses not yet released, and the keys left out until their release (those down when it
// began, the key that began it).
function startRecorder(skipped) {
    return { actions: [], held: {}, skipped: Object.assign({}, skipped) }
}

// The recorder after one key report. A release whose press it did not see is left out.
function recordReport(recorder, isDown, usbCode) {
    var held = Object.assign({}, recorder.held)
    var skipped = Object.assign({}, recorder.skipped)
    var next = { actions: recorder.actions, held: held, skipped: skipped }
    if (skipped[usbCode]) {
        if (!isDown)
            delete skipped[usbCode]
        return next
    }
    var text = recordedAction(isDown, usbCode)
    if (text === "" || (!isDown && !held[usbCode]))
        return next
    if (isDown)
        held[usbCode] = (held[usbCode] || []).concat([recorder.actions.length])
    else
        delete held[usbCode]
    next.actions = recorder.actions.concat([text])
    return next
}

// The actions a finished recording keeps: presses still held at its end (the key that stopped
// it among them) are left out, so the macro never leaves a key down on the mouse.
function finishedActions(recorder) {
    var open = {}
    for (var usage in recorder.held)
        recorder.held[usage].forEach(function (index) { open[index] = true })
    return recorder.actions.filter(function (text, index) { return !open[index] })
}

function emptyClipboard() {
    return { text: "", once: false }
}

function state(actions, selected, clipboard) {
    return {
        actions: actions,
        selected: selected,
        clipboard: clipboard === undefined ? emptyClipboard() : clipboard
    }
}

function isSelection(actions, selected) {
    return selected >= 0 && selected < actions.length && Math.floor(selected) === selected
}

// New actions go before the selected one, in their order, and the selection stays on the
// same action; without a selection they are appended.
function insert(actions, selected, items, clipboard) {
    var list = actions.slice()
    var extra = items.slice()
    if (!isSelection(list, selected)) {
        return state(list.concat(extra), -1, clipboard)
    }
    Array.prototype.splice.apply(list, [selected, 0].concat(extra))
    return state(list, selected + extra.length, clipboard)
}

// The selection moves to the action that followed, so a cut and a paste put the action back
// where it was.
function remove(actions, selected, clipboard) {
    var list = actions.slice()
    if (!isSelection(list, selected))
        return state(list, -1, clipboard)
    list.splice(selected, 1)
    return state(list, selected < list.length ? selected : -1, clipboard)
}

function cut(actions, selected) {
    if (!isSelection(actions, selected))
        return state(actions.slice(), -1, emptyClipboard())
    return remove(actions, selected, { text: actions[selected], once: true })
}

function copy(actions, selected, clipboard) {
    if (!isSelection(actions, selected))
        return state(actions.slice(), selected, clipboard)
    return state(actions.slice(), selected, { text: actions[selected], once: false })
}

function canPaste(clipboard) {
    return clipboard !== undefined && clipboard !== null && String(clipboard.text) !== ""
}

// After a cut the clipboard holds its action for one paste only.
function paste(actions, selected, clipboard) {
    if (!canPaste(clipboard))
        return state(actions.slice(), selected, emptyClipboard())
    var kept = clipboard.once ? emptyClipboard() : clipboard
    return insert(actions, selected, [clipboard.text], kept)
}

// The committed delay: the typed number, at most five digits, clamped to the range [least,
// greatest] the program gives (by default 10 to 65535). A field without digits keeps the
// previous value.
function commitDelay(typed, previous, range) {
    var text = String(typed).trim()
    if (!/^[0-9]{1,5}$/.test(text))
        return previous
    var least = range ? Number(range[0]) : delayMin
    var greatest = range ? Number(range[1]) : delayMax
    return Math.max(least, Math.min(greatest, parseInt(text, 10)))
}

// File names come with their four-character extension, which the list does not show.
function displayName(fileName) {
    var name = String(fileName)
    return name.length > 4 ? name.slice(0, name.length - 4) : ""
}

// A new macro name must be a plain, unused file name; anything else is refused before the
// library sees it (which refuses the same names on its own).
function isAcceptableName(newName, oldName, names) {
    var name = String(newName)
    if (name === "" || name === oldName || name === "." || name === "..")
        return false
    if (/[\/\\\u0000]/.test(name) || name.trim() === "")
        return false
    for (var i = 0; i < names.length; ++i) {
        var other = String(names[i])
        if (other !== oldName && other.toLowerCase() === name.toLowerCase())
            return false
    }
    return true
}
