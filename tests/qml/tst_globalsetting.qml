import QtQuick
import QtTest
import "../../modules/qml/basic/globalsetting.js" as G
import "../../modules/qml/basic/builtinstrings.js" as BuiltIn

TestCase {
    name: "GlobalSetting"

    // The factory list as QSettings hands it over: every value a text.
    function storedList() {
        return ["2", "0", "0", "1", "2", "true", "file:/tmp/bg.png", "1",
                "0", "255", "255", "255", "200", "150", "255", "180", "0", "200", "200", "100",
                "200", "170", "255", "255", "180", "180", "160", "190", "160",
                "4", "3", "https://example.org/guide"]
    }

    function withEntry(index, value) {
        const list = storedList()
        list[index] = value
        return list
    }

    function test_parse_keeps_unusable_values_out_data() {
        return [
            { tag: "language past the list", list: withEntry(4, "7"), field: "language" },
            { tag: "language negative", list: withEntry(4, "-1"), field: "language" },
            { tag: "animation 2", list: withEntry(3, "2"), field: "animation" },
            { tag: "size position 5", list: withEntry(7, "5"), field: "size" },
            { tag: "size not a number", list: withEntry(7, "large"), field: "size" },
            { tag: "brightness 99", list: withEntry(30, "99"), field: "brightness" },
            { tag: "brightness fraction", list: withEntry(30, "3.5"), field: "brightness" },
            { tag: "selected swatch 7", list: withEntry(29, "7"), field: "selected" },
            { tag: "background flag text", list: withEntry(5, "maybe"), field: "customBackground" },
            { tag: "short list", list: ["2", "0", "0"], field: "url" },
            { tag: "address a number", list: withEntry(31, 12), field: "url" }
        ]
    }

    function test_parse_keeps_unusable_values_out(row) {
        const state = G.parse(row.list, 7)
        verify(state !== null)
        compare(state[row.field], undefined)
    }

    function test_parse_swatch_data() {
        return [
            { tag: "component above 255", index: 9, value: "256", swatch: 0 },
            { tag: "component not a number", index: 14, value: "abc", swatch: 2 },
            { tag: "last component missing", index: 28, value: undefined, swatch: 6 }
        ]
    }

    // A bad component drops only its own swatch; the neighbours still load.
    function test_parse_swatch(row) {
        const state = G.parse(withEntry(row.index, row.value), 7)
        compare(state.swatches[row.swatch], undefined)
        const neighbour = row.swatch === 0 ? 1 : 0
        compare(state.swatches[neighbour], G.parse(storedList(), 7).swatches[neighbour])
    }

    function test_parse_empty_lists_data() {
        return [
            { tag: "empty", list: [] },
            { tag: "undefined", list: undefined },
            { tag: "not a list", list: 5 }
        ]
    }

    function test_parse_empty_lists(row) {
        compare(G.parse(row.list, 7), null)
    }

    function test_build_round_trip() {
        const state = G.parse(storedList(), 7)
        compare(state.language, 2)
        compare(state.customBackground, true)
        compare(state.swatches[1], [255, 200, 150])
        const list = G.build(state)
        compare(list.length, G.entryCount)
        compare(G.parse(list, 7), state)
    }

    function test_build_fixed_head() {
        const state = G.parse(withEntry(1, "9"), 7)
        const list = G.build(state)
        compare(list.slice(0, 3), [2, 0, 0])
        compare(list[31], "https://example.org/guide")
    }

    function test_alpha_data() {
        return [
            { tag: "step 0", step: 0, alpha: 45 },
            { tag: "step 3", step: 3, alpha: 135 },
            { tag: "step 7", step: 7, alpha: 255 }
        ]
    }

    function test_alpha(row) {
        compare(G.alphaFor(row.step), row.alpha)
        fuzzyCompare(G.textColour([255, 0, 51], row.step).a, row.alpha / 255, 1e-9)
    }

    function test_merge_strings_data() {
        return [
            { tag: "missing pack", pack: [""], index: 0, text: "Arial" },
            { tag: "short pack", pack: ["Noto Sans", "OPCIONES"], index: 113, text: "ALL RESET" },
            { tag: "empty entry", pack: ["Noto Sans", "", "BUCLE"], index: 1, text: "OPTIONS" },
            { tag: "pack entry", pack: ["Noto Sans", "", "BUCLE"], index: 2, text: "BUCLE" },
            { tag: "beyond built-in", pack: new Array(116).fill("X"), index: 115, text: "X" },
            { tag: "not a list", pack: null, index: 29, text: "LANGUAGE" }
        ]
    }

    function test_merge_strings(row) {
        const merged = G.mergeStrings(row.pack, BuiltIn.list)
        compare(merged[row.index], row.text)
        verify(merged.length >= BuiltIn.list.length)
    }

    // The configuration keeps a position: names in their own scripts must not reorder them.
    function test_language_entries_in_code_order() {
        const entries = G.languageEntries({ "English": "031000", "Deutsch": "042000",
                                            "\u4E2D\u6587 (\u7B80\u4F53)": "025044" })
        compare(entries.map(e => e.code), ["025044", "031000", "042000"])
        compare(entries[1].textX, "English")
        compare(G.languageEntries(undefined), [])
    }
}
