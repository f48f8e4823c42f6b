# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""How long the suite waits for the desktop and the program, and its wait."""

import os

from gi.repository import GLib

from desktop_driving import waiting

# Generous: other builds may be loading the machine. A test waits only as long as it needs.
PATIENCE = float(os.environ.get("GALVIX_E2E_PATIENCE", "1"))
DEADLINE = 30 * PATIENCE
# Once what a control shows is known to have changed, its name has no reason to lag behind.
NAME_DEADLINE = 5 * PATIENCE


def wait_for(condition, what, timeout=DEADLINE, interval=0.05):
    """The shared wait, past a window gone between two looks and past the accessibility bus's errors
    for an object or an application that has just left it (or is too busy to answer in time)."""
    return waiting.wait_for(condition, what, timeout, interval, (waiting.Gone, GLib.GError))
