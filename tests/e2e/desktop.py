"""A private desktop for whole-program tests: an X display (Xvfb) and a session bus, and the
real tavrik started on them with its own application, home, config and temp folders, driven
from outside with xdotool as a user's keyboard would drive it."""

import array
import configparser
import ctypes
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import tempfile
import threading
import time
import unittest
from pathlib import Path

MAIN_TITLE = "Tavrik v3.30 "
EDITOR_TITLE = "ID3 Editor"
# What the default output format, WAV at 44.1 kHz 16-bit stereo, writes per second.
WAV_BYTES_PER_SECOND = 44100 * 2 * 2

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _die_with_test():
    # Nothing we start may outlive a test runner that was killed at its timeout.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def wait_for(what, condition, seconds=10.0):
    """Polls `condition` until it returns a true value and returns that; fails naming `what`."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {seconds:g} s waiting for {what}")
        time.sleep(0.05)


def seconds_in(path):
    """The length of an audio file as sox reads it."""
    return float(subprocess.run(["soxi", "-D", str(path)], capture_output=True, text=True, check=True).stdout)


def tone_windows(path, hz=1000):
    """How many whole quarter seconds of the file (first channel, as sox decodes it) carry a
    tone of `hz` (±2 %)."""
    raw = subprocess.run(["sox", str(path), "-t", "raw", "-e", "signed", "-b", "16", "-r", "44100",
                          "-", "remix", "1"], capture_output=True, check=True).stdout
    samples = array.array("h")
    samples.frombytes(raw[: len(raw) // 2 * 2])
    window = 44100 // 4
    found = 0
    for start in range(0, len(samples) - window + 1, window):
        w = samples[start:start + window]
        rises = sum(1 for a, b in zip(w, w[1:]) if a < 0 <= b)
        found += max(w) > 1000 and abs(rises * 4 - hz) <= hz * 0.02
    return found


def read_ini(path):
    ini = configparser.ConfigParser(interpolation=None, strict=False)
    ini.read(path, encoding="latin-1")
    return ini


def write_ini(path, section, values):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(f"[{section}]\n" + "".join(f"{k}={v}\n" for k, v in values.items()))



class BusStandIn:
    """A stand-in service (a script beside this file, run on the system's Python, where Debian's
    python3-dbus and python3-gi live) on the bus at `address`, or on a private bus of its own;
    the lines it prints are collected as they come, and it says "ready" once it serves."""

    def __init__(self, folder, script, address=None):
        self.lines = []
        self._processes = []
        self._log = open(folder / f"{Path(script).stem}.log", "w")
        try:
            if address is None:
                bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address"])
                if not select.select([bus.stdout], [], [], 15)[0]:
                    raise AssertionError("the stand-in's bus did not start within 15 s")
                address = bus.stdout.readline().strip()
            self.address = address
            service = self._spawn(["/usr/bin/python3", "-B", str(Path(__file__).with_name(script)), address])
            threading.Thread(target=self._collect, args=(service.stdout,), daemon=True).start()
            wait_for(script, lambda: "ready" in self.lines, 15)
        except AssertionError:
            self.close()
            raise

    def _spawn(self, argv):
        p = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                             stderr=self._log, text=True, preexec_fn=_die_with_test)
        self._processes.append(p)
        return p

    def _collect(self, stream):
        for line in stream:
            self.lines.append(line.strip())

    def close(self):
        for p in reversed(self._processes):
            p.kill()
            p.wait()
            p.stdout.close()
        self._log.close()

class Desktop:
    """Xvfb on a free display number and a session bus; both end with the context."""

    def __enter__(self):
        self.root = Path(tempfile.mkdtemp(prefix="tavrik-e2e-"))
        self._processes = []
        try:
            self._start_display()
            self.bus = self._start_bus()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for p in reversed(self._processes):
            # Asked first, so that Xvfb removes its socket and lock.
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
            if p.stdout:
                p.stdout.close()
        shutil.rmtree(self.root, ignore_errors=True)

    def _spawn(self, argv, **kwargs):
        p = subprocess.Popen(argv, stdin=subprocess.DEVNULL, preexec_fn=_die_with_test, **kwargs)
        self._processes.append(p)
        return p

    def _start_display(self):
        self.display = ":" + self._start_xvfb()

    def display_environment(self):
        """What a program needs to show its windows on this desktop."""
        return {"DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb"}

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        with open(self.root / "xvfb.log", "wb") as log:
            # -noreset: by default the server resets when its last client leaves, and refuses
            # a program that connects just then (an xdotool call had been the last one).
            self._spawn(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset",
                         "-screen", "0", "1280x1024x24"],
                        pass_fds=(write_end,), stdout=log, stderr=log)
        os.close(write_end)
        with os.fdopen(read_end) as displayfd:
            # Xvfb writes its display number once it accepts clients.
            if not select.select([displayfd], [], [], 15)[0]:
                raise AssertionError("Xvfb did not start within 15 s")
            number = displayfd.readline().strip()
        if not number.isdigit():
            raise AssertionError("Xvfb failed: " + (self.root / "xvfb.log").read_text())
        return number

    def _start_bus(self):
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        if not select.select([bus.stdout], [], [], 15)[0]:
            raise AssertionError("the session bus did not start within 15 s")
        return bus.stdout.readline().strip()

    def xdotool(self, *args, check=True):
        done = subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.display},
                              capture_output=True, text=True, timeout=15)
        if check and done.returncode != 0:
            raise AssertionError(f"xdotool {' '.join(args)}: {done.stderr.strip()}")
        return done

    def program(self, name):
        return Tavrik(self, self.root / name)

    def start_tray_host(self):
        """tint2 with only its system tray. It waits for a window manager's desktop properties,
        so they are set on the root window first, as a window manager would."""
        env = {**os.environ, "DISPLAY": self.display}
        for prop, value in (("_NET_NUMBER_OF_DESKTOPS", "1"), ("_NET_WORKAREA", "0, 0, 1280, 1024")):
            subprocess.run(["xprop", "-root", "-f", prop, "32c", "-set", prop, value], env=env, check=True,
                           timeout=15)
        config = self.root / "tint2rc"
        config.write_text("panel_items = S\npanel_position = bottom center horizontal\n"
                          "panel_size = 100% 30\nsystray_icon_size = 22\n")
        self._spawn(["tint2", "-c", str(config)], env=env, stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        with X11(self.display) as x:
            wait_for("the tray host to own the system tray", lambda: x.selection_owner("_NET_SYSTEM_TRAY_S0"))

    def start_window_manager(self):
        """Openbox, as a user's desktop has a window manager that iconifies and restores windows."""
        env = {**os.environ, "DISPLAY": self.display, "HOME": str(self.root),
               "XDG_CONFIG_HOME": str(self.root / "wm-config"), "XDG_CACHE_HOME": str(self.root / "wm-cache")}
        self._spawn(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with X11(self.display) as x:
            wait_for("the window manager to own the screen", lambda: x.selection_owner("WM_S0"))

    def window_state(self, window):
        """The state the window manager gives `window`: "Normal", "Iconic", or "" when it
        manages it no more."""
        done = subprocess.run(["xprop", "-id", str(window), "WM_STATE"], env={**os.environ, "DISPLAY": self.display},
                              capture_output=True, text=True, timeout=15)
        found = re.search(r"window state: (\w+)", done.stdout)
        return found.group(1) if found else ""

    def other_program(self, name):
        """A window of another program (xmessage), mapped on top; returns its window."""
        self._spawn(["xmessage", "-name", name, "-geometry", "+100+100", "another program"],
                    env={**os.environ, "DISPLAY": self.display}, stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        found = wait_for(f"the window of {name}", lambda: self.xdotool(
            "search", "--onlyvisible", "--classname", "^" + re.escape(name) + "$", check=False).stdout.split())
        return int(found[0])

    def focused_window(self):
        return int(self.xdotool("getwindowfocus", "-f").stdout)


class WaylandDesktop(Desktop):
    """A Wayland session instead of X: weston's headless compositor on a socket of its own,
    and a session bus. Weston offers no global shortcuts portal and no virtual keyboard, so
    programs on it are driven by their command line and by signals."""

    def _start_display(self):
        runtime = self.root / "wayland-runtime"
        runtime.mkdir(mode=0o700)
        with open(self.root / "weston.log", "wb") as log:
            self._spawn(["weston", "--backend=headless-backend.so", "--socket=wayland-tavrik", "--idle-time=0",
                         "--no-config"], env={**os.environ, "XDG_RUNTIME_DIR": str(runtime)},
                        stdout=log, stderr=log)
        socket = runtime / "wayland-tavrik"
        wait_for("weston's socket", socket.exists, 15)
        self.wayland_display = str(socket)

    def display_environment(self):
        return {"WAYLAND_DISPLAY": self.wayland_display, "XDG_SESSION_TYPE": "wayland",
                "QT_QPA_PLATFORM": "wayland"}


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


def _send_delete_window(display, window):
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        raise AssertionError(f"cannot open display {display}")
    event = _XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    event.xclient.data[1] = 0  # CurrentTime
    x11.XSendEvent(dpy, window, 0, 0, ctypes.byref(event))
    x11.XCloseDisplay(dpy)  # flushes the event


class _WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class X11:
    """A client of the display of its own, through libX11: holds key grabs, reads selection
    owners and the stacking order."""

    _ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)

    def __init__(self, display):
        x11 = self._x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XGetSelectionOwner.restype = ctypes.c_ulong
        x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XStringToKeysym.restype = ctypes.c_ulong
        x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int,
                                 ctypes.c_int, ctypes.c_int]
        x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                   ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                   ctypes.POINTER(ctypes.c_uint)]
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(_WindowAttributes)]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.errors = []
        # Xlib's own handler ends the process on any protocol error: keep the errors instead.
        self._handler = self._ERROR_HANDLER(lambda dpy, event: self.errors.append(event) or 0)
        x11.XSetErrorHandler(self._handler)
        self._dpy = x11.XOpenDisplay(display.encode())
        if not self._dpy:
            raise AssertionError(f"cannot open display {display}")
        self.root = x11.XDefaultRootWindow(self._dpy)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self._x11.XCloseDisplay(self._dpy)

    def selection_owner(self, name):
        return self._x11.XGetSelectionOwner(self._dpy, self._x11.XInternAtom(self._dpy, name.encode(), 0))

    def grab_ctrl_key(self, key):
        """Takes Ctrl+`key` (exactly, no lock modifiers) for the whole display, as another
        program's hotkey would; held while this client stays connected."""
        code = self._x11.XKeysymToKeycode(self._dpy, self._x11.XStringToKeysym(key.encode()))
        self._x11.XGrabKey(self._dpy, code, 1 << 2, self.root, 0, 1, 1)  # ControlMask, GrabModeAsync
        self._x11.XSync(self._dpy, 0)
        if self.errors:
            raise AssertionError(f"could not grab Ctrl+{key}")

    def children(self, window):
        """The children of `window`, bottom of the stacking order first."""
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self._x11.XQueryTree(self._dpy, window, ctypes.byref(root), ctypes.byref(parent),
                                    ctypes.byref(children), ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            self._x11.XFree(children)
        return found

    def viewable(self, window):
        attributes = _WindowAttributes()
        if not self._x11.XGetWindowAttributes(self._dpy, window, ctypes.byref(attributes)):
            return False
        return attributes.map_state == 2  # IsViewable

    def descendants(self, window):
        found = []
        for child in self.children(window):
            found += [child, *self.descendants(child)]
        return found


class Tavrik:
    """One run of the real program in its own folders; killed at the end of the context
    if it is still running."""

    def __init__(self, desktop, folder):
        self.desktop = desktop
        self.app_dir = folder / "app"
        self.home = folder / "home"
        self.config_dir = folder / "config"
        self._tmp = folder / "tmp"
        # Copies meet through the runtime folder: each run has its own, private as a session's is.
        self.runtime_dir = folder / "runtime"
        for d in (self.app_dir, self.home, self.config_dir, self._tmp):
            d.mkdir(parents=True)
        self.runtime_dir.mkdir(mode=0o700)
        self.settings_file = self.app_dir / "settings.dat"
        self._stderr_path = folder / "stderr.log"
        self.extra_environment = {}
        self.process = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def write_settings(self, **values):
        write_ini(self.settings_file, "set", values)

    def set_editor_folder(self, folder):
        write_ini(self.config_dir / "tavrik" / "tavrik.conf", "Settings", {"folder": folder})

    def environment(self):
        env = {k: v for k, v in os.environ.items() if k not in ("SESSION_MANAGER", "WAYLAND_DISPLAY", "DISPLAY")}
        env.update(self.desktop.display_environment())
        env.update(DBUS_SESSION_BUS_ADDRESS=self.desktop.bus, HOME=str(self.home),
                   XDG_CONFIG_HOME=str(self.config_dir), TMPDIR=str(self._tmp),
                   XDG_RUNTIME_DIR=str(self.runtime_dir), TAVRIK_UNATTENDED="1")
        env.update(self.extra_environment)
        return env

    def start(self, *args):
        with open(self._stderr_path, "wb") as err:
            self.process = subprocess.Popen(
                [os.environ["TAVRIK_BINARY"], "--app-dir", str(self.app_dir), *args], env=self.environment(),
                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=err,
                preexec_fn=_die_with_test)

    def command(self, *args):
        """Runs a second copy with `args` (for the running one); returns that copy's status."""
        return self.second_start(*args).returncode

    def second_start(self, *args, **environment):
        """Runs a second copy with `args` and `environment` on top of this run's; returns its
        completed process, output and status."""
        return subprocess.run([os.environ["TAVRIK_BINARY"], "--app-dir", str(self.app_dir), *args],
                              env={**self.environment(), **environment}, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=30)

    def shown_windows(self):
        """This run's top-level windows that are mapped (xdotool's search misses menus)."""
        pid = str(self.process.pid)
        with X11(self.desktop.display) as x:
            shown = [w for w in x.children(x.root) if x.viewable(w)]
        return {w for w in shown if self.desktop.xdotool("getwindowpid", str(w), check=False).stdout.strip() == pid}

    def tray_icon(self):
        """The program's icon once the tray host has embedded it (xdotool's search misses it)."""
        def embedded():
            panels = self.desktop.xdotool("search", "--name", "^tint2$", check=False).stdout.split()
            with X11(self.desktop.display) as x:
                inside = [w for p in panels for w in x.descendants(int(p))]
            pid = str(self.process.pid)
            return next((w for w in inside
                         if self.desktop.xdotool("getwindowpid", str(w), check=False).stdout.strip() == pid), None)
        return self.wait_for("the tray icon embedded in the tray", embedded)

    def stderr(self):
        return self._stderr_path.read_text(errors="replace")

    def wait_for(self, what, condition, seconds=10.0):
        """wait_for() that fails at once if the program ends; a failure shows its stderr."""
        def running_and_met():
            if self.process.poll() is not None:
                raise AssertionError(f"tavrik ended with status {self.process.returncode} before {what}")
            return condition()
        try:
            return wait_for(what, running_and_met, seconds)
        except AssertionError as failure:
            raise AssertionError(f"{failure}; tavrik's stderr:\n{self.stderr()}") from None

    def cpu_ticks(self):
        """The CPU time all of the program's threads have used, in clock ticks."""
        total = 0
        for task in os.scandir(f"/proc/{self.process.pid}/task"):
            try:
                fields = open(f"{task.path}/stat").read().rsplit(")", 1)[1].split()
            except FileNotFoundError:
                continue
            total += int(fields[11]) + int(fields[12])
        return total

    def wait_idle(self, what):
        """Waits until the program used no CPU over a tenth of a second: what it was doing
        (results handed from a worker thread to the window, and painted) is done."""
        last = [None]

        def settled():
            now = self.cpu_ticks()
            quiet, last[0] = now == last[0], now
            time.sleep(0.1)
            return quiet
        self.wait_for(what, settled)

    def _own_window(self, title):
        found = self.desktop.xdotool("search", "--onlyvisible", "--name", "^" + re.escape(title) + "$",
                                     check=False)
        for window in found.stdout.split():
            # The search ignores case and matches hidden helper windows: compare exactly.
            name = self.desktop.xdotool("getwindowname", window, check=False).stdout.rstrip("\n")
            pid = self.desktop.xdotool("getwindowpid", window, check=False).stdout.strip()
            if name == title and pid == str(self.process.pid):
                return int(window)
        return None

    def window(self, title, seconds=15):
        return self.wait_for(f'the window "{title}"', lambda: self._own_window(title), seconds)

    def window_gone(self, title, seconds=10):
        self.wait_for(f'the window "{title}" to close', lambda: self._own_window(title) is None, seconds)

    def focus(self, window):
        # No window manager runs: the input focus is set directly, and keys go where it is.
        self.desktop.xdotool("windowfocus", "--sync", str(window))

    def keys(self, *keys):
        self.desktop.xdotool("key", *keys)

    def click_close_box(self, window):
        """What a window manager sends when the user clicks the window's close box."""
        _send_delete_window(self.desktop.display, window)

    def wait_exit(self, seconds=15):
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"tavrik did not end within {seconds} s:\n{self.stderr()}") from None


