import QtQuick
import QtTest
import "../../modules/qml/Z4/pagearea.js" as Slides

TestCase {
    name: "PageAreaSlides"

    // Steps: a number requests that page (-1 none), "f" lets the running slide finish.
    function run(steps) {
        let state = Slides.initial()
        for (const step of steps)
            state = step === "f" ? Slides.finished(state) : Slides.request(state, step)
        return state
    }

    function test_slides_data() {
        return [
            { tag: "slide-in ends", steps: [2, "f"], phase: "idle", shown: 2, slide: "" },
            { tag: "none slides the page out", steps: [1, "f", -1], phase: "out", shown: 1, next: -1, slide: "out" },
            { tag: "after sliding out none remains", steps: [1, "f", -1, "f"], phase: "idle", shown: -1, slide: "rest" },
            { tag: "another page: then in", steps: [0, "f", 3, "f"], phase: "in", shown: 3, slide: "in" },
            { tag: "request during slide-out replaces the next page and cuts the slide short",
              steps: [0, "f", 3, 2], phase: "in", shown: 2, slide: "in" },
            { tag: "none during slide-out ends with no page", steps: [0, "f", 3, -1], phase: "idle", shown: -1, slide: "rest" },
            { tag: "none during slide-in hides at once", steps: [0, -1], phase: "idle", shown: -1, slide: "rest" },
            { tag: "the shown page again changes nothing", steps: [3, "f", 3], phase: "idle", shown: 3, slide: "" },
            { tag: "none while none is shown", steps: [-1], phase: "idle", shown: -1, slide: "" },
            { tag: "page past the last means none", steps: [1, "f", 4], phase: "out", shown: 1, next: -1, slide: "out" },
            { tag: "non-numbers mean none", steps: ["MACRO", "2", null, true, undefined, 1.5], phase: "idle", shown: -1, slide: "" }
        ]
    }

    function test_slides(row) {
        const state = run(row.steps)
        compare(state.phase, row.phase)
        compare(state.shown, row.shown)
        compare(state.slide, row.slide)
        if (row.next !== undefined)
            compare(state.next, row.next)
    }
}
