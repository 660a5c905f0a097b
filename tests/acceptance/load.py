"""Many clients at once while one measures, some leaving mid-measurement."""

import socket
import threading
import time

import instruments
import processes

CLIENTS = 16
QUERIES = ("*OPC?", "NOLT:SYSTem:READy?", "NOLT:SENSe:FREQeuncy:STARt?", "NOLT:SYSTem:STEP:COUNt?")


def _querying_client(resources, slow, stop, tally, lock):
    resource = None
    asked = 1  # the connection itself counts until it stands
    answered = 0
    try:
        resource = instruments.open_socket(resources, 5026, int(10000 * slow))
        answered = 1
        while not stop.is_set():
            for query in QUERIES:
                asked += 1
                if resource.query(query).strip():
                    answered += 1
    except Exception:
        pass
    finally:
        if resource is not None:
            resource.close()
        with lock:
            tally[0] += asked
            tally[1] += answered


def _leaving_client(delay):
    with socket.create_connection(("127.0.0.1", 5026)) as connection:
        connection.sendall(b"NOLT:CALCulate:STEP1:THRU\n")
        time.sleep(delay)


def _round(walk, slow):
    resources = instruments.resource_manager()
    stop = threading.Event()
    tally = [0, 0]
    lock = threading.Lock()
    clients = [threading.Thread(target=_querying_client, args=(resources, slow, stop, tally, lock))
               for _ in range(CLIENTS)]
    leaving = [threading.Thread(target=_leaving_client, args=(0.05 * (i + 1),)) for i in range(3)]
    for thread in clients + leaving:
        thread.start()
    walk.expect_done("NOLT:CALCulate:STEP1:THRU", walk.ms(30000))
    stop.set()
    for thread in clients + leaving:
        thread.join(30 * slow)
    hung = [t for t in clients + leaving if t.is_alive()]
    return tally, hung


def run(walk, application, slow):
    rounds = []
    for _ in range(3):
        tally, hung = _round(walk, slow)
        walk.check.that("every client ends", not hung, "%d hung" % len(hung))
        walk.check.that("every answer arrives", tally[0] > 0 and tally[0] == tally[1], repr(tally))
        rounds.append(processes.resident_kib(application))
    # The first round grows the pools and caches; later rounds reuse them.
    walk.check.that("memory stays bounded", rounds[2] <= rounds[0] * 1.2 + 20000, repr(rounds))
    # Commands run one after another, and a client's lines run to their end after
    # it has left: this measurement ends after those the leaving clients queued.
    walk.expect_done("NOLT:CALCulate:STEP1:THRU", walk.ms(30000))
    walk.expect_reply("NOLT:SYSTem:STEP1:MEASured?", "1")
