"""A private desktop for one end-to-end test, and the program started on it.

Each test gets its own X server (Xvfb on a free display), D-Bus session, accessibility bus with its
registry, and the openbox window manager, and starts the release-built program on them with a
settings folder of its own. The program is driven only from outside, as a user and a screen reader
meet it: through the accessibility bus (pyatspi), xdotool for keys and the mouse, and wmctrl, xprop
and xwininfo for what the window manager did. Every process started here is ended by the pid it was
started with, and nothing is left behind.

libatspi keeps one connection to the accessibility bus for the life of a process, so one process
holds one desktop: CTest runs each test in a process of its own.
"""

import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

# libatspi connects to the bus when it is first used, not on import: by then the desktop has set
# the bus's address in this process's environment.
import pyatspi

TWIPS_PER_PIXEL = 15

# Generous: other builds may be loading the machine. A test waits only as long as it needs.
PATIENCE = float(os.environ.get("GALVIX_E2E_PATIENCE", "1"))
DEADLINE = 30 * PATIENCE
# Once what a control shows is known to have changed, its name has no reason to lag behind.
NAME_DEADLINE = 5 * PATIENCE

SCREEN = (1280, 1024)
MAIN_TITLE = "Navorel Version 1.1 for Riviradu"
PLANNER_TITLE = "Weekly Automatic and Random Menu"
CALCULATOR_TITLE = "Galvix Inventory"
ABOUT_TITLE = "About Galvix"
MESSAGE_TITLE = "Galvix"

_desktop_in_this_process = False


def pixels(twips):
    return twips / TWIPS_PER_PIXEL


# Roles are compared as their values (pyatspi.ROLE_PUSH_BUTTON, ...), never by the names the bus
# gives them: those differ between releases of at-spi2-core ("push button" became "button").
def role_name(role):
    """The name of a role's value, as pyatspi spells it: "ROLE_PUSH_BUTTON"."""
    try:
        return str(pyatspi.Role(int(role)))
    except KeyError:
        return f"role {int(role)}"


def wanted_role(role):
    """A role a finder was asked for, or None; a role's name in place of its value is a mistake."""
    if role is not None and not isinstance(role, int):
        raise TypeError(f"roles are given as values such as pyatspi.ROLE_PUSH_BUTTON, not as {role!r}")
    return role


