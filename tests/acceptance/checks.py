"""Counts the walk's checks and tells each failure as it happens."""

import math
import sys


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = []

    def that(self, what, condition, detail=""):
        if condition:
            self.passed += 1
        else:
            self.failed.append(what)
            print("FAILED: %s %s" % (what, detail), file=sys.stderr, flush=True)
        return condition

    def equal(self, what, actual, expected):
        return self.that(what, actual == expected, "(got %r, expected %r)" % (actual, expected))

    def near(self, what, actual, expected, tolerance):
        ok = actual is not None and math.isfinite(actual) and abs(actual - expected) <= tolerance
        return self.that(what, ok, "(got %r, expected %r within %r)" % (actual, expected, tolerance))

    def summary(self):
        return "acceptance: %d checks passed, %d failed%s" % (
            self.passed, len(self.failed), (": " + "; ".join(self.failed)) if self.failed else "")
