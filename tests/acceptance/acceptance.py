#!/usr/bin/python3
"""Acceptance walk: the application program, under the display, driven over its
remote control on port 5026 like a test program drives it, against the analyzer
simulator, from a fresh start to the window's close."""

import argparse
import cmath
import glob
import math
import os
import sys
import tempfile
import time

# The walk's own modules sit beside it, and no byte code lands in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import instruments  # noqa: E402
import line_physics  # noqa: E402
import load  # noqa: E402
import processes  # noqa: E402
import touchstone  # noqa: E402
import window_close  # noqa: E402
from checks import Checks  # noqa: E402

WINDOW_TITLE = "Varnel Noltworks"


def decibels(value):
    return 20.0 * math.log10(abs(value))


def degrees(value):
    return math.degrees(cmath.phase(value))


def number(text):
    try:
        return float(text)
    except (TypeError, ValueError):
        return None


def finite_trace(text):
    if not text:
        return False
    values = [number(v) for v in text.split(",")]
    return len(values) > 1 and all(v is not None and math.isfinite(v) for v in values)


class Walk:
    def __init__(self, app, sim, folder, slow):
        self.app = app
        self.sim = sim
        self.folder = folder
        self.slow = slow
        self.check = Checks()
        self.lengths = {}

    def ms(self, milliseconds):
        return int(milliseconds * self.slow)

    def expect_done(self, line, timeout_ms=None):
        outcome = self.app.run(line, timeout_ms)
        self.check.that(line, outcome.reply is None and outcome.code == 0, repr(outcome))
        return outcome

    def expect_reply(self, line, expected):
        self.check.equal(line, self.app.run(line).reply, expected)

    def expect_error(self, line, entry):
        outcome = self.app.run(line)
        self.check.that(line + " fails", outcome.reply is None and outcome.entry == entry, repr(outcome))

    def wait_until(self, line, expected, seconds):
        deadline = time.monotonic() + seconds * self.slow
        while time.monotonic() < deadline:
            if self.app.run(line).reply == expected:
                return True
            time.sleep(0.1)
        return False

    def start(self, analyzer_port):
        self.check.equal("*OPC?", self.app.query("*OPC?"), "1")
        self.check.equal("empty error queue", self.app.error(), "0, No error")
        self.check.that("analyzer ready", self.wait_until("NOLT:SYSTem:READy?", "1", 10))
        self.expect_reply("NOLT:SYSTem:VNA:IP?", "127.0.0.1")
        self.expect_reply("NOLT:SYSTem:VNA:PORT?", str(analyzer_port))

    def sweep(self):
        self.expect_done("NOLT:SYSTem:PRESet", self.ms(20000))
        self.expect_done("NOLT:SENSe:PRESet", self.ms(10000))
        self.expect_done("NOLT:CALC:LP:10Mhz", self.ms(10000))
        start = number(self.app.run("NOLT:SENSe:FREQeuncy:STARt?").reply)
        stop = number(self.app.run("NOLT:SENSe:FREQeuncy:STOP?").reply)
        step = number(self.app.run("NOLT:SENSe:FREQeuncy:STEP?").reply)
        points = number(self.app.run("NOLT:SENSe:SWEep:POINts?").reply)
        self.check.near("10 MHz low-pass step", step, 10e6, 1.0)
        if None not in (start, stop, step, points):
            self.check.near("low-pass start on the step grid", start / step, round(start / step), 1e-6)
            self.check.near("low-pass stop", stop, start + (points - 1) * step, 1e-6 * stop)
        self.expect_done("NOLT:SENSe:BANDwidth 3000", self.ms(10000))
        self.expect_reply("NOLT:SENSe:BANDwidth?", "3000")
        self.expect_done("NOLT:SENSe:POWer -5", self.ms(10000))
        self.expect_reply("NOLT:SENSe:POWer?", "-5")
        self.expect_reply("NOLT:SENSe:SWEep:TYPE?", "LIN")
        self.sim.resource.write("SIMulator:CALibrate")
        calibrated = any(self.wait_until("NOLT:SENSe:CALIBration:TYPE?", token, 3) for token in ("SOLT4", "SOLT2"))
        self.check.that("simulator calibration shows as a calibration type", calibrated,
                        repr(self.app.run("NOLT:SENSe:CALIBration:TYPE?")))

    def fixtures(self):
        settings = [("NOLT:SYSTem:CALCulation:METHod TIME", "NOLT:SYSTem:CALCulation:METHod?", "TIME"),
                    ("NOLT:SYSTem:ZCONversion:TYPE FIXT", "NOLT:SYSTem:ZCONversion:TYPE?", "FIXT"),
                    ("NOLT:SYSTem:ZCONversion:TYPE SYST", "NOLT:SYSTem:ZCONversion:TYPE?", "SYST"),
                    ("NOLT:SYSTem:FIXTure:LEFT ON", "NOLT:SYSTem:FIXTure:LEFT?", "1"),
                    ("NOLT:SYSTem:FIXTure:RIGHT ON", "NOLT:SYSTem:FIXTure:RIGHT?", "1"),
                    ("NOLT:SYSTem:FIXTure:LEFT:PORT:COUNt 1", "NOLT:SYSTem:FIXTure:LEFT:PORT:COUNt?", "1"),
                    ("NOLT:SYSTem:FIXTure:RIGHT:PORT:COUNt 1", "NOLT:SYSTem:FIXTure:RIGHT:PORT:COUNt?", "1"),
                    ("NOLT:SYSTem:FIXTure:LEFT:PORT1 1", "NOLT:SYSTem:FIXTure:LEFT:PORT1?", "1"),
                    ("NOLT:SYSTem:FIXTure:RIGHT:PORT1 2", "NOLT:SYSTem:FIXTure:RIGHT:PORT1?", "2"),
                    ("NOLT:SYSTem:FIXTure:CONNECTion:DIRect ON", "NOLT:SYSTem:FIXTure:CONNECTion:DIRect?", "1"),
                    ("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent ON",
                     "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent?", "1")]
        for command, query, expected in settings:
            self.expect_done(command)
            self.expect_reply(query, expected)
        self.expect_reply("NOLT:SYSTem:STEP:COUNt?", "2")
        self.expect_reply("NOLT:SYSTem:STEP1:TYPE?", "TRANSMISSION")
        self.expect_reply("NOLT:SYSTem:STEP2:TYPE?", "DUT")
        frequencies = self.sim.frequencies()
        line_physics.write_world(self.world("THRU"), line_physics.in_fixture(), frequencies)
        line_physics.write_world(self.world("DUT"), line_physics.in_fixture(line_physics.DUT), frequencies)

    def world(self, name):
        return os.path.join(self.folder, "..", "world-%s.s2p" % name)

    def error_queue(self):
        self.expect_error("NOLT:CALCulate:STEP1:REFlect:OPEN", "-262, Invalid step connection")
        self.expect_error("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?", "-263, Step not measured")
        self.expect_error("NOLT:SYSTem:FIXTure:LEFT:PORT:COUNt 5", "-272, Invalid number of ports")
        self.expect_error("NOLT:SYSTem:STEP3:TYPE?", "-261, Invalid step index")

    def thru(self):
        self.sim.world(self.world("THRU"))
        self.expect_done("NOLT:CALCulate:STEP1:THRU", self.ms(20000))
        self.expect_reply("NOLT:SYSTem:STEP1:MEASured?", "1")
        for side in ("LEFT", "RIGHT"):
            root = "NOLT:SYSTem:FIXTure:%s:PORT1:" % side
            for result in ("LENgth", "IMPedance", "GATing"):
                value = number(self.app.run(root + result + "?").reply)
                self.check.that(root + result + "? finite", value is not None and math.isfinite(value), repr(value))
                trace = self.app.run(root + result + ":TRACe?").reply
                self.check.that(root + result + ":TRACe? finite", finite_trace(trace), (trace or "")[:80])
            self.lengths[side] = number(self.app.run(root + "LENgth?").reply)
        if None not in self.lengths.values():
            self.check.near("the halves' lengths add up to the 2x-thru's delay", sum(self.lengths.values()),
                            2 * line_physics.delay(line_physics.HALF), 4e-12)
            self.check.near("equal halves, equal lengths", self.lengths["LEFT"], self.lengths["RIGHT"], 2e-12)

    def offsets(self):
        self.expect_done("NOLT:SYSTem:STEP1:THRU:OFFSet ON")
        self.expect_done("NOLT:CALCulate:STEP1:THRU:OFFSet 10,-10", self.ms(10000))
        left = number(self.app.run("NOLT:SYSTem:FIXTure:LEFT:PORT1:LENgth?").reply)
        right = number(self.app.run("NOLT:SYSTem:FIXTure:RIGHT:PORT1:LENgth?").reply)
        if left is not None and right is not None:
            self.check.near("left offset seen", abs(left - self.lengths["LEFT"]), 10e-12, 1e-12)
            self.check.near("right offset seen", abs(right - self.lengths["RIGHT"]), 10e-12, 1e-12)
            self.check.that("offsets move the halves apart", (left - self.lengths["LEFT"]) *
                            (right - self.lengths["RIGHT"]) < 0)
        self.expect_done("NOLT:SYSTem:STEP1:THRU:OFFSet OFF", self.ms(10000))
        for side in ("LEFT", "RIGHT"):
            length = number(self.app.run("NOLT:SYSTem:FIXTure:%s:PORT1:LENgth?" % side).reply)
            self.check.near(side + " length without offset", length, self.lengths[side], 1e-15)

    def files(self):
        prefix = os.path.join(self.folder, "saved")
        self.expect_done("NOLT:SYSTem:CORRECTion:SAVE '%s'" % prefix, self.ms(10000))
        self.expect_done("NOLT:SYSTem:DATA:SAVE '%s'" % prefix, self.ms(10000))
        self.expect_done("NOLT:SYSTem:SETup:SAVE '%s.sta'" % prefix, self.ms(10000))
        points = int(self.app.query("NOLT:SENSe:SWEep:POINts?"))
        corrections = [prefix + "1.s2p", prefix + "2.s2p"]
        self.check.that("correction files", all(os.path.exists(f) for f in corrections), repr(os.listdir(self.folder)))
        raw = glob.glob(prefix + "_Transmission_Step1*")
        self.check.that("raw data of the 2x-thru step", bool(raw), repr(os.listdir(self.folder)))
        for path in corrections + raw:
            name = os.path.basename(path)
            content = touchstone.read(path)
            if not self.check.that(name + " is Touchstone", content is not None):
                continue
            self.check.equal(name + " records", len(content.records), points)
            self.check.near(name + " reference impedance", content.reference, 50.0, 1e-9)
            self.check.that(name + " finite", content.finite())
            if content.ports == 2:
                self.check.that(name + " |S21| <= 1", content.largest(1, 0) <= 1.0 + 1e-9,
                                repr(content.largest(1, 0)))
        self.check.that("setup file written", os.path.getsize(prefix + ".sta") > 0)
        missing = os.path.join(self.folder, "missing", "saved")
        self.expect_error("NOLT:SYSTem:CORRECTion:SAVE '%s'" % missing, "-200, Execution error")

    def corrected_thru(self):
        self.expect_done("NOLT:SYSTem:CORRECTion:APPLy", self.ms(20000))
        self.sim.world(self.world("THRU"))
        s21 = self.sim.measure("S21")
        s11 = self.sim.measure("S11")
        self.check.that("corrected |S21| within 0.1 dB", max(abs(decibels(v)) for v in s21) <= 0.1,
                        repr(max(abs(decibels(v)) for v in s21)))
        self.check.that("corrected S21 phase within 1 degree", max(abs(degrees(v)) for v in s21) <= 1.0,
                        repr(max(abs(degrees(v)) for v in s21)))
        self.check.that("corrected |S11| small", max(abs(v) for v in s11) <= 0.05, repr(max(abs(v) for v in s11)))

    def dut(self):
        self.sim.world(self.world("DUT"))
        self.expect_done("NOLT:CALCulate:STEP2:DUT", self.ms(20000))
        self.expect_reply("NOLT:SYSTem:STEP2:MEASured?", "1")
        self.expect_done("NOLT:SYSTem:CORRECTion:APPLy", self.ms(20000))
        frequencies = self.sim.frequencies()
        s11 = self.sim.measure("S11")
        s21 = self.sim.measure("S21")
        band = range(int(0.05 * len(frequencies)), int(0.9 * len(frequencies)))
        truth = [line_physics.s_parameters(line_physics.DUT, frequencies[i])[:2] for i in band]
        s11_error = max(abs(s11[i] - t[0]) for i, t in zip(band, truth))
        s21_error = max(abs(s21[i] - t[1]) for i, t in zip(band, truth))
        self.check.that("corrected DUT S11", s11_error < 3e-2, repr(s11_error))
        self.check.that("corrected DUT S21", s21_error < 1e-2, repr(s21_error))

    def recall(self):
        self.expect_done("NOLT:SYSTem:PRESet", self.ms(20000))
        self.expect_reply("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent?", "0")
        self.expect_done("NOLT:SYSTem:STATe:LOAD '%s.sta'" % os.path.join(self.folder, "saved"), self.ms(20000))
        for query, expected in (("NOLT:SYSTem:STEP:COUNt?", "2"), ("NOLT:SYSTem:STEP1:TYPE?", "TRANSMISSION"),
                                ("NOLT:SYSTem:STEP2:TYPE?", "DUT"),
                                ("NOLT:SYSTem:FIXTure:CONNECTion:DIRect?", "1"),
                                ("NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent?", "1"),
                                ("NOLT:SYSTem:FIXTure:LEFT:PORT1?", "1"), ("NOLT:SYSTem:FIXTure:RIGHT:PORT1?", "2")):
            self.expect_reply(query, expected)
        self.check.equal("error queue ends empty", self.app.error(), "0, No error")

    def dropped_analyzer(self):
        self.sim.world(self.world("THRU"))
        self.sim.resource.write("SIMulator:FAULt DROP,CALC1:TRAC1:DATA:SDAT?,1")
        outcome = self.app.run("NOLT:CALCulate:STEP1:THRU", self.ms(20000))
        self.check.that("a dropped analyzer fails the measurement", outcome.entry == "-200, Execution error",
                        repr(outcome))
        self.check.that("the application reconnects", self.wait_until("NOLT:SYSTem:READy?", "1", 10))
        self.expect_done("NOLT:CALCulate:STEP1:THRU", self.ms(20000))
        self.expect_reply("NOLT:SYSTem:STEP1:MEASured?", "1")


