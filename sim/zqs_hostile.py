"""A hostile SNMPv1/v2c agent: answers every request, then spoils the answer by scenario.

Run by `zqs_sim.py start --kind hostile`. Its instance folder holds:
  control.json   {"scenario": NAME, "options": {...}, "store": SNMPREC-TEXT}; re-read when replaced
  requests.txt   one line per request received: "<get|next|set> <request-id> <oid> ..."
  errors.txt     faults of the agent itself (a control file it cannot use)

The well-behaved answer comes from the store (.snmprec lines, default: a small table); the
scenarios (see sim/README.md) then change what is sent. SNMPv3 requests are not answered.
A GET of 0.0 (the fixtures' probe) is always answered well and never counted.
"""

import heapq
import json
import os
import random
import select
import socket
import time

import zqs_ber as ber

PROBE = (0, 0)
# A small table (two columns, three rows) and sysObjectID, for the default well-behaved answers.
DEFAULT_STORE = """\
1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.746.10.117.2.1
1.3.6.1.4.1.746.99.1.1.2.1|2|10
1.3.6.1.4.1.746.99.1.1.2.2|2|20
1.3.6.1.4.1.746.99.1.1.2.3|2|30
1.3.6.1.4.1.746.99.1.1.3.1|4|one
1.3.6.1.4.1.746.99.1.1.3.2|4|two
1.3.6.1.4.1.746.99.1.1.3.3|4|three
"""
MAX_DATAGRAM = 65507  # the largest UDP payload over IPv4

SCENARIOS = (
    "normal", "random-bytes", "truncated", "wrong-request-id", "other-port", "other-address",
    "error-index-beyond", "fewer-varbinds", "more-varbinds", "wrong-type", "largest-octet-string",
    "non-increasing", "endless-table", "late-reply", "duplicate",
)

REPLACEMENTS = {
    "integer": (ber.INTEGER, 7),
    "octets": (ber.OCTET_STRING, b"not a number"),
    "counter64": (ber.COUNTER64, 2**40 + 7),
    "counter32": (ber.COUNTER32, 7),
    "oid": (ber.OID, (1, 3, 6, 1, 4, 1, 746)),
    "ipaddress": (ber.IP_ADDRESS, b"\x0a\x01\x02\x03"),
    "short-ipaddress": (ber.IP_ADDRESS, b"\x0a\x01"),
    "null": (ber.NULL, None),
    "nosuchobject": (ber.NO_SUCH_OBJECT, None),
    "nosuchinstance": (ber.NO_SUCH_INSTANCE, None),
    "endofmibview": (ber.END_OF_MIB_VIEW, None),
}


def parse_oid(text):
    text = text.strip().strip(".")
    return tuple(int(x) for x in text.split(".")) if text else ()


def parse_value(tag, text):
    if tag == "2":
        return ber.INTEGER, int(text)
    if tag in ("65", "66", "67", "70"):
        return {"65": ber.COUNTER32, "66": ber.GAUGE32, "67": ber.TIME_TICKS, "70": ber.COUNTER64}[tag], int(text)
    if tag == "4":
        return ber.OCTET_STRING, text.encode()
    if tag in ("4x", "68x"):
        return (ber.OCTET_STRING if tag == "4x" else ber.OPAQUE), bytes.fromhex(text)
    if tag == "6":
        return ber.OID, parse_oid(text)
    if tag == "64":
        return ber.IP_ADDRESS, bytes(int(x) for x in text.split("."))
    if tag == "5":
        return ber.NULL, None
    raise ValueError("unknown tag %r" % tag)


