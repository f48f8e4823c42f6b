# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The one loop that waits for the desktop and the program: every wait has a deadline."""

import time


class Gone(AssertionError):
    """A look at a window that has just been closed or has not been mapped again yet."""


def wait_for(condition, what, timeout, interval=0.05, passing=(Gone,)):
    """Calls condition until it returns something true, and returns that; fails after timeout.

    what names what was waited for in the failure, as a text or as a function that makes one.
    passing are the errors a look at a changing desktop may run into and the next look may not;
    anything else is a fault of the test or of the program and ends the wait at once."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except passing as error:
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            what = what() if callable(what) else what
            raise AssertionError(f"gave up after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)
