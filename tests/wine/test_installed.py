# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Installs Galvix for Windows in a fresh Wine prefix on a private X display and drives the
installed program from outside, as a cook at a Windows desktop does. From the tests folder, with
the installer, the window tables the Windows build wrote and the first planned week:

    GALVIX_WINE_INSTALLER=../build/windows/galvix-<version>-win64.exe \
    GALVIX_E2E_TABLES=../build/windows/tests/wine/window_tables.json \
    GALVIX_E2E_FIRST_WEEK=data/first_week.txt /usr/bin/python3 -m unittest -v wine.test_installed

The checks run in order, sharing one prefix. A failed check leaves a picture of the screen in
GALVIX_WINE_FAILURES (wine-failures beside the installer), and the logs when the run ends. With
GALVIX_WINE_SCREENSHOTS=DIR it also keeps pictures of the windows there: the planner with a
planned week, the calculator with its results, the About box, its message box, and the
installer's pages. The probe is GALVIX_WINE_PROBE (tests/wine/probe.exe beside the installer).

The program finds no window of its own by name here: inside Wine's virtual desktop its windows are
not X windows. The probe (tests/wine/probe.cpp, built with the Windows program) asks Windows where
they are, what the clipboard holds and which processes run; keys and clicks go to the X display,
and Wine hands them to the window in the foreground.
"""

import os
import shutil
import tempfile
import time
import unittest
from operator import attrgetter

from desktop_driving import layout
from desktop_driving.evidence import EvidenceKeepingTestCase
from desktop_driving.layout import ABOUT_TITLE, CALCULATOR_TITLE, MAIN_TITLE, MESSAGE_TITLE, PLANNER_TITLE

from .wine_desktop import DEADLINE, Failed, WineDesktop, wait_for

UNAVAILABLE = "System Information Is Unavailable At This Time"

INSTALL_DIR = r"C:\Program Files\Galvix"
PROGRAM = INSTALL_DIR + r"\galvix.exe"
UNINSTALLER = INSTALL_DIR + r"\Uninstall.exe"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Galvix"
START_MENUS = (r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs",
               r"C:\users\{user}\AppData\Roaming\Microsoft\Windows\Start Menu\Programs")
MSINFO_KEY = r"HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO"
MSINFO_LOCATION_KEY = r"HKLM\SOFTWARE\Microsoft\Shared Tools Location"

# Where the main window is placed (twips): on the right of the screen, clear of the planner and the
# calculator, which Wine opens at its default place near the top left, so that its title bar can
# always be reached.
PLACEMENT = (11850, 1500, 6750, 6000)
# How far each of the two moves drags the title bar, in pixels.
FIRST_MOVE = (20, 80)
SECOND_MOVE = (-12, 45)


def same_words(text):
    """A cell's text without the blanks that end each dish, as the copied week shows it."""
    return " ".join(text.split())


