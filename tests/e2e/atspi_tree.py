#!/usr/bin/python3
"""What a screen reader finds on the accessibility bus: the program with process id PID shows
one frame named TITLE that holds its controls, and every object that takes focus has a name.
PAGES names the function menu's entries (as the language shows them); each page is opened by a
click on its entry and checked in turn. Prints the frame and the count of named focusable
objects; exit status 1 with the faults listed, 2 when the program never shows up."""
import subprocess
import sys
import time

import pyatspi


def application(pid, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    yield node
    if depth > 60:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def focusable(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING)


def describe(node):
    return "%s '%s' under %s" % (node.getRoleName(), node.name, node.parent.getRoleName() if node.parent else "-")


def check(frame, where, faults, named):
    for node in walk(frame):
        if focusable(node):
            if node.name.strip():
                named.add((node.getRoleName(), node.name))
            else:
                faults.append("%s: focusable %s without a name" % (where, describe(node)))


def click(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True, timeout=10)
    time.sleep(1.0)


def main():
    pid, title, pages = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    app = application(pid, 30)
    if app is None:
        print("the program never appeared on the accessibility bus")
        return 2
    time.sleep(2)  # the start-up animation
    tops = [app.getChildAtIndex(i) for i in range(app.childCount)]
    frames = [t for t in tops if t is not None and t.getRole() == pyatspi.ROLE_FRAME]
    faults = []
    if len(tops) != 1 or len(frames) != 1 or frames[0].name != title:
        faults.append("top-level objects: %s (one frame named '%s' expected)"
                      % (", ".join(describe(t) for t in tops if t is not None), title))
    frame = next((f for f in frames if f.name == title), frames[0] if frames else None)
    named = set()
    if frame is not None:
        check(frame, "start", faults, named)
        for page in pages:
            entry = next((n for n in walk(frame) if focusable(n) and n.name == page), None)
            if entry is None:
                faults.append("no function menu entry named '%s'" % page)
                continue
            click(entry)
            check(frame, page, faults, named)
    print("frames named '%s': %d; named focusable objects: %d"
          % (title, sum(1 for f in frames if f.name == title), len(named)))
    for fault in faults:
        print("FAULT: " + fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
