.pragma library

// The page area's slide rules as a state machine, kept apart from the animations so every
// request-during-a-slide case can be checked in a table.
//
// A state is { phase, shown, next, slide }:
//   phase  idle, out (the shown page slides out) or in (the shown page slides in)
//   shown  the page that is visible (-1 none); only this page is drawn
//   next   while sliding out: the page that slides in afterwards (-1 none)
//   slide  what the view must do now: "out" start the slide-out, "in" start the slide-in,
//          "rest" stop any slide and put the content in place, "" leave things as they are

var idle = "idle"
var slidingOut = "out"
var slidingIn = "in"
var pageCount = 4

function initial() {
    return { phase: idle, shown: -1, next: -1, slide: "" }
}

// Anything but a page number 0..3 asks for no page.
function pageOf(request) {
    return Number.isInteger(request) && request >= 0 && request < pageCount ? request : -1
}

function make(phase, shown, next, slide) {
    return { phase: phase, shown: shown, next: next, slide: slide }
}

// After the slide-out (finished or cut short): the next page slides in, or none remains.
function afterSlideOut(next) {
    return next < 0 ? make(idle, -1, -1, "rest") : make(slidingIn, next, -1, "in")
}

// The user asks for a page (or none).
function request(state, page) {
    var wanted = pageOf(page)
    switch (state.phase) {
    case slidingOut:
        return afterSlideOut(wanted)
    case slidingIn:
        return make(idle, wanted, -1, "rest")
    default:
        if (wanted === state.shown)
            return make(idle, state.shown, -1, "")
        if (state.shown < 0)
            return make(slidingIn, wanted, -1, "in")
        return make(slidingOut, state.shown, wanted, "out")
    }
}

// The running slide has reached its end.
function finished(state) {
    if (state.phase === slidingOut)
        return afterSlideOut(state.next)
    return make(idle, state.shown, -1, "")
}
