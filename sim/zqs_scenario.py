"""Turns a compact scenario (a dict, usually JSON) into the simulated switch's store.

The store is .snmprec text (oid|tag|value, sorted by OID) plus `#!object` directives that the
variation module reads: which objects are writable, their types, RowStatus columns and the
defaults a newly created row gets. See sim/README.md for the scenario format.

Only the standard library is used here, so generating a store stays fast.
"""

import json
import re
import string
import sys

# Model presets: sysObjectID arc m and the number of front ports of a unit.
MODELS = {
    "24RA": (2, 24),
    "24DA": (3, 24),
    "24ZO": (4, 24),
    "48DA": (5, 48),
    "48RO": (6, 48),
    "24ZO-DC": (7, 24),
}

SYS_DESCR = "1.3.6.1.2.1.1.1.0"
SYS_OBJECT_ID = "1.3.6.1.2.1.1.2.0"
SYS_UP_TIME = "1.3.6.1.2.1.1.3.0"
SYS_NAME = "1.3.6.1.2.1.1.5.0"
FIRMWARE_TYPE = "1.3.6.1.4.1.746.12.1.1.13.0"
STACK_MODE = "1.3.6.1.4.1.746.12.11.1.9.6.0"
UNIT_ENTRY = "1.3.6.1.4.1.746.12.11.1.9.4.1"
MAX_UNITS = 6

# Unit table columns the switch lists for every one of the six unit slots.
UNIT_MAC, UNIT_START_PORT, UNIT_PORT_RANGE, UNIT_LED = 2, 3, 4, 5
UNIT_CURRENT_MODE, UNIT_VERSION, UNIT_MODULE_NAME, UNIT_EXIST_STATE = 7, 8, 9, 15

CURRENT_MODES = {"other": 1, "auto": 2, "stand-alone": 3, "master": 4, "slave": 5, "backup-master": 6}
STACK_MODES = {"enabled": 1, "disabled": 2}


def sys_object_id(model):
    return "1.3.6.1.4.1.746.10.117.%d.1" % MODELS[model][0]


def led_status_oid(model, unit):
    """swLedInfoFrontPanelLedStatus.<unit> in the table of the model's arc."""
    return "1.3.6.1.4.1.746.11.117.%d.1.4.1.1.1.2.%d" % (MODELS[model][0], unit)


def led_length(model):
    # Port p sits in octet 31 + p; the two stack-ID octets follow the last port octet
    # (octets 56/57 on 24-port models, 80/81 on 48-port models).
    return 32 + MODELS[model][1] + 2


class ScenarioError(ValueError):
    pass


# Value types a scenario may name, with the snmprec tag they become.
TYPE_TAGS = {
    "int": "2",
    "integer": "2",
    "rowstatus": "2",
    "validstatus": "2",
    "string": "4",
    "hex": "4x",
    "null": "5",
    "oid": "6",
    "ip": "64",
    "counter": "65",
    "gauge": "66",
    "timeticks": "67",
    "opaque": "68x",
    "counter64": "70",
}
# A step counter: "counter+N", a Counter32 that grows by N at every read that returns it.
_STEP_RE = re.compile(r"^counter\+(\d+)$")
RAW_TAGS = {"2", "4", "4x", "5", "6", "64", "65", "66", "67", "68", "68x", "70"}
ACCESSES = ("ro", "rw", "createonly", "rowstatus", "validstatus")
# A valid/invalid status column with other values than 3 (valid) and 2 (invalid).
_VALID_STATUS_RE = re.compile(r"^validstatus:\d+:\d+$")

_OID_RE = re.compile(r"^\.?\d+(\.\d+)*$")
_HEX_RE = re.compile(r"^([0-9A-Fa-f]{2})*$")
_PLAIN = set(string.ascii_letters + string.digits + string.punctuation + " ")


def oid_key(oid):
    return tuple(int(x) for x in oid.strip(".").split("."))


def check_oid(oid, what):
    if not isinstance(oid, str) or not _OID_RE.match(oid):
        raise ScenarioError("%s: %r is not a dotted OID" % (what, oid))
    return oid.strip(".")


def step_of(type_name, what):
    """The step of a step-counter type, or None for any other type."""
    match = _STEP_RE.match(type_name) if isinstance(type_name, str) else None
    if match is None:
        return None
    step = int(match.group(1))
    if not 0 < step < 2**32:
        raise ScenarioError("%s: the step of %r is not 1..4294967295" % (what, type_name))
    return step


