"""The simulated switch's MIB store and SET rules, used by the snmpsim variation module.

The store is .snmprec text (or a scenario JSON object, see zqs_scenario) with `#!object`
directives:

    #!object <oid> <tag> <ro|rw|createonly|rowstatus|validstatus[:VALID:INVALID]> [<default>]

Every instance under <oid> has the type of <tag> and that access; a row created through its
RowStatus or valid/invalid status column gets the default of every column of its entry that has
one. Records under no directive are read-only. A `createonly` column is written only in the PDU
that creates its row (through the row's status column); any other SET of it is notWritable.

A valid/invalid status column (the switch's static route, static filtering and NLB forwarding
tables) knows two values of its own, 3 and 2 unless the directive names others: VALID creates a
missing row with the PDU's other columns (an existing row keeps it as a value), INVALID removes the
row, and any other value is stored in a row that exists.

    #!step <oid> <step>

Every counter instance under <oid> is a step counter: each read that returns it (a GET or
GET-NEXT answered without error) returns the value it holds and then adds <step> to it (the
agent calls `returned` once the reply is sure), modulo 2^32, so a poller sees a steady increase
and, from a value near the top, the wrap.
"""

import bisect

from pysnmp.proto import rfc1902, rfc1905
from pysnmp.smi import error as smierror
from snmpsim.grammar.snmprec import SnmprecGrammar
from snmpsim.record.snmprec import SnmprecRecord

import zqs_scenario

_RECORD = SnmprecRecord()

# Counter32 values wrap here.
COUNTER_MODULUS = 2**32

# RowStatus values (SNMPv2-TC).
ACTIVE, NOT_IN_SERVICE, NOT_READY, CREATE_AND_GO, CREATE_AND_WAIT, DESTROY = 1, 2, 3, 4, 5, 6

# A column writable only in the PDU that creates its row.
CREATE_ONLY = "createonly"

# A valid/invalid status column's access word and its two values unless it names others.
VALID_STATUS = "validstatus"
VALID, INVALID = 3, 2

# The SMI exception behind each error-status name.
ERRORS = {
    "tooBig": smierror.TooBigError,
    "noSuchName": smierror.NoSuchNameError,
    "badValue": smierror.BadValueError,
    "readOnly": smierror.ReadOnlyError,
    "genErr": smierror.GenError,
    "noAccess": smierror.NoAccessError,
    "wrongType": smierror.WrongTypeError,
    "wrongLength": smierror.WrongLengthError,
    "wrongEncoding": smierror.WrongEncodingError,
    "wrongValue": smierror.WrongValueError,
    "noCreation": smierror.NoCreationError,
    "inconsistentValue": smierror.InconsistentValueError,
    "resourceUnavailable": smierror.ResourceUnavailableError,
    "commitFailed": smierror.CommitFailedError,
    "undoFailed": smierror.UndoFailedError,
    "authorizationError": smierror.AuthorizationError,
    "notWritable": smierror.NotWritableError,
    "inconsistentName": smierror.InconsistentNameError,
}

# What an SNMPv1 manager receives for each SNMPv2 error-status (RFC 2576 section 4.4).
V1_STATUS = {
    "noAccess": "noSuchName",
    "notWritable": "noSuchName",
    "noCreation": "noSuchName",
    "inconsistentName": "noSuchName",
    "authorizationError": "noSuchName",
    "wrongType": "badValue",
    "wrongLength": "badValue",
    "wrongEncoding": "badValue",
    "wrongValue": "badValue",
    "inconsistentValue": "badValue",
    "resourceUnavailable": "genErr",
    "commitFailed": "genErr",
    "undoFailed": "genErr",
}


class StoreError(ValueError):
    pass


class SetRefused(Exception):
    """A SET PDU refused with an error-status at a 0-based varbind index."""

    def __init__(self, status, index):
        Exception.__init__(self, status)
        self.status = status
        self.index = index


def parse_oid(text):
    text = text.strip().strip(".")
    return tuple(int(x) for x in text.split(".")) if text else ()


def oid_text(key):
    return ".".join(str(x) for x in key)


def base_tag(tag):
    return SnmprecRecord.unpackTag(tag)[0]


def make_value(tag, text, where):
    try:
        return _RECORD.evaluateValue(None, tag, text)[2]
    except Exception as e:
        raise StoreError("%s: value %r is not of type %s (%s)" % (where, text, tag, e))


def same_type(tag, value):
    typ = SnmprecGrammar.tagMap.get(base_tag(tag))
    return typ is not None and typ.tagSet == value.tagSet


