# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the id of every end-to-end test, one a line, for CTest to run each in a process of its own.
Run from the tests folder: python3 -m e2e.list_tests."""

import os
import unittest

here = os.path.dirname(os.path.abspath(__file__))


def ids(suite):
    for item in suite:
        if isinstance(item, unittest.TestSuite):
            yield from ids(item)
        else:
            yield item.id()


for test in sorted(ids(unittest.defaultTestLoader.discover(here, pattern="test_*.py",
                                                           top_level_dir=os.path.dirname(here)))):
    print(test)