def tag_of(type_name, what):
    if step_of(type_name, what) is not None:
        return TYPE_TAGS["counter"]
    if type_name in TYPE_TAGS:
        return TYPE_TAGS[type_name]
    if type_name in RAW_TAGS:
        return type_name
    raise ScenarioError("%s: unknown type %r (use one of %s)" % (what, type_name, ", ".join(sorted(TYPE_TAGS))))


def encode(tag, value, what):
    """The snmprec tag and value text of one value; strings that snmprec cannot hold plainly go hex."""
    try:
        if tag == "2":
            return tag, str(int(value))
        if tag in ("65", "66", "67", "70"):
            number = int(value)
            limit = 2**64 if tag == "70" else 2**32
            if not 0 <= number < limit:
                raise ValueError("out of range")
            return tag, str(number)
        if tag == "4":
            text = str(value)
            if text and set(text) <= _PLAIN and text == text.strip():
                return "4", text
            return "4x", text.encode("utf-8").hex().upper()
        if tag in ("4x", "68x"):
            text = str(value).replace(" ", "")
            if not _HEX_RE.match(text):
                raise ValueError("not an even number of hex digits")
            return tag, text.upper()
        if tag == "68":
            return "68x", str(value).encode("utf-8").hex().upper()
        if tag == "5":
            return tag, ""
        if tag == "6":
            return tag, check_oid(str(value), what)
        if tag == "64":
            parts = str(value).split(".")
            if len(parts) != 4 or not all(p.isdigit() and int(p) < 256 for p in parts):
                raise ValueError("not a dotted IPv4 address")
            return tag, str(value)
    except ScenarioError:
        raise
    except (TypeError, ValueError) as e:
        raise ScenarioError("%s: value %r does not fit type %s: %s" % (what, value, tag, e))
    raise ScenarioError("%s: unknown tag %r" % (what, tag))


class Builder:
    def __init__(self):
        self.records = {}  # oid key -> (oid text, tag, value text)
        self.directives = {}  # oid key -> line
        self.steps = {}  # oid key -> "#!step" line

    def put(self, oid, type_name, value, what):
        oid = check_oid(oid, what)
        tag, text = encode(tag_of(type_name, what), value, what)
        self.records[oid_key(oid)] = (oid, tag, text)

    def declare(self, oid, type_name, access, default, what):
        oid = check_oid(oid, what)
        valid_status = isinstance(access, str) and _VALID_STATUS_RE.match(access)
        if access not in ACCESSES and not valid_status:
            raise ScenarioError("%s: access %r is not one of %s or validstatus:VALID:INVALID"
                                % (what, access, ", ".join(ACCESSES)))
        if valid_status and len(set(access.split(":")[1:])) != 2:
            raise ScenarioError("%s: a valid/invalid status column needs two different values" % what)
        if type_name == "rowstatus":
            access = "rowstatus"
        if type_name == "validstatus" and not valid_status:
            access = "validstatus"
        if access == "rowstatus" and tag_of(type_name, what) != "2":
            raise ScenarioError("%s: a RowStatus column is an integer" % what)
        if access.startswith("validstatus") and tag_of(type_name, what) != "2":
            raise ScenarioError("%s: a valid/invalid status column is an integer" % what)
        tag = tag_of(type_name, what)
        line = "#!object %s %s %s" % (oid, tag, access)
        if default is not None:
            tag, text = encode(tag, default, what)
            line = "#!object %s %s %s %s" % (oid, tag, access, text if text else "-")
        self.directives[oid_key(oid)] = line

    def step(self, oid, type_name, what):
        """Makes the counters under oid step counters when the type is one."""
        step = step_of(type_name, what)
        if step is not None:
            oid = check_oid(oid, what)
            self.steps[oid_key(oid)] = "#!step %s %d" % (oid, step)

    def omit(self, prefix):
        key = oid_key(check_oid(prefix, "omit"))
        for k in [k for k in self.records if k[: len(key)] == key]:
            del self.records[k]

    def text(self, title):
        lines = ["# %s" % title]
        lines += [self.directives[k] for k in sorted(self.directives)]
        lines += [self.steps[k] for k in sorted(self.steps)]
        lines += ["%s|%s|%s" % self.records[k] for k in sorted(self.records)]
        return "\n".join(lines) + "\n"


