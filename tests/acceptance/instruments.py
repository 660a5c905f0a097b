"""PyVISA sessions with the application's remote control and the simulator."""

import re

import pyvisa

_ERROR_ENTRY = re.compile(r"^(0, No error|-\d+, .*)$")


def open_socket(resources, port, timeout_ms):
    resource = resources.open_resource("TCPIP::127.0.0.1::%d::SOCKET" % port)
    resource.read_termination = "\n"
    resource.write_termination = "\n"
    resource.timeout = timeout_ms
    return resource


def resource_manager():
    return pyvisa.ResourceManager("@py")


class Outcome:
    """What one line left behind: its reply (None when it sent none) and the
    error entry the queue held afterwards."""

    def __init__(self, reply, entry):
        self.reply = reply
        self.entry = entry

    @property
    def code(self):
        return 0 if self.entry.startswith("0,") else int(self.entry.split(",")[0][1:])

    def __repr__(self):
        return "reply %r, error %r" % (self.reply, self.entry)


class RemoteControl:
    """The application's command set: a query that fails sends no reply, so each
    line is followed by the error query and both answers are told apart."""

    def __init__(self, resource):
        self.resource = resource

    def run(self, line, timeout_ms=None):
        previous = self.resource.timeout
        if timeout_ms:
            self.resource.timeout = timeout_ms
        try:
            self.resource.write(line)
            self.resource.write("NOLT:SYSTem:ERRor?")
            first = self.resource.read().strip()
            if _ERROR_ENTRY.match(first):
                return Outcome(None, first)
            return Outcome(first, self.resource.read().strip())
        finally:
            self.resource.timeout = previous

    def query(self, line, timeout_ms=None):
        """The reply of a query that must succeed."""
        outcome = self.run(line, timeout_ms)
        if outcome.reply is None or outcome.code:
            raise RuntimeError("%s: %r" % (line, outcome))
        return outcome.reply

    def error(self):
        return self.resource.query("NOLT:SYSTem:ERRor?").strip()

    def close(self):
        self.resource.close()


class Simulator:
    """The simulated analyzer: control commands switch its world, its own
    analyzer commands measure what it sees."""

    def __init__(self, resource):
        self.resource = resource

    def world(self, path):
        """Serves the Touchstone file as what the analyzer's ports see."""
        self.resource.write("SIMulator:WORLd:FILE " + path)
        return self.resource.query("*OPC?").strip()

    def frequencies(self):
        return [float(v) for v in self.resource.query("SENSe1:FREQuency:DATA?").split(",")]

    def measure(self, parameter):
        """One triggered sweep of S<out><in> on channel 1 as complex values."""
        for line in ("CALCulate1:PARameter1:DEFine " + parameter, "INITiate1:CONTinuous OFF",
                     ":TRIG:SOUR BUS", "INITiate1:IMMediate", ":TRIG:SING"):
            self.resource.write(line)
        self.resource.query("*OPC?")
        values = [float(v) for v in self.resource.query("CALCulate1:TRACe1:DATA:SDATa?").split(",")]
        return [complex(values[i], values[i + 1]) for i in range(0, len(values) - 1, 2)]

    def close(self):
        self.resource.close()
