#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Galvix's start-up beside a bare Qt main window, on a fresh Xvfb of its own.

Starts the two programs alternately, PAIRS times each, and for every start measures the time from
just before exec to the MapNotify of the program's titled top-level window (watched on the root
window of a bare X server, where no window manager stands between the map request and the map),
then waits until the program is idle and reads its peak memory (VmHWM). Prints each program's
median, the ratio of the medians and the median of the pair-by-pair ratios.

With --instructions it instead runs each program once under callgrind and prints the instructions
executed before the event loop starts and up to the idle window; those counts repeat to within a
fraction of a percent on a busy machine, where wall-clock times do not.

Needs Xvfb, python3-xlib and (for --instructions) valgrind.
"""

import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay, error as xerror

# A program counts as idle once its processor time has not grown for this long.
IDLE_QUIET_SECONDS = 0.3
MAP_TIMEOUT_SECONDS = 20.0
# Callgrind runs a program some fifty times slower, more on a busy machine.
CALLGRIND_MAP_TIMEOUT_SECONDS = 180.0


def start_xvfb():
    """A fresh X server on the first free display; returns the process and the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], 10)
        chunk = os.read(read_end, 16) if ready else b""
        if not chunk:
            server.kill()
            sys.exit("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


class Watcher:
    """Reports the MapNotify of each top-level window mapped on the server's root."""

    def __init__(self, name):
        self.display = xdisplay.Display(name)
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()
        self.net_wm_name = self.display.intern_atom("_NET_WM_NAME")
        self.net_wm_pid = self.display.intern_atom("_NET_WM_PID")

    def drain(self):
        while self.display.pending_events():
            self.display.next_event()

    def wait_for_map(self, pid, deadline):
        """The monotonic time at which a titled window of process `pid` was mapped, or None."""
        while True:
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type != X.MapNotify:
                    continue
                now = time.perf_counter()
                if self._belongs(event.window, pid):
                    return now, self._size(event.window)
            remaining = deadline - time.perf_counter()
            if remaining <= 0:
                return None, None
            select.select([self.display.fileno()], [], [], remaining)

    def _belongs(self, window, pid):
        try:
            owner = window.get_full_property(self.net_wm_pid, X.AnyPropertyType)
            title = window.get_full_property(self.net_wm_name, X.AnyPropertyType)
        except xerror.XError:
            return False
        return owner is not None and int(owner.value[0]) == pid and title is not None and len(title.value) > 0

    @staticmethod
    def _size(window):
        try:
            geometry = window.get_geometry()
            return geometry.width, geometry.height
        except xerror.XError:
            return None


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def wait_until_idle(pid, quiet, limit):
    last = cpu_ticks(pid)
    quiet_since = time.perf_counter()
    end = quiet_since + limit
    while time.perf_counter() < end:
        time.sleep(0.05)
        ticks = cpu_ticks(pid)
        if ticks != last:
            last, quiet_since = ticks, time.perf_counter()
        elif time.perf_counter() - quiet_since >= quiet:
            return


def peak_memory_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return None


def stop(process):
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=30)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def child_environment(display_name, config_home, runtime_dir):
    """Only what a desktop start would give both programs alike: no session bus, no Qt overrides."""
    environment = {key: os.environ[key] for key in ("PATH", "HOME", "LANG", "LC_ALL") if key in os.environ}
    environment.setdefault("LANG", "C.UTF-8")
    environment.update(DISPLAY=display_name, XDG_CONFIG_HOME=config_home, XDG_RUNTIME_DIR=runtime_dir)
    return environment