def unit_led(model, is_master, led, what):
    octets = bytearray(led_length(model))
    octets[1] = 1  # power LED green
    octets[4] = 1 if is_master else 0  # master LED
    if led is None:
        return octets.hex().upper()
    if isinstance(led, str):
        return encode("4x", led, what)[1]
    if isinstance(led, dict):
        for index, value in led.items():
            try:
                i, v = int(index), int(value)
            except (TypeError, ValueError):
                raise ScenarioError("%s: LED octet %r=%r is not a number" % (what, index, value))
            if not 0 <= v <= 255 or i < 0:
                raise ScenarioError("%s: LED octet %d=%d is out of range" % (what, i, v))
            if i >= len(octets):
                octets.extend(bytes(i + 1 - len(octets)))
            octets[i] = v
        return octets.hex().upper()
    raise ScenarioError("%s: led is a hex string or an {octet: value} object" % what)


def model_of(name, what):
    if name not in MODELS:
        raise ScenarioError("%s: unknown model %r (use one of %s)" % (what, name, ", ".join(MODELS)))
    return name


def add_units(b, scenario, model, stacked):
    units = scenario.get("units")
    if units is None:
        units = [{"model": model}]
    if not isinstance(units, list) or len(units) > MAX_UNITS:
        raise ScenarioError("units: a list of at most %d units" % MAX_UNITS)
    present = {}
    for position, unit in enumerate(units):
        what = "units[%d]" % position
        if not isinstance(unit, dict):
            raise ScenarioError("%s: a unit is an object" % what)
        number = unit.get("unit", position + 1)
        if not isinstance(number, int) or not 1 <= number <= MAX_UNITS or number in present:
            raise ScenarioError("%s: unit number %r is not a free number 1..%d" % (what, number, MAX_UNITS))
        present[number] = dict(unit, model=model_of(unit.get("model", model), what), what=what)
    first = min(present) if present else None
    for number in range(1, MAX_UNITS + 1):
        row = lambda column: "%s.%d.%d" % (UNIT_ENTRY, column, number)
        unit = present.get(number)
        if unit is None:
            b.put(row(UNIT_MAC), "hex", "000000000000", "unit table")
            b.put(row(UNIT_START_PORT), "int", 0, "unit table")
            b.put(row(UNIT_PORT_RANGE), "int", 0, "unit table")
            b.put(row(UNIT_LED), "hex", "", "unit table")
            b.put(row(UNIT_CURRENT_MODE), "int", CURRENT_MODES["other"], "unit table")
            b.put(row(UNIT_VERSION), "string", "", "unit table")
            b.put(row(UNIT_MODULE_NAME), "string", "NOT_EXIST", "unit table")
            b.put(row(UNIT_EXIST_STATE), "int", 2, "unit table")
            continue
        what, unit_model = unit["what"], unit["model"]
        mode = unit.get("mode", "master" if number == first else ("slave" if stacked else "master"))
        if mode not in CURRENT_MODES:
            raise ScenarioError("%s: mode %r is not one of %s" % (what, mode, ", ".join(CURRENT_MODES)))
        led = unit_led(unit_model, mode == "master", unit.get("led"), what)
        ports = MODELS[unit_model][1]
        b.put(row(UNIT_MAC), "hex", unit.get("mac", "0011223344%02X" % number), what)
        b.put(row(UNIT_START_PORT), "int", unit.get("start_port", 1), what)
        b.put(row(UNIT_PORT_RANGE), "int", unit.get("port_range", ports if stacked else ports + 2), what)
        b.put(row(UNIT_LED), "hex", led, what)
        b.put(row(UNIT_CURRENT_MODE), "int", CURRENT_MODES[mode], what)
        b.put(row(UNIT_VERSION), "string", unit.get("version", "1.00.010"), what)
        b.put(row(UNIT_MODULE_NAME), "string", unit.get("module_name", "ZQS-4410-" + unit_model), what)
        b.put(row(UNIT_EXIST_STATE), "int", 1, what)
        # Every unit's LED status is listed under the master's model arc, the one the
        # sysObjectID names, whatever the unit's own model is.
        b.put(led_status_oid(model, number), "hex", led, what)