class InstalledGalvix:
    """The installed program and what the checks share: the prefix, and the placement the
    registry holds or should by now."""

    def __init__(self, installer, desktop, screenshots):
        self.installer = installer
        self.desktop = desktop
        self.screenshots = screenshots
        self.program = None
        self.placement = PLACEMENT  # what the registry holds, or should by now (twips)

    def keep(self, name, window):
        if self.screenshots:
            self.desktop.screenshot(os.path.join(self.screenshots, f"{name}.png"), window)

    # --- the program -------------------------------------------------------------------------------

    @property
    def running(self):
        return self.program is not None and self.program.poll() is None

    def start_program(self):
        if self.running:
            raise Failed("the program from an earlier check still runs")
        self.program = self.desktop.spawn("galvix", ["wine", PROGRAM])
        return self.desktop.window(MAIN_TITLE)

    def ensure_program(self):
        """The running program, started afresh when an earlier check could not leave it running."""
        if not self.running:
            self.start_program()

    def wait_program_end(self):
        wait_for(lambda: self.program.poll() is not None, "the program to end")
        self.desktop.wait_no_process("galvix.exe")

    def end_program(self):
        """After a failed check: the program goes, so that the next check starts afresh."""
        if self.running:
            self.desktop.end_processes("galvix.exe")
            wait_for(lambda: self.program.poll() is not None, "the program to be ended")

    def open_from_menu(self, menu_key, item_key, title):
        self.desktop.activate(MAIN_TITLE)
        self.desktop.keys(f"alt+{menu_key}")
        self.desktop.keys(item_key)
        return self.desktop.window(title)

    def stored_placement(self):
        """The four placement values as the registry holds them: {key: (type, text)}."""
        values = self.desktop.reg_values(layout.SETTINGS_REGISTRY_KEY) or {}
        return {key: values.get(key) for key in layout.PLACEMENT_KEYS}

    def expect_stored(self, placement, when):
        stored = self.stored_placement()
        numbers = {key: (value[0], float(value[1])) if value else None for key, value in stored.items()}
        if numbers != {key: ("REG_SZ", float(value)) for key, value in zip(layout.PLACEMENT_KEYS, placement)}:
            raise Failed(f"{when}, the registry holds {stored}, not the placement {placement} in twips as text")

    def wait_frame(self, placement):
        """The main window's outer frame, once it stands where placement (twips) puts it."""
        expected = tuple(round(layout.pixels(value)) for value in placement)
        seen = []

        def there():
            seen[:] = [self.desktop.window(MAIN_TITLE).outer]
            return seen[0] == expected

        try:
            wait_for(there, "the main window's frame", timeout=10)
        except AssertionError:
            raise Failed(f"the main window's frame is at {seen[0]} (left, top, width, height), "
                         f"not at {expected} pixels") from None

    def move_main_window(self, by):
        """Drags the main window's title bar by (dx, dy) pixels. The placement the program then
        stores is the one it started from, moved as far: where it measures its frame from is the
        placement check's concern, not the move's."""
        self.desktop.activate(MAIN_TITLE)
        before = self.desktop.window(MAIN_TITLE)
        # Away from where a click may just have brought it forward, so that the press does not
        # make a double click, which maximizes the window.
        x, y = before.title_bar()
        start = (x - 40, y)
        self.desktop.drag(start, (start[0] + by[0], start[1] + by[1]))
        left, top, width, height = before.outer
        moved = (left + by[0], top + by[1], width, height)
        wait_for(lambda: self.desktop.window(MAIN_TITLE).outer == moved,
                 lambda: f"the main window to move to {moved} (it is at {self.desktop.window(MAIN_TITLE).outer})",
                 timeout=10)
        left, top, width, height = self.placement
        self.placement = (left + by[0] * layout.TWIPS_PER_PIXEL, top + by[1] * layout.TWIPS_PER_PIXEL, width, height)

    def copy(self, keys="ctrl+c"):
        """What the foreground window puts on the clipboard for keys."""
        self.desktop.clear_clipboard()
        self.desktop.keys(keys)
        return wait_for(self.desktop.clipboard, f"text on the clipboard after {keys}", timeout=10)

    # --- the checks --------------------------------------------------------------------------------

    def install(self):
        status, _ = self.desktop.wine(self.installer, "/S", check=False, timeout=5 * DEADLINE)
        program = self.desktop.unix_path(PROGRAM)
        if not os.path.isfile(program):
            with open(self.installer, "rb") as file:
                head = file.read(4096)
            pe = int.from_bytes(head[0x3C:0x40], "little")  # where the PE header starts
            machine = int.from_bytes(head[pe + 4:pe + 6], "little")
            why = (" The installer is a 32-bit program (machine 0x14c), which a Wine without wine32 runs as if "
                   "it had done nothing." if machine == 0x14C else "")
            raise Failed(f"the silent installation (status {status}) left no {PROGRAM}.{why}")
        for name in ("Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll", r"platforms\qwindows.dll", "Uninstall.exe"):
            if not os.path.isfile(self.desktop.unix_path(INSTALL_DIR + "\\" + name)):
                raise Failed(f"{name} is not installed beside the program")
        if not self.shortcuts():
            raise Failed("no Start-menu shortcut named Galvix.lnk")
        views = {view: self.desktop.reg_values(UNINSTALL_KEY, view) for view in ("64", "32")}
        listed = [values for values in views.values() if values]
        if not listed:
            raise Failed(f"{UNINSTALL_KEY} is in neither registry view")
        uninstall = listed[0].get("UninstallString", ("", ""))[1]
        if "Uninstall.exe" not in uninstall or "Galvix" not in uninstall:
            raise Failed(f"the installed programs list an uninstaller of {uninstall!r}")

    def shortcuts(self):
        user = os.listdir(os.path.join(self.desktop.prefix, "drive_c", "users"))
        found = []
        for menu in START_MENUS:
            for name in user:
                folder = self.desktop.unix_path(menu.format(user=name))
                for root, _, files in os.walk(folder):
                    found += [os.path.join(root, file) for file in files if file.lower() == "galvix.lnk"]
        return found

    def placement_from_registry(self):
        for key, value in zip(layout.PLACEMENT_KEYS, self.placement):
            self.desktop.reg_add(layout.SETTINGS_REGISTRY_KEY, key, str(value))
        self.start_program()
        self.wait_frame(self.placement)

    def move_is_stored_on_close(self):
        self.ensure_program()
        self.move_main_window(FIRST_MOVE)
        self.expect_stored_after(lambda: self.desktop.close_window(MAIN_TITLE), "after a close")

    def expect_stored_after(self, ending, when):
        ending()
        self.wait_program_end()
        for title in (PLANNER_TITLE, CALCULATOR_TITLE):
            self.desktop.wait_no_window(title, timeout=5)
        self.expect_stored(self.placement, when)

    def planner_plans_a_week(self):
        self.ensure_program()
        planner = self.open_from_menu("g", "w", PLANNER_TITLE)
        self.desktop.click(planner.at(layout.PLANNER_BUTTONS[layout.BREAKFAST]))
        week = self.copied_week()
        for day in layout.DAYS:
            line1, line2 = layout.BREAKFAST_LINES[day]
            expected = [day, same_words(layout.FIRST_BREAKFAST[line1] + layout.FIRST_BREAKFAST[line2]), "", "", ""]
            if week[day] != expected:
                raise Failed(f"{day} after a start and a click of {layout.BREAKFAST!r} is copied as {week[day]}, "
                             f"not {expected}")
        for button in (layout.MEAT_SOUP_VEGETABLE, layout.RICE_SALAD_FRUIT):
            self.desktop.click(planner.at(layout.PLANNER_BUTTONS[button]))
        full = self.copied_week()
        for day in layout.DAYS:
            _, breakfast, hours, lunch, dinner = full[day]
            if breakfast != week[day][1] or hours != "Bread" or lunch.count(";") < 6 or dinner.count(";") < 6:
                raise Failed(f"{day} of the whole planned week is copied as {full[day]}")
        self.keep("planner", self.desktop.window(PLANNER_TITLE))

    def copied_week(self):
        """The week as "Copy Week" (Ctrl+Shift+C) puts it on the clipboard: {day: [the row's fields]}."""
        text = self.copy("ctrl+shift+c")
        rows = [line.split("\t") for line in text.splitlines() if line]
        days = {row[0]: [row[0]] + [same_words(field) for field in row[1:]] for row in rows[1:]}
        if len(rows) != 8 or list(days) != list(layout.DAYS) or any(len(row) != 5 for row in rows):
            raise Failed(f"the copied week is not a header and seven days of five columns: {text!r}")
        return days

    def calculator_converts_a_weight(self):
        self.ensure_program()
        calculator = self.open_from_menu("g", "u", CALCULATOR_TITLE)
        for field in ("Text1", "Text4"):
            self.desktop.click(calculator.at(layout.calculator_rect(field)))
            self.desktop.type_text("1")
        self.desktop.click(calculator.at(layout.calculator_rect("Command2")))
        expected = {"Text1": "1", "Text2": "0.453", "Text3": "453", "Text4": "1", "Text5": "2.204", "Text6": "35.264"}
        shown = {}
        for field in expected:
            self.desktop.click(calculator.at(layout.calculator_rect(field)))
            shown[field] = self.field_text()
        if shown != expected:
            raise Failed(f"1 lb and 1 kg are converted to {shown}, not {expected}")
        self.keep("calculator", self.desktop.window(CALCULATOR_TITLE))

    def field_text(self):
        self.desktop.clear_clipboard()
        self.desktop.keys("ctrl+a", "ctrl+c")
        return wait_for(self.desktop.clipboard, "the field's text on the clipboard", timeout=10)

    def move_is_stored_at_the_end_of_the_session(self):
        self.placement = tuple(float(text) for _, text in self.stored_placement().values())
        self.start_program()
        self.move_main_window(SECOND_MOVE)
        self.expect_stored_after(lambda: self.desktop.run(["wineboot", "--end-session"]),
                                 "after the end of the session")

    def about_box_centred_with_ok_focused(self):
        self.start_program()
        self.open_from_menu("h", "a", ABOUT_TITLE)
        seen = []

        def centred():
            about, main = self.desktop.window(ABOUT_TITLE).outer, self.desktop.window(MAIN_TITLE).outer
            offset = [a + b / 2 - (c + d / 2) for a, b, c, d in zip(about[:2], about[2:], main[:2], main[2:])]
            seen[:] = [about, main, offset]
            return max(abs(value) for value in offset) <= 1

        try:
            wait_for(centred, "the About box centred over the main window", timeout=10)
        except AssertionError:
            raise Failed(f"the About box's frame {seen[0]} stands {seen[2]} pixels off the centre of the main "
                         f"window's {seen[1]}") from None
        # Space presses the button that has the focus, which is OK: the box closes.
        self.desktop.keys("space")
        self.desktop.wait_no_window(ABOUT_TITLE, timeout=10)

    def about_box_without_lookup(self):
        # Wine's prefix has the first lookup's key, empty; neither value is there to be read.
        for key, value in ((MSINFO_KEY, "PATH"), (MSINFO_LOCATION_KEY, "MSINFO")):
            self.desktop.reg_delete_value(key, value)
        self.ensure_program()
        about = self.open_from_menu("h", "a", ABOUT_TITLE)
        self.keep("about", about)
        self.desktop.click(about.at(layout.ABOUT_CONTROLS["cmdSysInfo"]))
        message = self.desktop.window(MESSAGE_TITLE)
        copied = self.copy()
        lines = [line.strip() for line in copied.splitlines() if line.strip() and not line.startswith("---")]
        if lines[:2] != [MESSAGE_TITLE, UNAVAILABLE]:
            raise Failed(f"the message box says {copied!r}")
        self.keep("message", message)
        self.desktop.keys("Return")
        self.desktop.wait_no_window(MESSAGE_TITLE)
        if not self.desktop.has_window(ABOUT_TITLE):
            raise Failed("the About box closed with the message")

    def about_box_starts_the_named_program(self):
        self.desktop.reg_add(MSINFO_KEY, "PATH", r"C:\windows\system32\notepad.exe")
        if not self.running:
            self.start_program()
            self.open_from_menu("h", "a", ABOUT_TITLE)
        about = self.desktop.window(ABOUT_TITLE)
        self.desktop.activate(ABOUT_TITLE)
        self.desktop.click(about.at(layout.ABOUT_CONTROLS["cmdSysInfo"]))
        try:
            if not self.desktop.process_ids("notepad.exe", timeout=DEADLINE):
                raise Failed(f"System Info started no notepad.exe; the desktop shows {self.desktop.titles()}")
            if self.desktop.has_window(MESSAGE_TITLE):
                raise Failed("System Info started the program and still said it was unavailable")
        finally:
            self.desktop.end_processes("notepad.exe")
        self.desktop.activate(ABOUT_TITLE)
        self.desktop.keys("Escape")
        self.desktop.wait_no_window(ABOUT_TITLE)
        self.desktop.close_window(MAIN_TITLE)
        self.wait_program_end()

    def native_style(self):
        """Qt in the installed folder takes the platform's own style when nothing chooses another.
        Galvix chooses Fusion for its windows; the style probe, started from the folder, does not."""
        probe = os.path.join(self.desktop.unix_path(INSTALL_DIR), "style_probe.exe")
        shutil.copy(os.path.join(os.path.dirname(self.desktop.probe_exe), "style_probe.exe"), probe)
        try:
            _, out = self.desktop.wine(probe)
        finally:
            os.remove(probe)
        lines = out.splitlines()
        style, offered = (lines[0].strip(), lines[1].split()) if len(lines) >= 2 else ("", [])
        # Windows 10's native style, or from Qt 6.7 on Windows 11's where Windows says it is 11.
        if style.lower() not in ("windowsvista", "windows11"):
            raise Failed(f"Qt in the installed folder draws with {style!r}, of the styles {offered}")

    def uninstall(self):
        self.desktop.wine(self.desktop.unix_path(UNINSTALLER), "/S", timeout=DEADLINE)
        # The uninstaller runs on from a copy of itself in the temporary folder and removes the
        # folder it came from.
        folder = self.desktop.unix_path(INSTALL_DIR)
        wait_for(lambda: not os.path.exists(os.path.join(folder, "galvix.exe")), "galvix.exe to be removed")
        wait_for(lambda: not os.path.exists(folder), f"{INSTALL_DIR} to be removed")
        self.desktop.wait_no_process("Au_.exe")
        if self.shortcuts():
            raise Failed(f"the Start-menu shortcuts are left: {self.shortcuts()}")
        if any(self.desktop.reg_values(UNINSTALL_KEY, view) is not None for view in ("64", "32")):
            raise Failed("Galvix is still listed among the installed programs")

    def installer_pages(self):
        """Runs the installer as a user does, keeping a picture of each page and taking its default
        button (Next, I Agree, Install, Finish) with Return."""
        installer = self.desktop.spawn("installer", ["wine", self.installer])

        def setup_window():
            # Its caption changes from page to page ("Galvix Setup", "Galvix Setup ").
            return next((title for title in self.desktop.titles() if title.strip().endswith("Setup")), None)

        wait_for(setup_window, "the installer's window")
        shown = None
        for page in range(1, 13):
            def settled():
                # A page has settled when its controls say the same twice in a row, and it is a new
                # page when they differ from the last one's; the installing page moves on by itself.
                if installer.poll() is not None:
                    return "ended"
                title = setup_window()
                first = title and self.desktop.probe("texts", title)[1]
                time.sleep(0.3)
                second = title and self.desktop.probe("texts", title)[1]
                return (title, first) if first and first == second and first != shown else None

            settled_page = wait_for(settled, f"page {page} of the installer")
            if settled_page == "ended":
                break
            title, shown = settled_page
            self.keep(f"installer-{page}", self.desktop.window(title))
            self.desktop.activate(title)
            self.desktop.keys("Return")
        wait_for(lambda: installer.poll() is not None, "the installer to end")
        if not os.path.isfile(self.desktop.unix_path(PROGRAM)):
            raise Failed("the installer driven through its pages left no program")


