#!/usr/bin/env python3
"""Random use of the real program on the simulated mouse, with checks that it survives it.

Started by scripts/soak.sh, which builds the sanitizer program first. One --random number gives
one sequence of events; every event is written to events.jsonl, and --replay runs such a file
again, event by event with its pauses. See soak.sh for what is checked.
"""
import argparse
import collections
import configparser
import glob
import grp
import json
import os
import pwd
import random
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

WIDTH, HEIGHT = 1000, 600
# Where a click would end the run or open a browser: the close button and the logo.
FORBIDDEN = [(950, 0, 1000, 44), (400, 0, 600, 48)]
# Controls worth hitting more often than chance would: the function menu, the first and a later
# profile, APPLY, the bottom bar's ALL RESET and ALL SAVE, the macro list's first row.
HOT_SPOTS = [(78, 192), (78, 264), (78, 336), (78, 408), (943, 104), (943, 200), (830, 508),
             (428, 577), (572, 577), (572, 577), (280, 126)]
# APPLY and ALL SAVE, aimed at now and then on purpose, so every run has writes to compare.
WRITERS = [(830, 508), (572, 577)]
KEYS = (["Tab"] * 6 + ["shift+Tab", "Return", "Escape", "space", "Left", "Right", "Up", "Down",
        "BackSpace", "Delete", "Home", "End", "ctrl+s"]
        + [f"alt+{n}" for n in range(1, 6)] + [f"ctrl+{n}" for n in range(1, 5)]
        + list("aqz0159"))
# Lines of the program's diagnostics that mean a fault: script errors in the scene, misused
# framework calls, bindings that loop.
SUSPECT_OUTPUT = re.compile(r"TypeError|ReferenceError|RangeError|SyntaxError|QString::arg|Binding loop|"
                            r"QObject::|QWidget::|QMetaObject::|Unable to assign|Cannot (?:read|assign)|"
                            r"is not a function|depth of")
TAGS = ("    [Down]", "      [Up]", "   [Delay]")
PROBE_LIMIT_S = 2.0


class Failure(Exception):
    pass


def run(*cmd, check=False, timeout=10, **kw):
    try:
        return subprocess.run(cmd, capture_output=True, text=True, check=check, timeout=timeout, **kw)
    except subprocess.TimeoutExpired:
        return subprocess.CompletedProcess(cmd, 1, "", "timeout")


def unused_id():
    """A user and group id of the run's own: no account, group or process has it, so nothing else
    shares what the program may touch (the shared "nobody" does)."""
    taken = set()
    for process in glob.glob("/proc/[0-9]*"):
        try:
            taken.add(os.stat(process).st_uid)
        except OSError:
            pass  # ended meanwhile
    for _ in range(1000):
        n = random.SystemRandom().randrange(200000, 2000000000)
        try:
            pwd.getpwuid(n)
            continue
        except KeyError:
            pass
        try:
            grp.getgrgid(n)
            continue
        except KeyError:
            pass
        if n not in taken:
            return n
    raise Failure("no free user id")


def create_private(path, uid, text):
    """Writes a new file where another user owns the folder: never through a link or a file that
    user planted (O_EXCL|O_NOFOLLOW), and handed to that user rather than made world-writable."""
    fd = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL | os.O_NOFOLLOW | os.O_CLOEXEC, 0o600)
    try:
        if uid is not None:
            os.fchown(fd, uid, uid)
        os.write(fd, text.encode())
    finally:
        os.close(fd)


