// Loaded into KWin by z4switch: tells it which window became active. callDBus is asynchronous,
// so a slow or absent z4switch never holds up KWin. The method name carries a version, because
// a script loaded by an older z4switch can outlive an upgrade.
function report(w) {
    var call = ["io.github.z4config.Switcher", "/KWin", "io.github.z4config.Switcher.KWin", "WindowActivated1"];
    if (w)
        call.push(String(w.resourceClass), String(w.resourceName), String(w.caption), String(w.pid));
    else
        call.push("", "", "", "0");
    callDBus.apply(null, call);
}
// Plasma 6 names it windowActivated, Plasma 5 clientActivated.
(workspace.windowActivated || workspace.clientActivated).connect(report);
report(workspace.activeWindow || workspace.activeClient);