def add_objects(b, scenario):
    for position, entry in enumerate(scenario.get("objects", [])):
        what = "objects[%d]" % position
        if not isinstance(entry, list) or not 3 <= len(entry) <= 4:
            raise ScenarioError("%s: an object is [oid, type, value] or [oid, type, value, access]" % what)
        oid, type_name, value = entry[:3]
        access = entry[3] if len(entry) == 4 else "ro"
        b.put(oid, type_name, value, what)
        b.step(oid, type_name, what)
        if access != "ro" or type_name in ("rowstatus", "validstatus"):
            b.declare(oid, type_name, access, None, what)


def add_tables(b, scenario):
    for position, table in enumerate(scenario.get("tables", [])):
        what = "tables[%d]" % position
        if not isinstance(table, dict) or "entry" not in table:
            raise ScenarioError("%s: a table is an object with entry, columns and rows" % what)
        entry = check_oid(table["entry"], what + ".entry")
        columns = table.get("columns", [])
        for c, column in enumerate(columns):
            cwhat = "%s.columns[%d]" % (what, c)
            if not isinstance(column, list) or not 2 <= len(column) <= 4 or not isinstance(column[0], int):
                raise ScenarioError("%s: a column is [number, type, access, default]" % cwhat)
            number, type_name = column[0], column[1]
            status = type_name in ("rowstatus", "validstatus")
            access = column[2] if len(column) > 2 else (type_name if status else "ro")
            default = column[3] if len(column) > 3 else None
            tag_of(type_name, cwhat)
            b.step("%s.%d" % (entry, number), type_name, cwhat)
            if access != "ro" or default is not None or status:
                b.declare("%s.%d" % (entry, number), type_name, access, default, cwhat)
        for r, row in enumerate(table.get("rows", [])):
            rwhat = "%s.rows[%d]" % (what, r)
            if not isinstance(row, list) or len(row) != len(columns) + 1:
                raise ScenarioError("%s: a row is [index, one value per column] (%d values)" % (rwhat, len(columns)))
            index = check_oid(str(row[0]), rwhat + " index")
            for column, value in zip(columns, row[1:]):
                if value is not None:
                    b.put("%s.%d.%s" % (entry, column[0], index), column[1], value, rwhat)


def generate(scenario):
    """Scenario dict -> store text (.snmprec with directives)."""
    if not isinstance(scenario, dict):
        raise ScenarioError("a scenario is a JSON object")
    known = {"model", "sys_object_id", "stack_mode", "firmware", "units", "objects", "tables", "omit"}
    unknown = set(scenario) - known
    if unknown:
        raise ScenarioError("unknown scenario keys: %s" % ", ".join(sorted(unknown)))
    model = model_of(scenario.get("model", "24RA"), "model")
    stack_mode = scenario.get("stack_mode", "disabled")
    if stack_mode not in STACK_MODES:
        raise ScenarioError("stack_mode: %r is not enabled or disabled" % stack_mode)
    b = Builder()
    b.put(SYS_DESCR, "string", "ZQS-4410-%s Stackable Managed Switch" % model, "system")
    b.put(SYS_OBJECT_ID, "oid", scenario.get("sys_object_id", sys_object_id(model)), "sys_object_id")
    b.put(SYS_UP_TIME, "timeticks", 123456, "system")
    b.put(SYS_NAME, "string", "zqs-sim", "system")
    b.declare(SYS_NAME, "string", "rw", None, "system")
    b.put(FIRMWARE_TYPE, "string", scenario.get("firmware", "KB"), "firmware")
    b.put(STACK_MODE, "int", STACK_MODES[stack_mode], "stack_mode")
    b.declare(STACK_MODE, "int", "rw", None, "stack_mode")
    add_units(b, scenario, model, stack_mode == "enabled")
    add_objects(b, scenario)
    add_tables(b, scenario)
    for prefix in scenario.get("omit", []):
        b.omit(prefix)
    return b.text("ZQS-4410 simulated switch: %s, stack %s" % (model, stack_mode))


def generate_text(text):
    try:
        scenario = json.loads(text)
    except ValueError as e:
        raise ScenarioError("scenario is not valid JSON: %s" % e)
    return generate(scenario)


if __name__ == "__main__":
    try:
        source = open(sys.argv[1]).read() if len(sys.argv) > 1 and sys.argv[1] != "-" else sys.stdin.read()
        sys.stdout.write(generate_text(source))
    except (OSError, ScenarioError) as e:
        sys.stderr.write("zqs_scenario: %s\n" % e)
        sys.exit(2)
