# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed Windows program under Wine, driven from outside (test_installed.py)."""