class Sandbox:
    """A throw-away folder with the program, its home and data, owned by a user id of the run's
    own; the program sees the rest of the file system read-only. The folder itself and what the
    driver writes (events, the program's output) stay root's, so the program's user cannot plant
    links where root writes."""

    def __init__(self, program_dir, preload, suppressions, keep_dir):
        self.root = tempfile.mkdtemp(prefix="z4soak.", dir=keep_dir)
        os.chmod(self.root, 0o755)
        self.uid = unused_id() if os.geteuid() == 0 else None
        self.prog = os.path.join(self.root, "prog")
        shutil.copytree(program_dir, self.prog, symlinks=True)
        for sub in ("home", "tmp", "run", "bin"):
            os.makedirs(os.path.join(self.root, sub))
        os.chmod(os.path.join(self.root, "tmp"), 0o700)
        self.preload = shutil.copy(preload, os.path.join(self.root, "bin"))
        self.supp = shutil.copy(suppressions, os.path.join(self.root, "bin"))
        # Help links and the user guide would start a browser: the stand-in only notes them.
        stub = os.path.join(self.root, "bin", "xdg-open")
        with open(stub, "w") as f:
            f.write('#!/bin/sh\necho "$@" >>"$HOME/opened-urls"\n')
        os.chmod(stub, 0o755)
        if self.uid is not None:
            for base, dirs, files in os.walk(self.root):
                for name in ([] if base == self.root else [base]) + [os.path.join(base, n) for n in dirs + files]:
                    os.lchown(name, self.uid, self.uid)
        self.state = self.path("run", "mouse.state")
        self.wire = self.path("run", "wire.log")
        self.control = self.path("run", "control")
        self.program_log = self.path("program.log")
        self.socket = self.path("tmp", f"z4config-copydata-{self.uid if self.uid is not None else os.geteuid()}")

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def command(self):
        inner = ('mount --bind "$1" "$1" && mount -o remount,bind,ro / '
                 '&& mount -t tmpfs -o mode=1777 tmpfs /dev/shm && shift && exec "$@"')
        drop = []
        unshare = ["unshare", "--mount", "--propagation", "private"]
        if self.uid is not None:
            drop = ["setpriv", f"--reuid={self.uid}", f"--regid={self.uid}",
                    "--clear-groups", "--inh-caps=-all"]
        else:
            unshare.append("--map-root-user")
        return unshare + ["sh", "-c", inner, "sh", self.root] + drop + [os.path.join(self.prog, "z4config")]

    def environment(self, display, xauth):
        run_dir = self.path("run")
        return {
            "PATH": self.path("bin") + ":/usr/bin:/bin", "LANG": "C.UTF-8",
            "HOME": self.path("home"), "TMPDIR": self.path("tmp"), "XDG_RUNTIME_DIR": self.path("tmp"),
            "Z4_RUNTIME_FOLDER": self.path("tmp"),
            "DISPLAY": display, "XAUTHORITY": xauth, "QT_QPA_PLATFORM": "xcb",
            "QT_QUICK_BACKEND": "software", "LD_PRELOAD": self.preload, "GSETTINGS_BACKEND": "memory",
            "Z4SIM_STATE": self.state, "Z4SIM_WIRELOG": self.wire, "Z4SIM_CONTROL": self.control,
            "ASAN_OPTIONS": f"detect_leaks=1:abort_on_error=1:verify_asan_link_order=0:log_path={run_dir}/asan",
            "LSAN_OPTIONS": f"suppressions={self.supp}:print_suppressions=0",
            "UBSAN_OPTIONS": f"print_stacktrace=1:log_path={run_dir}/ubsan",
        }


