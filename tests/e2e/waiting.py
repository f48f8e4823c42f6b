# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""How long the suite waits for the desktop and the program, and the one loop that waits."""

import os
import time

from gi.repository import GLib

# Generous: other builds may be loading the machine. A test waits only as long as it needs.
PATIENCE = float(os.environ.get("GALVIX_E2E_PATIENCE", "1"))
DEADLINE = 30 * PATIENCE
# Once what a control shows is known to have changed, its name has no reason to lag behind.
NAME_DEADLINE = 5 * PATIENCE


class Gone(AssertionError):
    """A look at a window that has just been closed or has not been mapped again yet."""


# What a look at a changing desktop may run into and the next look may not: a window gone between
# two looks, and the accessibility bus's errors for an object or an application that has just left
# it (or is too busy to answer in time). Anything else is a fault of the test or of the program and
# ends the wait at once.
PASSING_ERRORS = (Gone, GLib.GError)


def wait_for(condition, what, timeout=DEADLINE, interval=0.05):
    """Calls condition until it returns something true, and returns that; fails after timeout.

    what names what was waited for in the failure, as a text or as a function that makes one."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except PASSING_ERRORS as error:
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            what = what() if callable(what) else what
            raise AssertionError(f"gave up after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)