class InstalledProgram(EvidenceKeepingTestCase):
    """The checks (CHECKS below), sharing one prefix. A check that fails leaves the program ended,
    so that the next one starts it afresh; the checks after one that leaves them without what they
    need fail unrun."""

    @classmethod
    def setUpClass(cls):
        installer = os.path.abspath(os.environ.get("GALVIX_WINE_INSTALLER", ""))
        build = os.path.dirname(installer)
        probe = os.path.abspath(os.environ.get("GALVIX_WINE_PROBE", os.path.join(build, "tests", "wine", "probe.exe")))
        for path in (installer, probe):
            if not os.path.isfile(path):
                raise AssertionError(f"{path} does not exist (GALVIX_WINE_INSTALLER, GALVIX_WINE_PROBE)")
        failures = os.environ.get("GALVIX_WINE_FAILURES", os.path.join(build, "wine-failures"))
        cls.failures = os.path.abspath(failures)
        shutil.rmtree(cls.failures, ignore_errors=True)
        screenshots = os.environ.get("GALVIX_WINE_SCREENSHOTS")
        if screenshots:
            screenshots = os.path.abspath(screenshots)
            os.makedirs(screenshots, exist_ok=True)
        cls.scratch = tempfile.mkdtemp(prefix="galvix-wine-")
        cls.desktop = WineDesktop(cls.scratch, probe)
        cls.galvix = InstalledGalvix(installer, cls.desktop, screenshots)
        cls.missing = None  # what a failed check left the later ones without
        cls.failed = False

    @classmethod
    def tearDownClass(cls):
        try:
            cls.desktop.stop()
        finally:
            if cls.failed:
                # What the program, Wine and the X server said, beside the failures' pictures.
                cls.desktop.keep_logs(cls.failures)
                print(f"The failed checks' pictures and the logs are in {cls.failures}")
            shutil.rmtree(cls.scratch, ignore_errors=True)
        if cls.galvix.screenshots:
            print(f"Pictures of the windows are in {cls.galvix.screenshots}")

    def setUp(self):
        if self.missing:
            self.fail(f"not run, for want of {self.missing}")

    def keep_evidence(self, test):
        cls = type(self)
        cls.failed = True
        if cls.missing:
            return
        cls.missing = getattr(self, self._testMethodName).needed
        try:
            os.makedirs(self.failures, exist_ok=True)
            shot = self.desktop.screenshot(os.path.join(self.failures, f"{self._testMethodName}.png"))
            print(f"\nthe screen: {shot}")
        except Exception as error:  # noqa: BLE001 - the failure itself must still be reported
            print(f"\nkeeping the screen failed: {error!r}")
        self.galvix.end_program()