def wait_for(condition, what, timeout=DEADLINE, interval=0.05):
    """Calls condition until it returns something true, and returns that; fails after timeout."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as error:  # noqa: BLE001 - a window may vanish between two looks
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            what = what() if callable(what) else what
            raise AssertionError(f"gave up after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)


class Desktop:
    """Xvfb, a D-Bus session, the accessibility bus and registry, and openbox, all private."""

    def __init__(self, scratch):
        self.scratch = scratch
        self.processes = []  # (name, Popen), in the order they were started
        self.env = {}
        self.display = None
        self.a11y_address = None
        self.looking_for = None  # what the test last searched for, for the failure report
        self._pyatspi = None

    # --- starting and stopping ----------------------------------------------------------------

    def start(self):
        global _desktop_in_this_process
        if _desktop_in_this_process:
            raise RuntimeError("one desktop per process: libatspi cannot change buses; run each test alone")
        _desktop_in_this_process = True
        home = os.path.join(self.scratch, "home")
        runtime = os.path.join(self.scratch, "runtime")
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700)
        self.env = {
            "PATH": "/usr/bin:/bin",
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "LANG": "C.UTF-8",
            "GSETTINGS_BACKEND": "memory",
        }
        self._start_x()
        self._start_session_bus()
        self._start_accessibility_bus()
        self._start_window_manager()
        self._connect_accessibility()

    def _spawn(self, name, argv, pass_fds=(), env=None):
        log = open(os.path.join(self.scratch, f"{name}.log"), "ab")
        process = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT, pass_fds=pass_fds, start_new_session=True)
        log.close()
        self.processes.append((name, process))
        return process

    def _read_line_from(self, name, process, read_end):
        """The first line a child writes to the pipe it was given, with a deadline."""
        data = b""
        deadline = time.monotonic() + DEADLINE
        try:
            while not data.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or process.poll() is not None:
                    raise AssertionError(f"{name} did not start (see {name}.log)")
                ready, _, _ = select.select([read_end], [], [], min(left, 0.5))
                if ready:
                    chunk = os.read(read_end, 4096)
                    if not chunk:
                        raise AssertionError(f"{name} closed its pipe before it was ready")
                    data += chunk
        finally:
            os.close(read_end)
        return data.decode().strip()

    def _start_x(self):
        read_end, write_end = os.pipe()
        width, height = SCREEN
        xvfb = self._spawn("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                    f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"],
                           pass_fds=(write_end,))
        os.close(write_end)
        self.display = ":" + self._read_line_from("Xvfb", xvfb, read_end)
        self.env["DISPLAY"] = self.display

    def _start_session_bus(self):
        read_end, write_end = os.pipe()
        bus = self._spawn("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                          f"--print-address={write_end}"], pass_fds=(write_end,))
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line_from("dbus-daemon", bus, read_end)

    def _bus_call(self, bus, destination, path, method, *arguments, check=True):
        result = subprocess.run(["dbus-send", bus, f"--dest={destination}", "--print-reply", path, method,
                                 *arguments], env=self.env, capture_output=True, text=True, timeout=DEADLINE)
        if check and result.returncode != 0:
            raise AssertionError(f"{method} on {destination} failed: {result.stderr.strip()}")
        return result.stdout

    def _name_has_owner(self, bus, name):
        # Asked of the bus itself, so that no service is started by the question.
        reply = self._bus_call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                               "org.freedesktop.DBus.NameHasOwner", f"string:{name}", check=False)
        return "boolean true" in reply

    def _start_accessibility_bus(self):
        self._spawn("at-spi-bus-launcher", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for(lambda: self._name_has_owner("--session", "org.a11y.Bus"), "the accessibility bus launcher")
        reply = self._bus_call("--session", "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
        self.a11y_address = re.search(r'string "([^"]+)"', reply).group(1)
        self.env["AT_SPI_BUS_ADDRESS"] = self.a11y_address
        self._spawn("at-spi2-registryd", ["/usr/libexec/at-spi2-registryd"])
        wait_for(lambda: self._name_has_owner(f"--bus={self.a11y_address}", "org.a11y.atspi.Registry"),
                 "the accessibility registry")
        # What a screen reader does when it starts: toolkits watch these two and connect.
        for flag in ("IsEnabled", "ScreenReaderEnabled"):
            self._bus_call("--session", "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                           "string:org.a11y.Status", f"string:{flag}", "variant:boolean:true")

    def _start_window_manager(self):
        self._spawn("openbox", ["openbox", "--sm-disable"])
        wait_for(lambda: "window id" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False),
                 "the openbox window manager")

    def _connect_accessibility(self):
        # libatspi finds the bus through these when it is first used, so they are set before that.
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
            os.environ[key] = self.env[key]
        import pyatspi  # pylint: disable=import-outside-toplevel

        self._pyatspi = pyatspi

    def stop(self):
        """Ends every process by the pid it was started with, newest first, and their children."""
        for name, process in reversed(self.processes):
            end_process(process)
        self.processes.clear()

    def run(self, argv, check=True, input_text=None, env_extra=None):
        env = dict(self.env, **(env_extra or {}))
        result = subprocess.run(argv, env=env, capture_output=True, text=True, timeout=DEADLINE,
                                input=input_text)
        if check and result.returncode != 0:
            raise AssertionError(f"{' '.join(argv)} failed ({result.returncode}): {result.stderr.strip()}")
        return result.stdout

    # --- what the window manager did -------------------------------------------------------------

    def windows(self):
        """(id, pid, title) of every window the window manager manages."""
        found = []
        for line in self.run(["wmctrl", "-l", "-p"], check=False).splitlines():
            parts = line.split(None, 4)
            if len(parts) >= 4:
                found.append((int(parts[0], 16), int(parts[2]), parts[4] if len(parts) > 4 else ""))
        return found

    def window_ids(self, title):
        return [window for window, _, name in self.windows() if name == title]

    def wait_window(self, title, timeout=DEADLINE):
        self.looking_for = f"the window titled {title!r}"
        ids = wait_for(lambda: self.window_ids(title), self.looking_for, timeout)
        window = X11Window(self, ids[0])
        wait_for(window.frame_extents, f"the frame of {title!r}", timeout)
        return window

    def wait_no_window(self, title, timeout=DEADLINE):
        wait_for(lambda: not self.window_ids(title), f"the window {title!r} to close", timeout)

    # --- keyboard and mouse ------------------------------------------------------------------------

    def keys(self, *keys):
        self.run(["xdotool", "key", "--clearmodifiers", "--delay", "30", *keys])

    def type_text(self, text):
        self.run(["xdotool", "type", "--clearmodifiers", "--delay", "10", "--", text])

    def click(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(round(x)), str(round(y)), "click", "1"])

    # --- the accessibility bus ---------------------------------------------------------------------

    @property
    def atspi(self):
        return self._pyatspi

    def application(self, pid):
        desktop = self._pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            try:
                if application is not None and application.get_process_id() == pid:
                    # Names and texts change under the test; read them afresh every time.
                    application.set_cache_mask(self._pyatspi.Atspi.Cache.NONE)
                    return application
            except Exception:  # noqa: BLE001 - an application that just left the bus
                continue
        return None

    def screenshot(self, path):
        self.run(["import", "-window", "root", path], check=False)


def end_process(process, grace=5.0):
    """Asks a process we started to end, then forces it; its process group goes with it."""
    if process.poll() is None:
        try:
            process.send_signal(signal.SIGTERM)
            process.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(timeout=grace)
    # Children it left in the group it led (the accessibility bus's own dbus-daemon, say).
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass


class X11Window:
    """A top-level window as the X server and the window manager see it."""

    def __init__(self, desktop, window_id):
        self.desktop = desktop
        self.id = window_id

    def client(self):
        """(x, y, width, height) of the client area on the screen, in pixels."""
        out = self.desktop.run(["xwininfo", "-id", str(self.id)])

        def field(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", out).group(1))

        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"))

    def frame_extents(self):
        """(left, right, top, bottom) of the window manager's frame, or None before it has one."""
        out = self.desktop.run(["xprop", "-id", str(self.id), "_NET_FRAME_EXTENTS"], check=False)
        match = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", out)
        return tuple(int(value) for value in match.groups()) if match else None

    def frame(self):
        """(left, top, width, height) of the outer window, frame included, in pixels."""
        x, y, width, height = self.client()
        left, right, top, bottom = self.frame_extents()
        return (x - left, y - top, width + left + right, height + top + bottom)

    def states(self):
        out = self.desktop.run(["xprop", "-id", str(self.id), "_NET_WM_STATE"], check=False)
        return set(re.findall(r"_NET_WM_STATE_\w+", out))

    def mapped(self):
        return "IsViewable" in self.desktop.run(["xwininfo", "-id", str(self.id)], check=False)

    def activate(self):
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(self.id)], check=False)
        wait_for(lambda: self.desktop.run(["xdotool", "getactivewindow"], check=False).strip() == str(self.id),
                 f"window {self.id:#x} to become active")

    def close(self):
        """What the title bar's close box does."""
        self.desktop.run(["wmctrl", "-i", "-c", hex(self.id)])