def close_window(walk, application, temporary_setup, slow):
    window = window_close.window_id(WINDOW_TITLE)
    if not walk.check.that("the main window is shown", window is not None):
        return
    window_close.request_close(window)
    try:
        code = application.wait(15 * slow)
    except Exception:
        code = None
    walk.check.equal("closing the window ends the program", code, 0)
    walk.check.that("the temporary setup is written on the way out", os.path.exists(temporary_setup))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--nolt", required=True, help="the application program")
    parser.add_argument("--simulator", required=True, help="the analyzer simulator program")
    parser.add_argument("--sanitized", action="store_true", help="the programs are sanitizer builds")
    options = parser.parse_args()
    slow = 8.0 if options.sanitized else 1.0
    options.nolt = os.path.abspath(options.nolt)
    options.simulator = os.path.abspath(options.simulator)
    if not os.environ.get("DISPLAY"):
        checks = Checks()
        checks.that("a display", False, "DISPLAY is not set: the program's window needs one (start Xvfb first)")
        print(checks.summary(), flush=True)
        return 1

    checks = None
    port_lock = processes.hold_remote_port()  # held until the walk ends
    with tempfile.TemporaryDirectory(prefix="nolt-acceptance-") as directory:
        folder = os.path.join(directory, "files")
        os.makedirs(folder)
        analyzer_port = processes.free_port()
        processes.write_settings(directory, analyzer_port)
        log = open(os.path.join(directory, "programs.log"), "w+")
        # The program keeps its temporary setup beside itself; none from an earlier run is recalled.
        temporary_setup = os.path.join(os.path.dirname(options.nolt), "tmp", "tmp-acceptance.sta")
        if os.path.exists(temporary_setup):
            os.remove(temporary_setup)
        simulator = application = None
        resources = instruments.resource_manager()
        try:
            simulator = processes.start_simulator(options.simulator, analyzer_port, log)
            application = processes.start_application(options.nolt, directory, log, 20 * slow, options.sanitized)
            app = instruments.RemoteControl(instruments.open_socket(resources, 5026, int(5000 * slow)))
            sim = instruments.Simulator(instruments.open_socket(resources, analyzer_port, 5000))
            walk = Walk(app, sim, folder, slow)
            checks = walk.check
            sections = (("start", lambda: walk.start(analyzer_port)), ("sweep", walk.sweep),
                        ("fixtures", walk.fixtures), ("error queue", walk.error_queue), ("2x-thru", walk.thru),
                        ("offsets", walk.offsets), ("files", walk.files), ("corrected thru", walk.corrected_thru),
                        ("DUT", walk.dut), ("recall", walk.recall),
                        ("load", lambda: load.run(walk, application, slow)),
                        ("dropped analyzer", walk.dropped_analyzer))
            for name, section in sections:
                try:
                    section()
                except Exception as failure:
                    checks.that(name + " ran through", False, repr(failure))
            app.close()
            sim.close()
            close_window(walk, application, temporary_setup, slow)
        except Exception as failure:
            checks = checks or Checks()
            checks.that("the programs started", False, repr(failure))
        finally:
            for process in (application, simulator):
                if process is not None:
                    processes.end(process)
            resources.close()
            log.seek(0)
            output = log.read()
            log.close()
            checks.that("no sanitizer report", "runtime error:" not in output and "Sanitizer" not in output)
            if checks.failed:
                sys.stderr.write(output[-4000:])
    print(checks.summary(), flush=True)
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
