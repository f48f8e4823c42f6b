# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A test case that keeps what it saw when it fails: a picture of the screen, and whatever else its
suite keeps."""

import unittest


class _KeepingEvidence:
    """The test's result, told first of every failure and error so that the test keeps what it saw.

    unittest reports a failure as soon as it happens, before the cleanups end the desktop, so the
    screen is still there to be kept; a failed subtest keeps its own."""

    def __init__(self, result, keep):
        self._result, self._keep = result, keep

    def __getattr__(self, name):
        return getattr(self._result, name)

    def addFailure(self, test, err):  # noqa: N802
        self._keep(test)
        self._result.addFailure(test, err)

    def addError(self, test, err):  # noqa: N802
        self._keep(test)
        self._result.addError(test, err)

    def addSubTest(self, test, subtest, err):  # noqa: N802
        if err is not None:
            self._keep(subtest)
        self._result.addSubTest(test, subtest, err)


class EvidenceKeepingTestCase(unittest.TestCase):
    """Calls the subclass's keep_evidence(test) with the failed test (or subtest) while its desktop
    still runs."""

    def run(self, result=None):
        if result is None:
            result = self.defaultTestResult()
        super().run(_KeepingEvidence(result, self.keep_evidence))
        return result