class Display:
    """A virtual X server of our own with a cookie the program's user can read."""

    def __init__(self, sandbox):
        # Other test runs take displays from 99 up; one that is taken makes our server exit.
        for number in range(100 + os.getpid() % 400, 600):
            if not os.path.exists(f"/tmp/.X{number}-lock") and self.serve(sandbox, f":{number}"):
                return
        raise Failure("no virtual X server would start")

    def serve(self, sandbox, name):
        self.name, self.auth = name, sandbox.path("xauth")
        run("xauth", "-f", self.auth, "add", name, "MIT-MAGIC-COOKIE-1", os.urandom(16).hex(), check=True)
        if sandbox.uid is not None:
            os.chown(self.auth, sandbox.uid, sandbox.uid)
        self.server = subprocess.Popen(["Xvfb", name, "-screen", "0", "1600x1000x24", "-nolisten", "tcp",
                                        "-auth", self.auth], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.environ["DISPLAY"], os.environ["XAUTHORITY"] = name, self.auth
        for _ in range(100):
            if self.server.poll() is not None:
                return False
            if run("xdpyinfo").returncode == 0:
                time.sleep(0.2)  # the answer may have come from the display's owner
                return self.server.poll() is None
            time.sleep(0.1)
        self.stop()
        return False

    def stop(self):
        self.server.terminate()
        self.server.wait()


class Wire:
    """Follows the simulated mouse's wire log: plug changes, malformed exchanges and the groups
    that complete writes stored in the mouse."""

    def __init__(self, path):
        self.path, self.offset = path, 0
        self.plugged, self.unplugs = True, 0
        self.block = None  # (group, profile, bytes still expected)
        self.written = {}  # (group, profile) -> unplug count when the mouse stored it
        self.stores = 0
        self.last_change = time.monotonic()

    def follow(self):
        try:
            with open(self.path) as f:
                f.seek(self.offset)
                text = f.read()
        except FileNotFoundError:
            return []
        end = text.rfind("\n") + 1
        self.offset += len(text[:end].encode())
        if end:
            self.last_change = time.monotonic()
        faults = []
        for line in text[:end].splitlines():
            faults += self.take(line.split())
        return faults

    def take(self, words):
        if len(words) >= 3 and words[1] == "sim":
            if words[2] == "fault":
                return [" ".join(words[3:])]
            self.plugged = words[2] == "plug"
            self.unplugs += words[2] == "unplug"
            self.block = None
        elif len(words) == 5 and words[1:3] == ["out", "command"]:
            data = bytes.fromhex(words[4])
            if words[3] == "feature":
                return self.command(data)
            if len(data) != 65 or not self.block:
                return [f"data report of {len(data)} bytes" + ("" if self.block else " outside a block write")]
            group, profile, left = self.block
            left -= len(data) - 1
            self.block = (group, profile, left) if left > 0 else None
            if left <= 0 and group != "macro" and profile < 6:
                self.written[(group, profile)] = self.unplugs
                self.stores += 1
        return []

    def command(self, data):
        """The mouse itself notes the commands it rejects; the framing is checked here."""
        faults = ["block write cut short by a command"] if self.block else []
        self.block = None
        if len(data) != 9:
            return faults + [f"command of {len(data)} bytes"]
        code, ident = data[1], data[2]
        if code in (0x0C, 0x0D, 0x0F):
            self.block = ("image" if code == 0x0C else "matrix" if code == 0x0D else "macro", ident, 128)
        elif code in (0x03, 0x04) and ident < 6:
            self.written[("rate" if code == 0x03 else "stage", ident)] = self.unplugs
            self.stores += 1
        return faults


def mouse_memory(path):
    memory = {}
    with open(path) as f:
        for words in (line.split() for line in f):
            if len(words) == 4 and words[0] == "profile":
                value = bytes.fromhex(words[3]) if words[2] in ("image", "matrix") else int(words[3])
                memory[(words[2], int(words[1]))] = value
    return memory


def read_ini(path):
    ini = configparser.ConfigParser(interpolation=None, strict=False)
    ini.optionxform = str
    with open(path, encoding="utf-8") as f:
        ini.read_file(f)
    return ini


def int_list(ini, section, key, length, low=0, high=255):
    text = ini.get(section, key, fallback=None)
    if text is None:
        raise Failure(f"{section}/{key} missing")
    items = [v.strip() for v in text.split(",")]
    if len(items) != length or not all(v.lstrip("-").isdigit() and low <= int(v) <= high for v in items):
        raise Failure(f"{section}/{key} is not {length} numbers from {low} to {high}: {text[:80]}")
    return [int(v) for v in items]


def check_profile_file(path):
    ini = read_ini(path)
    lists = {}
    for section in ("profile_fw", "matrix_fw", "other_fw"):
        dirty = [v.strip() for v in ini.get(section, "dirty", fallback="").split(",")]
        if len(dirty) < 6 or not set(dirty) <= {"true", "false"}:
            raise Failure(f"{section}/dirty is not 6 flags: {dirty}")
        for p in range(6):
            lists[(section, p)] = int_list(ini, section, str(p), 128)
    for p in range(6):
        pointer = ini.get("profile_sw", str(p), fallback=None)
        if pointer is not None and len(pointer.split(",")) != 4:
            raise Failure(f"profile_sw/{p} is not 4 values: {pointer}")
    return lists


def unquote(value):
    return value[1:-1] if len(value) >= 2 and value[0] == value[-1] == '"' else value


def check_macro_file(path):
    ini = read_ini(path)
    total = int(ini.get("config", "total", fallback="0"))
    index = int(ini.get("config", "index", fallback="-1"))
    if not -1 <= index <= 99 or total < 0:
        raise Failure(f"{os.path.basename(path)}: index {index}, total {total}")
    for i in range(total):
        line = unquote(ini.get("macro", str(i), fallback=""))
        if len(line) < 11 or line[-10:] not in TAGS:
            raise Failure(f"{os.path.basename(path)}: line {i} of {total} is {line!r}")


def quiet_file(path, age=1.0):
    try:
        return time.time() - os.stat(path).st_mtime > age
    except FileNotFoundError:
        return False


class Soak:
    def __init__(self, args, sandbox):
        self.args, self.box = args, sandbox
        self.rng = random.Random(args.random)
        self.history = collections.deque(maxlen=50)
        self.events = open(os.path.join(sandbox.root, "events.jsonl"), "x")
        self.events.write(json.dumps({"random": args.random, "seconds": args.seconds}) + "\n")
        self.wire = Wire(sandbox.wire)
        self.count, self.checks, self.compared, self.probes, self.worst_probe = 0, 0, 0, 0, 0.0
        self.restarts, self.log_offset, self.checked_writes = 0, 0, 0
        self.pid = self.window = None

    # -- the program ----------------------------------------------------------------------
    def start(self, display):
        # In root's own folder, so a restart's reopening can meet no planted link.
        log = open(self.box.program_log, "a")
        self.process = subprocess.Popen(self.box.command(), env=self.box.environment(display.name, display.auth),
                                        stdout=log, stderr=subprocess.STDOUT)
        self.pid = self.process.pid
        for _ in range(300):
            found = run("xdotool", "search", "--onlyvisible", "--pid", str(self.pid)).stdout.split()
            if found:
                self.window = found[0]
                run("xdotool", "windowmove", "--sync", self.window, "0", "0")
                return
            self.alive()
            time.sleep(0.1)
        raise Failure("the program showed no window")

    def alive(self):
        code = self.process.poll()
        if code is None:
            return True
        self.sanitizer_reports()
        if code == 0:
            return False  # closed from the keyboard (close button, Ctrl+Q are not sent but Tab reaches it)
        raise Failure(f"the program died with status {code}")

    def sanitizer_reports(self):
        for report in glob.glob(self.box.path("run", "asan*")) + glob.glob(self.box.path("run", "ubsan*")):
            if os.path.getsize(report):
                with open(report, errors="replace") as f:
                    raise Failure(f"sanitizer report {report}:\n" + f.read()[:6000])

    def stop(self):
        if self.process.poll() is None:
            os.kill(self.pid, signal.SIGTERM)
            try:
                code = self.process.wait(timeout=60)
            except subprocess.TimeoutExpired:
                self.process.kill()
                raise Failure("the program did not end within 60 s of SIGTERM")
            if code != 0:
                self.sanitizer_reports()
                raise Failure(f"the program answered SIGTERM with status {code}")
        self.sanitizer_reports()

    # -- checks ---------------------------------------------------------------------------
    def probe(self):
        """A copy-data frame with an unknown tag: the program's event loop takes it and closes
        the connection, and shows nothing."""
        if not os.path.exists(self.box.socket):
            return
        began = time.monotonic()
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
            s.settimeout(PROBE_LIMIT_S)
            try:
                s.connect(self.box.socket)
                s.sendall(bytes(8))
                while s.recv(64):
                    pass
            except socket.timeout:
                if self.alive():
                    raise Failure(f"the event loop did not answer a probe within {PROBE_LIMIT_S} s")
            except OSError:
                return  # the program is between instances or going
        self.probes += 1
        self.worst_probe = max(self.worst_probe, time.monotonic() - began)

    def program_output(self):
        with open(self.box.program_log, errors="replace") as f:
            f.seek(self.log_offset)
            text = f.read()
        self.log_offset += len(text.encode(errors="replace"))
        suspect = [line for line in text.splitlines() if SUSPECT_OUTPUT.search(line)]
        if suspect:
            raise Failure("the program reported:\n" + "\n".join(suspect[:20]))

    def follow_wire(self):
        faults = self.wire.follow()
        if faults:
            raise Failure("the simulated mouse saw a malformed exchange: " + "; ".join(faults))

    def check_files(self):
        """The files parse with full-length lists and, where the mouse stored a write that no
        unplug has put in doubt since, the profile file holds what the mouse holds."""
        profile = self.box.path("prog", "modules", "setting", "p_Z4.bin")
        if quiet_file(profile):
            lists = check_profile_file(profile)
            if quiet_file(profile) and self.wire.plugged and quiet_file(self.box.state, 0.5):
                self.compare(lists, mouse_memory(self.box.state))
        for macro in glob.glob(self.box.path("prog", "modules", "macro", "1", "*.bin")):
            if quiet_file(macro) and os.path.isfile(macro):
                check_macro_file(macro)
        self.checks += 1

    def compare(self, lists, memory):
        for (group, p), unplugs in self.wire.written.items():
            if unplugs != self.wire.unplugs:
                continue
            if group in ("image", "matrix"):
                ours = bytes(v & 0xFF for v in lists[("profile_fw" if group == "image" else "matrix_fw", p)])
            else:
                ours = lists[("other_fw", p)][1 if group == "rate" else 0]
            self.compared += 1
            if ours != memory[(group, p)]:
                raise Failure(f"profile {p} {group}: the profile file holds {ours!r}, the mouse {memory[(group, p)]!r}")

    def idle_check(self):
        """Waits up to 4 s for a moment without exchanges or file writes, then checks."""
        deadline = time.monotonic() + 4
        while time.monotonic() < deadline:
            self.follow_wire()
            if time.monotonic() - self.wire.last_change > 1.2 and not os.path.exists(self.box.control):
                self.check_files()
                return
            time.sleep(0.2)

    # -- events ---------------------------------------------------------------------------
    def record(self, event):
        event["n"] = self.count
        self.count += 1
        self.history.append(event)
        self.events.write(json.dumps(event) + "\n")
        self.events.flush()

    def dialogs(self):
        found = run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.pid)).stdout.split()
        return [w for w in found if w != self.window]

    def point(self):
        rng = self.rng
        while True:
            x, y = rng.choice(HOT_SPOTS) if rng.random() < 0.4 else (rng.randrange(WIDTH), rng.randrange(HEIGHT))
            x, y = x + rng.randint(-4, 4), y + rng.randint(-4, 4)
            if not any(a <= x < c and b <= y < d for a, b, c, d in FORBIDDEN):
                return x, y

    def next_event(self):
        rng = self.rng
        pause = rng.choice([0.05, 0.1, 0.1, 0.2, 0.3, 0.5, 1.0, 2.0])
        if rng.random() < 0.08 and not os.path.exists(self.box.control):
            plug = rng.choice(["unplug", "unplug", "unplug-after-write 1", "unplug-after-write 2"])
            return {"a": "mouse", "c": "plug" if not self.wire.plugged else plug, "p": pause}
        if self.dialogs() and rng.random() < 0.6:
            event = {"a": "dialog", "k": rng.choice(["Escape", "Escape", "Return", "Tab", "space", "shift+Tab",
                                                     "type", "click"])}
            if event["k"] == "type":
                event["t"] = self.text()
            elif event["k"] == "click":
                event["x"], event["y"] = round(rng.random(), 3), round(rng.random(), 3)
            event["p"] = pause
            return event
        kind = rng.choices(["click", "double", "right", "wheel", "drag", "key", "type", "home", "write"],
                           [40, 8, 6, 5, 10, 20, 10, 1, 4])[0]
        x, y = self.point()
        if kind == "write":
            kind, (x, y) = "click", rng.choice(WRITERS)
        event = {"a": kind, "x": x, "y": y}
        if kind == "drag":
            far = rng.random() < 0.3
            event["x2"], event["y2"] = self.point() if far else (x + rng.randint(-150, 150), y + rng.randint(-20, 20))
        elif kind == "wheel":
            event["b"] = rng.choice(["4", "5"])
        elif kind == "type":  # into the field under the pointer, if there is one
            event["t"] = self.text()
        elif kind in ("key", "home"):
            event = {"a": kind, "k": rng.choice(KEYS)} if kind == "key" else {"a": kind}
        event["p"] = pause
        return event

    def text(self):
        alphabet = self.rng.choice(["0123456789", "0123456789", "abcdefgh XYZ.-_", "-0123456789"])
        return "".join(self.rng.choice(alphabet) for _ in range(self.rng.randint(1, 8)))

    def act(self, e):
        win, xy = self.window, [str(e.get("x")), str(e.get("y"))]
        a = e["a"]
        if a == "mouse":
            temporary = f"{self.box.control}.{os.urandom(6).hex()}"
            create_private(temporary, self.box.uid, e["c"] + "\n")
            os.rename(temporary, self.box.control)
        elif a == "dialog":
            self.on_dialog(e)
        elif a in ("click", "double", "right", "wheel"):
            button = {"click": "1", "double": "1", "right": "3"}.get(a, e.get("b", "4"))
            repeat = ["--repeat", "2", "--delay", "90"] if a == "double" else []
            run("xdotool", "mousemove", "--window", win, *xy, "click", *repeat, button)
        elif a == "drag":
            mid = [str((e["x"] + e["x2"]) // 2), str((e["y"] + e["y2"]) // 2)]
            run("xdotool", "mousemove", "--window", win, *xy, "mousedown", "1", "sleep", "0.05",
                "mousemove", "--window", win, *mid, "sleep", "0.05",
                "mousemove", "--window", win, str(e["x2"]), str(e["y2"]), "sleep", "0.05", "mouseup", "1")
            # A window dragged off the screen would take every later click: it comes back.
            run("xdotool", "windowmove", "--sync", win, "0", "0")
        elif a == "key":
            run("xdotool", "windowfocus", win)
            run("xdotool", "key", e["k"])
        elif a == "type":
            run("xdotool", "windowfocus", win)
            run("xdotool", "mousemove", "--window", win, *xy, "click", "1", "sleep", "0.2", "type", "--delay", "30", e["t"])
        elif a == "home":
            run("xdotool", "windowmove", win, "0", "0")
        time.sleep(e["p"])

    def on_dialog(self, e):
        found = self.dialogs()
        if not found:
            return
        dialog = found[-1]
        run("xdotool", "windowfocus", "--sync", dialog)
        if e["k"] == "type":
            run("xdotool", "type", "--delay", "30", e["t"])
        elif e["k"] == "click":
            geometry = dict(line.split("=") for line in run("xdotool", "getwindowgeometry", "--shell",
                                                           dialog).stdout.split())
            x, y = int(e["x"] * int(geometry.get("WIDTH", 1))), int(e["y"] * int(geometry.get("HEIGHT", 1)))
            run("xdotool", "mousemove", "--window", dialog, str(x), str(y), "click", "1")
        else:
            run("xdotool", "key", e["k"])

    # -- the run --------------------------------------------------------------------------
    def drive(self, display, replay):
        self.start(display)
        began = time.monotonic()
        last_probe = 0.0
        while True:
            if replay is not None:
                if not replay:
                    break
                event = replay.popleft()
            elif time.monotonic() - began >= self.args.seconds:
                break
            else:
                event = self.next_event()
            self.record(event)
            self.act(event)
            if not self.alive():
                self.record({"a": "closed"})
                self.restarts += 1
                self.idle_check()
                self.start(display)
            self.sanitizer_reports()
            self.follow_wire()
            self.program_output()
            if time.monotonic() - last_probe > 1.0:
                self.probe()
                last_probe = time.monotonic()
            # After an APPLY or ALL SAVE reached the mouse, and now and then anyway.
            if self.count % 25 == 0 or self.wire.stores != self.checked_writes:
                self.idle_check()
                self.checked_writes = self.wire.stores
        self.idle_check()
        self.stop()
        self.follow_wire()
        self.program_output()
        self.check_files()
        return time.monotonic() - began


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--random", type=int, help="the number that picks the run's choices")
    parser.add_argument("--replay")
    parser.add_argument("--program", required=True, help="folder with z4config")
    parser.add_argument("--preload", required=True)
    parser.add_argument("--suppressions", required=True)
    parser.add_argument("--keep", default=None, help="parent folder of the run folder")
    args = parser.parse_args()
    replay = None
    if args.replay:
        with open(args.replay) as f:
            header, *lines = [json.loads(line) for line in f if line.strip()]
        args.random = header.get("random")
        replay = collections.deque(e for e in lines if e.get("a") != "closed")
    if args.random is None:
        args.random = int.from_bytes(os.urandom(4), "little")
    print(f"soak: --random {args.random}, {'replay of ' + args.replay if replay is not None else f'{args.seconds:g} s'}",
          flush=True)
    box = Sandbox(args.program, args.preload, args.suppressions, args.keep)
    display = Display(box)
    soak = Soak(args, box)
    try:
        elapsed = soak.drive(display, replay)
    except (Failure, configparser.Error, ValueError) as failure:
        if soak.process.poll() is None:
            soak.process.kill()
        print(f"soak: FAILED with --random {args.random}: {failure}", file=sys.stderr)
        print("soak: the last 50 events:", file=sys.stderr)
        for event in soak.history:
            print("  " + json.dumps(event), file=sys.stderr)
        print(f"soak: run folder {box.root}; again with: scripts/soak.sh --replay {box.root}/events.jsonl"
              f" (or the same choices anew: scripts/soak.sh --random {args.random} --seconds {args.seconds:g})",
              file=sys.stderr)
        return 1
    finally:
        display.stop()
    minutes = elapsed / 60
    print(f"soak: passed, --random {args.random}: {soak.count} events in {elapsed:.0f} s "
          f"({soak.count / minutes:.0f} a minute), {soak.checks} file checks ({soak.compared} written groups "
          f"compared with the mouse), {soak.probes} probes "
          f"(slowest {soak.worst_probe:.2f} s), {soak.wire.unplugs} unplugs, {soak.restarts} restarts "
          f"after a close", flush=True)
    if not os.environ.get("SOAK_KEEP"):
        shutil.rmtree(box.root, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
