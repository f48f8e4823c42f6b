# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X display: Xvfb on a free display, the processes started on it, the tools run on it
and pictures of its screen.

Every process started here is ended by the id it was started with, with the process group it
leads, and every wait has a deadline."""

import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

SCREEN = (1280, 1024)


class CommandFailed(AssertionError):
    """A tool run on the display ended with a failure status."""

    def __init__(self, argv, returncode, stderr):
        super().__init__(f"{' '.join(argv)} failed ({returncode}): {stderr.strip()}")
        self.stderr = stderr


class PrivateDisplay:
    """Xvfb and the processes started on it; each process's output goes to a log in scratch."""

    def __init__(self, scratch, deadline):
        self.scratch = scratch
        self.deadline = deadline
        self.processes = []  # (name, Popen), in the order they were started
        self.env = {}
        self.display = None

    @property
    def running(self):
        return bool(self.processes)

    def stop(self):
        """Ends every process by the pid it was started with, newest first, and their children."""
        for _, process in reversed(self.processes):
            end_process(process)
        self.processes.clear()

    def spawn(self, name, argv, pass_fds=(), env=None):
        """Starts a process in the background; its output goes to <name>.log in the scratch folder."""
        with open(os.path.join(self.scratch, f"{name}.log"), "ab") as log:
            process = subprocess.Popen(argv, env=env or self.env or None, stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT, pass_fds=pass_fds, start_new_session=True,
                                       cwd=self.scratch)
        self.processes.append((name, process))
        return process

    def execute(self, argv, check=True, timeout=None):
        """Runs a tool on the display and returns its CompletedProcess, with its output as text;
        raises CommandFailed if check and it fails."""
        timeout = timeout or self.deadline
        # Into files, not pipes: a tool may leave a process behind (Wine's desktop, a service) that
        # inherits its output and would hold a pipe open long after the tool has ended.
        with tempfile.TemporaryFile(dir=self.scratch) as out, tempfile.TemporaryFile(dir=self.scratch) as err:
            try:
                status = subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                                        cwd=self.scratch, timeout=timeout).returncode
            except subprocess.TimeoutExpired:
                raise AssertionError(f"{' '.join(argv)} did not end within {timeout:.0f} s") from None
            out.seek(0)
            err.seek(0)
            stdout, stderr = (file.read().decode("utf-8", "replace") for file in (out, err))
        if check and status != 0:
            raise CommandFailed(argv, status, stderr)
        return subprocess.CompletedProcess(argv, status, stdout, stderr)

    def read_line_from(self, name, process, read_end):
        """The first line a child writes to the pipe it was given, with a deadline."""
        data = b""
        deadline = time.monotonic() + self.deadline
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

    def start_x(self):
        """Xvfb on the display it finds free, which this display's processes then use."""
        read_end, write_end = os.pipe()
        width, height = SCREEN
        xvfb = self.spawn("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                                   "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        self.display = ":" + self.read_line_from("Xvfb", xvfb, read_end)
        self.env["DISPLAY"] = self.display

    # A user at the keyboard: milliseconds between two keys pressed, and between two typed.
    key_delay = type_delay = 60

    def keys(self, *keys):
        self.execute(["xdotool", "key", "--clearmodifiers", "--delay", str(self.key_delay), *keys])

    def type_text(self, text):
        self.execute(["xdotool", "type", "--clearmodifiers", "--delay", str(self.type_delay), "--", text])

    def screenshot(self, path, crop=None):
        """The screen, or the part crop (left, top, width, height) of it, as a PNG."""
        argv = ["import", "-window", "root"]
        if crop is not None:
            left, top, width, height = crop
            argv += ["-crop", f"{width}x{height}+{max(0, left)}+{max(0, top)}", "+repage"]
        self.execute(argv + [path], check=False)
        return path

    def keep_logs(self, folder):
        """Copies what every process started here said into folder."""
        os.makedirs(folder, exist_ok=True)
        for name in os.listdir(self.scratch):
            if name.endswith(".log"):
                shutil.copy(os.path.join(self.scratch, name), folder)


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