class SinkMonitor:
    """Records what a PulseAudio sink plays (its monitor) as 44.1 kHz mono 16-bit while the
    context lasts. Start it a few seconds before the sound: a null sink's monitor delivers
    late to a reader that has just attached."""

    RATE = 44100
    WINDOW = RATE // 10

    def __init__(self, sink, path):
        self._path = path
        self._out = open(path, "wb")
        self._parec = subprocess.Popen(
            ["parec", "-d", sink + ".monitor", "--raw", "--format=s16le", f"--rate={self.RATE}",
             "--channels=1", "--latency-msec=20"],
            stdin=subprocess.DEVNULL, stdout=self._out, stderr=subprocess.DEVNULL,
            preexec_fn=_die_with_test)
        self._from = 0
        self._tone_windows = 0

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self._parec.kill()
        self._parec.wait()
        self._out.close()

    def listen_from_now(self):
        self._from = os.path.getsize(self._path) // 2 // self.WINDOW * self.WINDOW
        self._tone_windows = 0

    def seconds_of_tone(self, hz):
        """Tenths of a second heard since listen_from_now() that carry a tone of `hz` (±5 %)."""
        if self._parec.poll() is not None:
            raise AssertionError("parec ended while listening")
        with open(self._path, "rb") as f:
            f.seek(self._from * 2)
            data = f.read()
        samples = array.array("h")
        samples.frombytes(data[: len(data) // (2 * self.WINDOW) * 2 * self.WINDOW])
        for start in range(0, len(samples), self.WINDOW):
            w = samples[start:start + self.WINDOW]
            rises = sum(1 for a, b in zip(w, w[1:]) if a < 0 <= b)
            if max(w) > 1000 and abs(rises - hz / 10) <= hz / 200:
                self._tone_windows += 1
        self._from += len(samples)
        return self._tone_windows / 10


class FolderReads:
    """The names of files in a folder that were opened and closed again without writing since
    the context began (inotify): what a program has read, seen from outside."""

    _IN_CLOSE_NOWRITE = 0x10

    def __init__(self, folder):
        self._fd = _libc.inotify_init1(os.O_NONBLOCK | os.O_CLOEXEC)
        if self._fd < 0 or _libc.inotify_add_watch(self._fd, os.fsencode(folder),
                                                   self._IN_CLOSE_NOWRITE) < 0:
            raise OSError(ctypes.get_errno(), f"inotify on {folder}")
        self._names = set()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        os.close(self._fd)

    def names(self):
        while True:
            try:
                events = os.read(self._fd, 65536)
            except BlockingIOError:
                return self._names
            offset = 0
            while offset < len(events):
                length = struct.unpack_from("iIII", events, offset)[3]
                name = events[offset + 16:offset + 16 + length].split(b"\0")[0]
                self._names.add(os.fsdecode(name))
                offset += 16 + length