def parse_store(text):
    store = {}
    for number, line in enumerate(text.splitlines(), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        try:
            oid, tag, value = line.split("|", 2)
            store[parse_oid(oid)] = parse_value(tag, value)
        except ValueError as e:
            raise ValueError("store line %d: %s" % (number, e))
    return store


class Hostile:
    def __init__(self, folder, address, sock):
        self.folder, self.address, self.sock = folder, address, sock
        self.scenario, self.options = "normal", {}
        self.store = parse_store(DEFAULT_STORE)
        self.keys = sorted(self.store)
        self.signature = None
        self.served = 0  # requests answered under the current control file
        self.pending = []  # (due time, sequence, socket, data, destination)
        self.sequence = 0
        self.others = {}

    def path(self, name):
        return os.path.join(self.folder, name)

    def report(self, text):
        with open(self.path("errors.txt"), "a") as f:
            f.write(text.rstrip("\n") + "\n")

    def refresh(self):
        try:
            st = os.stat(self.path("control.json"))
            signature = (st.st_ino, st.st_mtime_ns, st.st_size)
        except FileNotFoundError:
            signature = None
        if signature == self.signature:
            return
        self.signature = signature
        self.served = 0
        try:
            control = {}
            if signature is not None:
                with open(self.path("control.json")) as f:
                    control = json.load(f)
            scenario = control.get("scenario", "normal")
            if scenario not in SCENARIOS:
                raise ValueError("unknown scenario %r" % scenario)
            store = parse_store(control["store"]) if "store" in control else parse_store(DEFAULT_STORE)
            self.scenario, self.options, self.store = scenario, dict(control.get("options", {})), store
            self.keys = sorted(store)
        except (OSError, ValueError, TypeError, AttributeError) as e:
            self.scenario, self.options = "normal", {}
            self.report("control.json: %s" % e)

    # The well-behaved answer

    def next_key(self, oid):
        for key in self.keys:
            if key > oid:
                return key
        return None

    def answer(self, version, pdu_type, varbinds):
        """(status, index, varbinds) of a well-behaved agent."""
        out = []
        for i, (oid, value) in enumerate(varbinds):
            if pdu_type == ber.SET:
                out.append((oid, value))
            elif pdu_type == ber.GET_NEXT:
                key = self.next_key(oid)
                if key is None:
                    if version == 0:
                        return 2, i + 1, varbinds  # noSuchName
                    out.append((oid, (ber.END_OF_MIB_VIEW, None)))
                else:
                    out.append((key, self.store[key]))
            elif oid in self.store:
                out.append((oid, self.store[oid]))
            elif version == 0:
                return 2, i + 1, varbinds
            else:
                out.append((oid, (ber.NO_SUCH_OBJECT, None)))
        return 0, 0, out

    # Scenarios

    def option(self, name, default):
        return self.options.get(name, default)

    def spoil(self, request, reply):
        """The datagrams to send for one request: [(delay seconds, socket, bytes)]."""
        version, community, pdu_type, request_id, _, _, varbinds = request
        status, index, out = reply
        s = self.scenario
        self.served += 1
        if s == "non-increasing" and pdu_type == ber.GET_NEXT and self.served > int(self.option("after", 0)):
            how = self.option("how", "same")
            out = [(self.smaller(oid) if how == "smaller" else oid, self.value_near(oid)) for oid, _ in varbinds]
            status, index = 0, 0
        elif s == "endless-table" and pdu_type == ber.GET_NEXT:
            out = [self.endless(oid) for oid, _ in varbinds]
            status, index = 0, 0
        elif s == "wrong-type":
            prefix = parse_oid(str(self.option("prefix", "")))
            replacement = REPLACEMENTS[self.option("type", "octets")]
            out = [(oid, replacement if oid[: len(prefix)] == prefix else value) for oid, value in out]
        elif s == "error-index-beyond":
            status, index = int(self.option("status", 5)), len(varbinds) + int(self.option("beyond", 1))
        elif s == "fewer-varbinds":
            out = out[: max(0, len(out) - int(self.option("drop", 1)))]
        elif s == "more-varbinds":
            last = out[-1] if out else ((1, 3, 6, 1), (ber.INTEGER, 0))
            out = out + [(last[0] + (n + 1,), (ber.INTEGER, n + 1)) for n in range(int(self.option("extra", 1)))]
        if s == "wrong-request-id":
            request_id = (request_id + 1 + random.randrange(1000)) & 0x7FFFFFFF
        data = ber.encode_message(version, community, ber.RESPONSE, request_id, status, index, out)

        if s == "largest-octet-string":
            data = self.fill(version, community, request_id, out, int(self.option("size", MAX_DATAGRAM)))
        elif s == "random-bytes":
            data = bytes(random.randrange(256) for _ in range(int(self.option("length", 64))))
        elif s == "truncated":
            data = data[: int(self.option("keep", len(data) // 2))]

        sock, delay, copies = self.sock, 0.0, 1
        if s == "other-port":
            sock = self.other_socket(self.address)
        elif s == "other-address":
            sock = self.other_socket(self.option("address", "127.0.0.2"))
        elif s == "late-reply":
            delay = float(self.option("delay_ms", 2000)) / 1000.0
        elif s == "duplicate":
            copies = int(self.option("copies", 2))
        gap = float(self.option("gap_ms", 0)) / 1000.0
        return [(delay + n * gap, sock, data) for n in range(copies)]

    def value_near(self, oid):
        return self.store.get(oid, (ber.INTEGER, 1))

    @staticmethod
    def smaller(oid):
        # Under the same prefix: the previous instance, or the column itself.
        return oid[:-1] + (oid[-1] - 1,) if oid and oid[-1] > 0 else oid[:-1]

    def endless(self, oid):
        prefix = parse_oid(str(self.option("prefix", "1.3.6.1.4.1.746.99.1.1")))
        if oid[: len(prefix)] != prefix or len(oid) <= len(prefix):
            column = prefix + (2,)
        else:
            column = oid[: len(prefix) + 1]
        row = oid[len(column)] + 1 if len(oid) > len(column) else 1
        return column + (row,), (ber.INTEGER, row)

    def fill(self, version, community, request_id, out, size):
        """A reply of exactly `size` octets whose first value is one long OCTET STRING."""
        oid = out[0][0] if out else (1, 3, 6, 1)
        length = 0
        for _ in range(4):  # the length octets grow with the value; settle in a few rounds
            data = ber.encode_message(version, community, ber.RESPONSE, request_id, 0, 0,
                                      [(oid, (ber.OCTET_STRING, b"A" * length))] + out[1:])
            if len(data) == size:
                break
            length += size - len(data)
        return data

    def other_socket(self, address):
        if address not in self.others:
            s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
            s.bind((address, 0))
            self.others[address] = s
        return self.others[address]

    # Serving

    def log_request(self, pdu_type, request_id, varbinds):
        name = {ber.GET: "get", ber.GET_NEXT: "next", ber.SET: "set"}.get(pdu_type, "0x%02x" % pdu_type)
        oids = " ".join(".".join(str(x) for x in oid) for oid, _ in varbinds)
        with open(self.path("requests.txt"), "a") as f:
            f.write("%s %d %s\n" % (name, request_id, oids))

    def handle(self, data, source):
        try:
            request = ber.decode_message(data)
        except (ber.BerError, IndexError, ValueError):
            return  # not SNMPv1/v2c (SNMPv3, or garbage): no answer, as from a real agent
        version, community, pdu_type, request_id, _, _, varbinds = request
        if pdu_type not in (ber.GET, ber.GET_NEXT, ber.SET):
            return
        self.refresh()
        reply = self.answer(version, pdu_type, varbinds)
        if [oid for oid, _ in varbinds] == [PROBE]:
            sends = [(0.0, self.sock, ber.encode_message(version, community, ber.RESPONSE, request_id, *reply))]
        else:
            self.log_request(pdu_type, request_id, varbinds)
            sends = self.spoil(request, reply)
        now = time.monotonic()
        for delay, sock, out in sends:
            self.sequence += 1
            heapq.heappush(self.pending, (now + delay, self.sequence, sock, out, source))

    def run(self):
        self.refresh()
        while True:
            timeout = max(0.0, self.pending[0][0] - time.monotonic()) if self.pending else None
            readable, _, _ = select.select([self.sock], [], [], timeout)
            if readable:
                data, source = self.sock.recvfrom(65535)
                self.handle(data, source)
            while self.pending and self.pending[0][0] <= time.monotonic():
                _, _, sock, out, destination = heapq.heappop(self.pending)
                try:
                    sock.sendto(out, destination)
                except OSError as e:
                    self.report("send of %d octets failed: %s" % (len(out), e))


def serve(folder, address, port):
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind((address, port))  # no SO_REUSEADDR: the port is ours alone
    Hostile(folder, address, sock).run()