def format_value(value):
    """The canonical `tag|text` of a value: octet strings always as upper-case hex."""
    tag = SnmprecGrammar().getTagByType(value)
    if tag in ("4", "68"):
        return tag + "x", "".join("%02X" % x for x in value.asNumbers())
    if tag == "64":
        return tag, ".".join(str(x) for x in value.asNumbers())
    if tag == "5":
        return tag, ""
    if tag == "6":
        return tag, oid_text(tuple(value))
    return tag, str(int(value))


class Directive:
    def __init__(self, key, tag, access, default, valid=VALID, invalid=INVALID):
        self.key, self.tag, self.access, self.default = key, tag, access, default
        self.valid, self.invalid = valid, invalid  # a valid/invalid status column's two values


def parse_access(text):
    """(access, valid, invalid) of a directive's access word; None when it is none."""
    if text in ("ro", "rw", CREATE_ONLY, "rowstatus", VALID_STATUS):
        return text, VALID, INVALID
    parts = text.split(":")
    if len(parts) == 3 and parts[0] == VALID_STATUS and all(p.isdigit() for p in parts[1:]):
        valid, invalid = int(parts[1]), int(parts[2])
        if valid != invalid:
            return VALID_STATUS, valid, invalid
    return None


class Store:
    def __init__(self):
        self.keys = []  # sorted OID tuples
        self.values = {}  # OID tuple -> pyasn1 value
        self.directives = {}  # OID tuple -> Directive
        self.steps = {}  # OID tuple -> step of the counters under it

    @classmethod
    def parse(cls, text):
        if text.lstrip().startswith("{"):
            try:
                text = zqs_scenario.generate_text(text)
            except zqs_scenario.ScenarioError as e:
                raise StoreError("scenario: %s" % e)
        store = cls()
        for number, line in enumerate(text.splitlines(), 1):
            where = "line %d" % number
            line = line.strip()
            if line.startswith("#!object "):
                store._directive(line, where)
                continue
            if line.startswith("#!step "):
                store._step(line, where)
                continue
            if not line or line.startswith("#"):
                continue
            parts = line.split("|", 2)
            if len(parts) != 3 or not parts[0] or not parts[1]:
                raise StoreError("%s: %r is not oid|tag|value" % (where, line))
            key = store._oid(parts[0], where)
            if key in store.values:
                raise StoreError("%s: OID %s appears twice" % (where, parts[0]))
            store.values[key] = make_value(parts[1], parts[2], where)
        store.keys = sorted(store.values)
        return store

    def _oid(self, text, where):
        try:
            key = parse_oid(text)
        except ValueError:
            raise StoreError("%s: %r is not a dotted OID" % (where, text))
        if len(key) < 2:
            raise StoreError("%s: OID %r is too short" % (where, text))
        return key

    def _directive(self, line, where):
        parts = line.split(" ", 4)
        access = parse_access(parts[3]) if len(parts) >= 4 else None
        if access is None:
            raise StoreError("%s: %r is not #!object <oid> <tag> <ro|rw|rowstatus|validstatus[:VALID:INVALID]>"
                             " [default]" % (where, line))
        key, tag = self._oid(parts[1], where), parts[2]
        if base_tag(tag) not in SnmprecGrammar.tagMap:
            raise StoreError("%s: unknown tag %r" % (where, tag))
        default = None
        if len(parts) == 5:
            default = make_value(tag, "" if parts[4] == "-" else parts[4], where)
        self.directives[key] = Directive(key, tag, access[0], default, access[1], access[2])

    def _step(self, line, where):
        parts = line.split()
        if len(parts) != 3 or not parts[2].isdigit() or not 0 < int(parts[2]) < COUNTER_MODULUS:
            raise StoreError("%s: %r is not #!step <oid> <step 1..4294967295>" % (where, line))
        self.steps[self._oid(parts[1], where)] = int(parts[2])

    def text(self):
        """The store as canonical .snmprec records (no directives)."""
        out = []
        for key in self.keys:
            tag, text = format_value(self.values[key])
            out.append("%s|%s|%s\n" % (oid_text(key), tag, text))
        return "".join(out)

    # Reading

    def get(self, key):
        value = self.values.get(key)
        if value is not None:
            return value
        # noSuchInstance when the object type exists (a sibling instance or a directive),
        # noSuchObject otherwise.
        if self.directive_of(key) is not None or self._has_under(key[:-1]):
            return rfc1905.NoSuchInstance()
        return rfc1905.NoSuchObject()

    def next(self, key):
        """(next OID, value), or None past the end."""
        i = bisect.bisect_right(self.keys, key)
        if i == len(self.keys):
            return None
        return self.keys[i], self.values[self.keys[i]]

    def returned(self, key):
        """A read returned the instance: a step counter moves on for the next read."""
        value = self.values.get(key)
        if self.steps and isinstance(value, rfc1902.Counter32):
            for n in range(len(key), 0, -1):
                step = self.steps.get(key[:n])
                if step is not None:
                    self.values[key] = value.clone((int(value) + step) % COUNTER_MODULUS)
                    break

    def _has_under(self, prefix):
        i = bisect.bisect_left(self.keys, prefix)
        return i < len(self.keys) and self.keys[i][: len(prefix)] == prefix

    def directive_of(self, key):
        for n in range(len(key), 0, -1):
            d = self.directives.get(key[:n])
            if d is not None:
                return d
        return None

    # Writing

    def _put(self, key, value):
        if key not in self.values:
            bisect.insort(self.keys, key)
        self.values[key] = value

    def _remove_row(self, entry, index):
        for key in [k for k in self.keys if len(k) == len(entry) + 1 + len(index) and
                    k[: len(entry)] == entry and k[len(entry) + 1:] == index]:
            del self.values[key]
            self.keys.remove(key)

    def _row_of(self, directive, key):
        """(entry, index) of a column instance; None when the directive is not a column."""
        if len(key) <= len(directive.key):
            return None
        return directive.key[:-1], key[len(directive.key):]

    def _status_column(self, entry):
        for d in self.directives.values():
            if d.access in ("rowstatus", VALID_STATUS) and d.key[:-1] == entry:
                return d
        return None

    def apply_set(self, varbinds):
        """Checks every varbind of one SET PDU, then applies all of them or none.

        varbinds: [(OID tuple, pyasn1 value)]. Raises SetRefused at the first varbind that
        fails, before anything is changed.
        """
        creating = {}  # (entry, index) -> RowStatus value that creates the row
        plan = []
        for i, (key, value) in enumerate(varbinds):
            d = self.directive_of(key)
            existing = self.values.get(key)
            if d is None or d.access == "ro":
                raise SetRefused("notWritable", i)
            if not same_type(existing is not None and format_value(existing)[0] or d.tag, value):
                raise SetRefused("wrongType", i)
            row = self._row_of(d, key)
            if d.access == "rowstatus":
                if row is None:
                    raise SetRefused("notWritable", i)
                status = int(value)
                exists = key in self.values
                if status not in (ACTIVE, NOT_IN_SERVICE, CREATE_AND_GO, CREATE_AND_WAIT, DESTROY):
                    raise SetRefused("wrongValue", i)
                if status in (CREATE_AND_GO, CREATE_AND_WAIT) and (exists or row in creating):
                    raise SetRefused("inconsistentValue", i)
                if status in (ACTIVE, NOT_IN_SERVICE) and not exists:
                    raise SetRefused("inconsistentValue", i)
                if status in (CREATE_AND_GO, CREATE_AND_WAIT):
                    creating[row] = status
                plan.append(("status", key, value, row))
            elif d.access == VALID_STATUS:
                if row is None:
                    raise SetRefused("notWritable", i)
                status = int(value)
                exists = key in self.values
                if status == d.valid and not exists:
                    if row in creating:
                        raise SetRefused("inconsistentValue", i)
                    creating[row] = status
                elif not exists:
                    # Nothing to remove or change: the row neither exists nor is created.
                    raise SetRefused("noCreation", i)
                plan.append(("valid" if status != d.invalid else "invalid", key, value, row))
            elif d.access == CREATE_ONLY:
                # Decided once the PDU's status varbinds are known: it may follow the column.
                plan.append(("createonly", key, value, row))
            elif existing is None:
                plan.append(("new", key, value, row))
            else:
                plan.append(("set", key, value, row))
        # A column instance that does not exist yet needs its row: existing already, or
        # created by a RowStatus varbind of this same PDU.
        for i, (kind, key, value, row) in enumerate(plan):
            if kind == "createonly" and (row is None or row not in creating):
                raise SetRefused("notWritable", i)
            if kind != "new":
                continue
            status = row and self._status_column(row[0])
            if not status or (row not in creating and status.key + row[1] not in self.values):
                raise SetRefused("noCreation", i)

        for (entry, index), status in creating.items():
            for d in self.directives.values():
                if d.key[:-1] == entry and d.default is not None:
                    self._put(d.key + index, d.default)
        destroys = []
        for kind, key, value, row in plan:
            if kind == "invalid":
                destroys.append(row)
                continue
            if kind != "status":
                self._put(key, value)
                continue
            status = int(value)
            if status == DESTROY:
                destroys.append(row)
            elif status == CREATE_AND_GO:
                self._put(key, rfc1902.Integer32(ACTIVE))
            elif status == CREATE_AND_WAIT:
                self._put(key, rfc1902.Integer32(NOT_IN_SERVICE))
            else:
                self._put(key, rfc1902.Integer32(status))
        for entry, index in destroys:
            self._remove_row(entry, index)
