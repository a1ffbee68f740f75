import QtQuick
import QtTest
import "../../modules/qml/Z4/macroactions.js" as Actions

TestCase {
    name: "MacroActions"

    readonly property var abc: ["A    [Down]", "A      [Up]", "100   [Delay]", "C    [Down]"]

    function test_format_data() {
        return [
            { tag: "key press", value: "A", command: "[Down]", text: "A    [Down]" },
            { tag: "key release", value: "L Shift", command: "[Up]", text: "L Shift      [Up]" },
            { tag: "delay", value: 1000, command: "[Delay]", text: "1000   [Delay]" },
            { tag: "value ending like a command", value: "[Up]", command: "[Up]", text: "[Up]      [Up]" }
        ]
    }

    function test_format(row) {
        var text = Actions.join(row.value, row.command)
        compare(text, row.text)
        var parts = Actions.split(text)
        verify(parts.valid)
        compare(parts.value, String(row.value))
        compare(parts.command, row.command)
        compare(Actions.join(parts.value, parts.command), text, "split and join round trip")
    }

    // Lines the page cannot split stay whole and are never rewritten.
    function test_unsplittable_data() {
        return [
            { tag: "shorter than the field", text: "A [Down]" },
            { tag: "unknown command", text: "A   [Press]" },
            { tag: "command not right-aligned", text: "A[Down]    " },
            { tag: "missing line read as 0", text: "0" }
        ]
    }

    function test_unsplittable(row) {
        var parts = Actions.split(row.text)
        verify(!parts.valid)
        compare(parts.value, row.text)
        var kept = Actions.insert([row.text, "B    [Down]"], 1, Actions.keyActions("C"))
        compare(kept.actions[0], row.text)
    }

    function test_insert_data() {
        return [
            { tag: "before the third", selected: 2, at: 2, selectedAfter: 4 },
            { tag: "appended without selection", selected: -1, at: 4, selectedAfter: -1 },
            { tag: "not an index appends", selected: undefined, at: 4, selectedAfter: -1 }
        ]
    }

    function test_insert(row) {
        var result = Actions.insert(abc, row.selected, Actions.keyActions("B"))
        compare(result.actions.length, 6)
        compare(result.actions[row.at], "B    [Down]")
        compare(result.actions[row.at + 1], "B      [Up]")
        compare(result.selected, row.selectedAfter)
        compare(abc.length, 4, "the input list is left alone")
    }

    // Cut holds its action for one paste, copy for any number.
    function test_clipboard_data() {
        return [
            { tag: "cut then paste twice", cut: true, lengths: [3, 4, 4], canPasteAfter: [true, false, false] },
            { tag: "copy then paste twice", cut: false, lengths: [4, 5, 6], canPasteAfter: [true, true, true] }
        ]
    }

    function test_clipboard(row) {
        var s = row.cut ? Actions.cut(abc, 1) : Actions.copy(abc, 1, Actions.emptyClipboard())
        for (var step = 0; step < 3; ++step) {
            if (step > 0)
                s = Actions.paste(s.actions, s.selected, s.clipboard)
            compare(s.actions.length, row.lengths[step], "length after step " + step)
            compare(Actions.canPaste(s.clipboard), row.canPasteAfter[step], "paste possible after step " + step)
        }
        compare(s.actions.filter(function (a) { return a === abc[1] }).length, row.cut ? 1 : 3)
    }

    function test_cutPasteRestoresPlace_data() {
        return [ { tag: "middle", index: 1 }, { tag: "last", index: 3 } ]
    }

    function test_cutPasteRestoresPlace(row) {
        var s = Actions.cut(abc, row.index)
        s = Actions.paste(s.actions, s.selected, s.clipboard)
        compare(s.actions, abc)
    }

    function test_noSelection() {
        var clip = { text: "X    [Down]", once: false }
        compare(Actions.remove(abc, -1).actions, abc)
        compare(Actions.cut(abc, 9).actions, abc)
        compare(Actions.copy(abc, 9, clip).clipboard, clip)
        compare(Actions.paste(abc, 0, Actions.emptyClipboard()).actions, abc)
    }

    function test_commitDelay_data() {
        return [
            { tag: "raised to 10", typed: "5", value: 10 },
            { tag: "kept", typed: "250", value: 250 },
            { tag: "five digits above the range", typed: "99999", value: 65535 },
            { tag: "empty keeps previous", typed: "", value: 1000 },
            { tag: "not a number keeps previous", typed: "-5", value: 1000 }
        ]
    }

    function test_commitDelay(row) {
        compare(Actions.commitDelay(row.typed, 1000), row.value)
    }

    function test_recordedAction_data() {
        return [
            { tag: "letter release", down: false, code: 0x04, text: "A      [Up]" },
            { tag: "mouse code skipped", down: true, code: 0xF0, text: "" }
        ]
    }

    function test_recordedAction(row) {
        compare(Actions.recordedAction(row.down, row.code), row.text)
    }

    function test_rename_data() {
        return [
            { tag: "plain", name: "Jump", ok: true },
            { tag: "case change of itself", name: "macro. 001", ok: true },
            { tag: "empty", name: "", ok: false },
            { tag: "blanks only", name: "  ", ok: false },
            { tag: "existing", name: "Macro. 002", ok: false },
            { tag: "existing in other case", name: "MACRO. 002", ok: false },
            { tag: "path separator", name: "../x", ok: false },
            { tag: "backslash", name: "a\\b", ok: false },
            { tag: "parent", name: "..", ok: false }
        ]
    }

    function test_rename(row) {
        compare(Actions.isAcceptableName(row.name, "Macro. 001", ["Macro. 001", "Macro. 002"]), row.ok)
    }
}