class Program:
    """The release-built program, started on a desktop with a settings folder of its own."""

    def __init__(self, desktop, config_home, path=None):
        self.desktop = desktop
        self.config_home = config_home
        self.path = path
        self.process = None
        self.log = None

    @property
    def settings_file(self):
        return os.path.join(self.config_home, "Galvix", "Galvix.conf")

    def start(self):
        binary = os.environ.get("GALVIX_E2E_PROGRAM")
        if not binary or not os.access(binary, os.X_OK):
            raise AssertionError("GALVIX_E2E_PROGRAM does not name the built program")
        env = dict(self.desktop.env)
        # The program finds the accessibility bus as any desktop program does: through the session.
        env.pop("AT_SPI_BUS_ADDRESS", None)
        env.update({"XDG_CONFIG_HOME": self.config_home, "QT_QPA_PLATFORM": "xcb"})
        if self.path is not None:
            env["PATH"] = self.path
        count = sum(1 for name, _ in self.desktop.processes if name.startswith("galvix"))
        self.process = self.desktop._spawn(f"galvix-{count + 1}", [binary], env=env)  # noqa: SLF001
        return self

    def main_window(self):
        return self.desktop.wait_window(MAIN_TITLE)

    def started(self):
        """Starts the program and returns its main window once the window manager framed it."""
        self.start()
        window = self.main_window()
        wait_for(window.mapped, "the main window to be shown")
        return window

    def wait_exit(self, timeout=DEADLINE):
        wait_for(lambda: self.process.poll() is not None, "the program to end", timeout)
        return self.process.returncode

    def stop(self):
        if self.process is not None:
            end_process(self.process)

    # --- its accessibility tree ---------------------------------------------------------------------

    def application(self):
        return wait_for(lambda: self.desktop.application(self.process.pid),
                        "the program on the accessibility bus")

    def a11y_window(self, title, timeout=DEADLINE):
        self.desktop.looking_for = f"the window {title!r} on the accessibility bus"

        def find():
            application = self.desktop.application(self.process.pid)
            if application is None:
                return None
            for index in range(application.childCount):
                child = application.getChildAtIndex(index)
                if child is not None and child.name == title:
                    return child
            return None

        return wait_for(find, self.desktop.looking_for, timeout)


