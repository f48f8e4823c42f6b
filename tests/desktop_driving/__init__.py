# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the suites that drive the program from outside share: a private X display with the
processes started on it, the one wait loop, a test case that keeps what it saw when it fails, and
the program's windows and settings as the build describes them."""
