# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The end-to-end suite: the program on a private X session, driven from outside. Run from the
tests folder: python3 -m unittest e2e.test_<module>."""