class Accessible:
    """Reading and pressing one object of the accessibility tree."""

    @staticmethod
    def walk(root):
        stack = [root]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            yield node
            try:
                count = node.childCount
            except Exception:  # noqa: BLE001
                continue
            stack.extend(node.getChildAtIndex(index) for index in reversed(range(count)))

    @staticmethod
    def role(node):
        return node.getRole()

    @staticmethod
    def text(node):
        """The text a screen reader reads: a text box's text, otherwise the name."""
        try:
            text = node.queryText()
        except NotImplementedError:
            return node.name
        return text.getText(0, -1)

    @staticmethod
    def extents(node, pyatspi):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (box.x, box.y, box.width, box.height)

    @staticmethod
    def has_state(node, state):
        return node.getState().contains(state)

    @staticmethod
    def press(node):
        action = node.queryAction()
        names = [action.getName(index).lower() for index in range(action.nActions)]
        action.doAction(names.index("press") if "press" in names else 0)


class GalvixTestCase(unittest.TestCase):
    """Starts a private desktop for the test, and keeps what it saw when the test fails."""

    maxDiff = None

    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="galvix-e2e-")
        self.addCleanup(shutil.rmtree, self.scratch, True)
        self.desktop = Desktop(self.scratch)
        self.addCleanup(self.desktop.stop)
        self.desktop.start()
        self.config_home = os.path.join(self.scratch, "config")
        os.makedirs(self.config_home)
        self.programs = []

    def program(self, path=None):
        program = Program(self.desktop, self.config_home, path)
        self.programs.append(program)
        return program

    # A failure is recorded while the desktop still stands: the screen, the accessibility tree and
    # the logs of every process go next to the test's CTest output.
    def _callSetUp(self):  # noqa: N802
        try:
            super()._callSetUp()
        except BaseException:
            self._keep_evidence()
            raise

    def _callTestMethod(self, method):  # noqa: N802
        try:
            super()._callTestMethod(method)
        except BaseException:
            self._keep_evidence()
            raise

    def _keep_evidence(self):
        root = os.environ.get("GALVIX_E2E_FAILURES")
        if not root or not getattr(self, "desktop", None) or not self.desktop.display:
            return
        folder = os.path.join(root, self.id())
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder, exist_ok=True)
        self.desktop.screenshot(os.path.join(folder, "screen.png"))
        with open(os.path.join(folder, "looked-for.txt"), "w", encoding="utf-8") as out:
            out.write(f"{self.desktop.looking_for}\n")
        with open(os.path.join(folder, "accessibility-tree.txt"), "w", encoding="utf-8") as out:
            out.write(self._tree_dump())
        with open(os.path.join(folder, "windows.txt"), "w", encoding="utf-8") as out:
            out.write(self.desktop.run(["wmctrl", "-l", "-G", "-p"], check=False))
        for name in os.listdir(self.scratch):
            if name.endswith(".log"):
                shutil.copy(os.path.join(self.scratch, name), folder)
        config = os.path.join(self.config_home, "Galvix", "Galvix.conf")
        if os.path.exists(config):
            shutil.copy(config, folder)
        print(f"\nlooked for: {self.desktop.looking_for}\nscreen and accessibility tree kept in {folder}")

    def _tree_dump(self):
        pyatspi = self.desktop.atspi
        if pyatspi is None:
            return "(the accessibility bus was not reached)\n"
        lines = []
        for program in self.programs:
            if program.process is None or program.process.poll() is not None:
                continue
            try:
                application = self.desktop.application(program.process.pid)
            except Exception as error:  # noqa: BLE001
                lines.append(f"pid {program.process.pid}: {error!r}")
                continue
            if application is None:
                lines.append(f"pid {program.process.pid}: not on the accessibility bus")
                continue
            lines.extend(_describe_tree(application, pyatspi))
        return "\n".join(lines) + "\n"

    # --- shared reading of the program's windows, by what a user sees ------------------------------

    def assertRole(self, node, role, msg=None):  # noqa: N802
        """Fails unless the object has the role (a value such as pyatspi.ROLE_FRAME)."""
        actual = Accessible.role(node)
        if actual != wanted_role(role):
            self.fail(self._formatMessage(msg, f"{node.name!r} is a {role_name(actual)}, not a {role_name(role)}"))

    def snapshot(self, program, title):
        """(node, role, (left, top, width, height) in pixels from the client area) of every object."""
        window = self.desktop.wait_window(title)
        a11y = program.a11y_window(title)
        pyatspi = self.desktop.atspi
        x, y, _, _ = window.client()
        objects = []
        for node in Accessible.walk(a11y):
            if node is a11y:
                continue
            try:
                role = Accessible.role(node)
                nx, ny, nw, nh = Accessible.extents(node, pyatspi)
            except Exception:  # noqa: BLE001 - objects without a component
                continue
            if role not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_FILLER):
                objects.append((node, role, (nx - x, ny - y, nw, nh)))
        return objects

    @staticmethod
    def _find(objects, rect, role=None):
        left, top, width, height = rect
        for node, node_role, (nx, ny, nw, nh) in objects:
            if role is not None and node_role != role:
                continue
            if abs(nx - pixels(left)) > 1 or abs(ny - pixels(top)) > 1:
                continue
            if width is not None and (abs(nw - pixels(width)) > 2 or abs(nh - pixels(height)) > 2):
                continue
            return node
        return None

    def controls(self, program, title, table, role=None):
        """The controls of a table {name: (left, top, width, height) twips}, found by position, each
        of the role if one is given (a value such as pyatspi.ROLE_LABEL)."""
        role = wanted_role(role)
        kind = f" ({role_name(role)})" if role is not None else ""

        def find():
            objects = self.snapshot(program, title)
            found = {name: self._find(objects, rect, role) for name, rect in table.items()}
            missing = [name for name, node in found.items() if node is None]
            shown = missing or list(table)
            self.desktop.looking_for = (f"{', '.join(shown)}{kind} at "
                                        + "; ".join(f"{table[name]} twips" for name in shown)
                                        + f" in {title!r}")
            return None if missing else found

        return wait_for(find, lambda: self.desktop.looking_for or f"the controls of {title!r}")

    def control_at(self, program, title, left, top, width=None, height=None, role=None):
        """The control whose top-left corner is at (left, top) twips in the window's client area."""
        return self.controls(program, title, {f"the control at ({left}, {top})": (left, top, width, height)},
                             role).popitem()[1]

    def texts(self, program, title, table):
        """What a screen reader reads from each control of a table."""
        return {name: Accessible.text(node) for name, node in self.controls(program, title, table).items()}

    def wait_texts(self, program, title, table, expected, what):
        """Waits until the controls of the table show the expected texts, and fails naming those
        that differ."""
        seen = {}
        self.desktop.looking_for = f"the {what} {', '.join(expected)} to show their texts"

        def shown():
            seen.update(self.texts(program, title, {name: table[name] for name in expected}))
            return seen == expected

        try:
            wait_for(shown, self.desktop.looking_for)
        except AssertionError:
            self.assertEqual(seen, expected)

    def named(self, program, title, name, role=None, timeout=DEADLINE):
        """The first object of the window whose accessible name is exactly name, and of the role if
        one is given."""
        role = wanted_role(role)
        a11y = program.a11y_window(title)
        what = f"an object named {name!r}" + (f" ({role_name(role)})" if role is not None else "") + f" in {title!r}"
        self.desktop.looking_for = what

        def find():
            for node in Accessible.walk(a11y):
                if node.name == name and (role is None or Accessible.role(node) == role):
                    return node
            return None

        return wait_for(find, what, timeout)

    def focused(self, program, title):
        a11y = program.a11y_window(title)
        focused = self.desktop.atspi.STATE_FOCUSED
        for node in Accessible.walk(a11y):
            if Accessible.has_state(node, focused):
                return node
        return None

    def position_of(self, program, title, node):
        """(left, top) twips of an object in the window's client area, rounded to the pixel."""
        x, y, _, _ = self.desktop.wait_window(title).client()
        nx, ny, _, _ = Accessible.extents(node, self.desktop.atspi)
        return ((nx - x) * TWIPS_PER_PIXEL, (ny - y) * TWIPS_PER_PIXEL)

    def click_at(self, title, left, top, width, height):
        """A mouse click in the middle of a control given in twips."""
        window = self.desktop.wait_window(title)
        x, y, _, _ = window.client()
        self.desktop.click(x + pixels(left + width / 2), y + pixels(top + height / 2))

    def message(self, program):
        """The texts of the program's message box, once it is shown."""
        self.desktop.wait_window(MESSAGE_TITLE)
        box = program.a11y_window(MESSAGE_TITLE)
        self.desktop.looking_for = f"the texts ({role_name(pyatspi.ROLE_LABEL)}) of the message box {MESSAGE_TITLE!r}"
        return wait_for(lambda: [node.name for node in Accessible.walk(box)
                                 if Accessible.role(node) == pyatspi.ROLE_LABEL and node.name],
                        self.desktop.looking_for)

    def open_from_menu(self, program, menu_key, item_name, item_key, title):
        """Opens a menu with its access key and chooses an item with its own, as a user does."""
        main = self.desktop.wait_window(MAIN_TITLE)
        main.activate()
        self.desktop.keys(f"alt+{menu_key}")
        application = program.application()
        showing = self.desktop.atspi.STATE_SHOWING
        self.desktop.looking_for = f"the menu item {item_name!r} ({role_name(pyatspi.ROLE_MENU_ITEM)}), showing"
        wait_for(lambda: any(node.name == item_name and Accessible.role(node) == pyatspi.ROLE_MENU_ITEM
                             and Accessible.has_state(node, showing) for node in Accessible.walk(application)),
                 self.desktop.looking_for)
        self.desktop.keys(item_key)
        return self.desktop.wait_window(title)


