"""Starts the simulator and the application program and ends them."""

import fcntl
import os
import socket
import subprocess
import tempfile
import time


def hold_remote_port():
    """Waits until no other test on this machine owns the remote-control port and
    keeps it for this process: test runs side by side (another checkout's suite
    among them) would otherwise start two programs on the one port. The lock goes
    with the process."""
    lock = open(os.path.join(tempfile.gettempdir(), "nolt-remote-port-5026.lock"), "a")
    fcntl.flock(lock, fcntl.LOCK_EX)
    return lock


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for_port(port, seconds, process):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise RuntimeError("%s ended with %s before listening" % (process.args[0], process.returncode))
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.5).close()
            return
        except OSError:
            time.sleep(0.1)
    raise RuntimeError("nothing listens on port %d after %g s" % (port, seconds))


def start_simulator(program, port, log):
    process = subprocess.Popen([program, "--port", str(port), "--ports", "4"], stdout=log, stderr=subprocess.STDOUT)
    wait_for_port(port, 10, process)
    return process


def write_settings(directory, analyzer_port):
    os.makedirs(os.path.join(directory, "settings"), exist_ok=True)
    with open(os.path.join(directory, "settings", "settings"), "w") as settings:
        # A stored setup name makes the program keep its temporary setup.
        settings.write("[%%General]\nloadedStateFile=acceptance\n\n[Network]\nipAddress=127.0.0.1\nport=%d\n"
                       % analyzer_port)


# Mesa unloads its software driver before LeakSanitizer looks at the heap, so the
# driver's process-lifetime allocations would be reported without a module name
# that the suppression file could match; preloaded, the driver stays.
MESA_DRIVER = "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"


def wait_for_free_port(port, seconds):
    """Another program on the port (a test run beside this one) would answer in its
    place, and the walk would drive it instead."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            socket.create_connection(("127.0.0.1", port), timeout=0.5).close()
        except OSError:
            return
        time.sleep(0.5)
    raise RuntimeError("another program holds port %d" % port)


def start_application(program, directory, log, seconds, sanitized):
    wait_for_free_port(5026, 30)
    environment = dict(os.environ)
    # The window belongs on the display, where it can be closed like a user does.
    environment.pop("QT_QPA_PLATFORM", None)
    if sanitized:
        environment["LD_PRELOAD"] = MESA_DRIVER
        environment["ASAN_OPTIONS"] = "verify_asan_link_order=0"
    process = subprocess.Popen([program], cwd=directory, env=environment, stdout=log, stderr=subprocess.STDOUT)
    wait_for_port(5026, seconds, process)
    return process


def end(process, seconds=5):
    """Stops a process that the walk left running; its exit code, or None."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(seconds)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    return process.returncode


def resident_kib(process):
    with open("/proc/%d/status" % process.pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0