def start_once(command, environment, watcher, idle_limit, map_timeout=MAP_TIMEOUT_SECONDS):
    """Seconds from exec to the mapped window, peak memory in KiB, and the mapped window's size."""
    watcher.drain()
    started = time.perf_counter()
    process = subprocess.Popen(command, env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        mapped, size = watcher.wait_for_map(process.pid, started + map_timeout)
        if mapped is None:
            sys.exit(f"{command[0]}: no titled window was mapped within {map_timeout:.0f} s")
        wait_until_idle(process.pid, IDLE_QUIET_SECONDS, idle_limit)
        peak = peak_memory_kib(process.pid)
    finally:
        stop(process)
    return mapped - started, peak, size


def side_by_side(programs, pairs, environment, watcher):
    times = {name: [] for name in programs}
    peaks = {name: [] for name in programs}
    sizes = {name: set() for name in programs}
    names = list(programs)
    # Two untimed starts of each first, so that neither pays for a cold page cache.
    for name in names * 2:
        start_once(programs[name], environment, watcher, 5.0)
    for pair in range(pairs):
        # Each pair swaps which program goes first, so that a drift in the machine's load is shared.
        for name in names if pair % 2 == 0 else reversed(names):
            elapsed, peak, size = start_once(programs[name], environment, watcher, 5.0)
            times[name].append(elapsed * 1000)
            peaks[name].append(peak / 1024)
            sizes[name].add(size)
    return times, peaks, sizes


def report(times, peaks, sizes, pairs):
    galvix, reference = list(times)
    print(f"{pairs} pairs, alternating; start = exec to MapNotify of the titled window, memory = VmHWM once idle")
    print(f"{'':12}{'start median':>14}{'(min - max)':>20}{'memory median':>16}   window")
    for name in times:
        window = ", ".join(f"{w}x{h}" for w, h in sorted(s for s in sizes[name] if s))
        print(f"{name:12}{statistics.median(times[name]):11.1f} ms  ({min(times[name]):6.1f} - "
              f"{max(times[name]):6.1f} ms){statistics.median(peaks[name]):11.2f} MiB   {window}")
    time_ratio = statistics.median(times[galvix]) / statistics.median(times[reference])
    memory_ratio = statistics.median(peaks[galvix]) / statistics.median(peaks[reference])
    pair_time = statistics.median(a / b for a, b in zip(times[galvix], times[reference]))
    pair_memory = statistics.median(a / b for a, b in zip(peaks[galvix], peaks[reference]))
    print(f"ratio of the medians      start {time_ratio:.3f}   memory {memory_ratio:.3f}")
    print(f"median of the pair ratios start {pair_time:.3f}   memory {pair_memory:.3f}")
    if len(set().union(*sizes.values())) > 1:
        print("note: the two windows were not mapped at the same size", file=sys.stderr)


def callgrind_count(command, environment, watcher, before_event_loop, work):
    """Instructions one start executes, up to the idle mapped window or only before exec()."""
    out = os.path.join(work, "callgrind.out")
    options = ["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", "--dump-line=no"]
    if before_event_loop:
        # Collection stops on entering the event loop and the program is ended inside it.
        options += ["--toggle-collect=QApplication::exec()", "--collect-atstart=yes"]  # in this order
    start_once(options + command, environment, watcher, 60.0, CALLGRIND_MAP_TIMEOUT_SECONDS)
    with open(out) as dump:
        for line in dump:
            if line.startswith("summary:") or line.startswith("totals:"):
                return int(line.split()[1])
    sys.exit("callgrind wrote no totals")


def instructions(programs, environment, watcher, work):
    print("instructions executed (callgrind), one start each")
    print(f"{'':12}{'before exec()':>16}{'to idle':>16}")
    counts = {}
    for name, command in programs.items():
        counts[name] = [callgrind_count(command, environment, watcher, phase, work) for phase in (True, False)]
        print(f"{name:12}{counts[name][0]:16,}{counts[name][1]:16,}")
    galvix, reference = (counts[name] for name in programs)
    print(f"{'ratio':12}{galvix[0] / reference[0]:16.3f}{galvix[1] / reference[1]:16.3f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--galvix", required=True, help="the program, from an optimised build")
    parser.add_argument("--reference", required=True, help="the bare main window")
    parser.add_argument("--pairs", type=int, default=20, help="alternating starts of each (at least 15)")
    parser.add_argument("--instructions", action="store_true", help="count instructions under callgrind instead")
    arguments = parser.parse_args()
    if arguments.pairs < 15:
        parser.error("use at least 15 pairs: a single start varies by more than the difference sought")
    for tool in ["Xvfb"] + (["valgrind"] if arguments.instructions else []):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is not installed")

    programs = {"galvix": [os.path.abspath(arguments.galvix)], "bare window": [os.path.abspath(arguments.reference)]}
    server, display_name = start_xvfb()
    try:
        with tempfile.TemporaryDirectory(prefix="galvix-startup-") as work:
            config_home = os.path.join(work, "config")
            runtime_dir = os.path.join(work, "runtime")
            os.mkdir(config_home)
            os.mkdir(runtime_dir, 0o700)
            environment = child_environment(display_name, config_home, runtime_dir)
            watcher = Watcher(display_name)
            if arguments.instructions:
                instructions(programs, environment, watcher, work)
            else:
                times, peaks, sizes = side_by_side(programs, arguments.pairs, environment, watcher)
                report(times, peaks, sizes, arguments.pairs)
    finally:
        server.terminate()
        server.wait()


if __name__ == "__main__":
    main()