def _describe_tree(root, pyatspi):
    lines = []

    def visit(node, depth):
        if node is None:
            return
        try:
            role = role_name(node.getRole())
            name = node.name
            description = node.description
            states = [pyatspi.stateToString(state) for state in node.getState().getStates()]
            states = [state for state in states if state in ("focused", "focusable", "showing", "active")]
            try:
                extents = Accessible.extents(node, pyatspi)
            except Exception:  # noqa: BLE001
                extents = None
            try:
                text = node.queryText().getText(0, -1)
            except Exception:  # noqa: BLE001
                text = None
            line = f"{'  ' * depth}{role} name={name!r} description={description!r} extents={extents}"
            if text is not None:
                line += f" text={text!r}"
            lines.append(line + f" states={','.join(states)}")
            for index in range(node.childCount):
                visit(node.getChildAtIndex(index), depth + 1)
        except Exception as error:  # noqa: BLE001
            lines.append(f"{'  ' * depth}({error!r})")

    visit(root, 0)
    return lines


def read_settings(path):
    """The [Settings] entries of the stored file, as their texts."""
    if not os.path.exists(path):
        return {}
    entries = {}
    section = None
    with open(path, encoding="utf-8") as stored:
        for line in stored:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1]
            elif "=" in line and section == "Settings":
                key, value = line.split("=", 1)
                entries[key.strip()] = value.strip().strip('"')
    return entries


def write_settings(path, entries):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as stored:
        stored.write("[Settings]\n")
        for key, value in entries.items():
            stored.write(f"{key}={value}\n")