# The checks in the order a user meets the program: (what runs it, what it checks, what its failure
# leaves the later checks without). unittest runs them in the order of their numbered names.
CHECKS = (
    ("desktop.start", "a fresh Wine prefix on a private display", "a Wine desktop"),
    ("install", "the installer installs silently", "an installed program"),
    ("placement_from_registry", "the main window opens where the registry places it", None),
    ("planner_plans_a_week", "the planner plans the first week, copied from the clipboard", None),
    ("calculator_converts_a_weight", "the calculator converts a weight, read from its fields", None),
    ("move_is_stored_on_close", "a move is stored on a close, which closes every window", None),
    ("move_is_stored_at_the_end_of_the_session", "a move is stored at the end of the session", None),
    ("about_box_centred_with_ok_focused", "the About box opens centred over the main window, on OK", None),
    ("about_box_without_lookup", "System Info without a lookup says it is unavailable", None),
    ("about_box_starts_the_named_program", "System Info starts the program the registry names", None),
    ("native_style", "Qt in the installed folder takes the native style", None),
    ("uninstall", "the uninstaller removes the program", None),
    ("installer_pages", "the installer's pages lead to an installed program", None),
)

for _number, (_method, _name, _needed) in enumerate(CHECKS):
    def _check(self, method=_method):
        attrgetter(method)(self.galvix)()

    _check.__doc__, _check.needed = _name, _needed
    if _method == "installer_pages":  # the pictures of the pages are its purpose
        _check = unittest.skipUnless(os.environ.get("GALVIX_WINE_SCREENSHOTS"), "no GALVIX_WINE_SCREENSHOTS")(_check)
    setattr(InstalledProgram, f"test_{_number:02d}_{_method.replace('.', '_')}", _check)
