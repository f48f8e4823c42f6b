# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the id of every end-to-end test, one a line, for CTest to run each in a process of its own."""

import os
import sys
import unittest

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)


def ids(suite):
    for item in suite:
        if isinstance(item, unittest.TestSuite):
            yield from ids(item)
        else:
            yield item.id()


for test in sorted(ids(unittest.defaultTestLoader.discover(here, pattern="test_*.py", top_level_dir=here))):
    print(test)
