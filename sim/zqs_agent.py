"""State of one simulated switch inside snmpsimd: the store, the test controls and the SET log.

Files in the instance folder (see sim/README.md):
  store               the store to serve (.snmprec with directives, or a scenario JSON object);
                      re-read whenever it is replaced
  control.json        reply delays, error injections and dropped replies; re-read when replaced
  store.out.snmprec   the store as served, rewritten after every load and every SET PDU
  setlog.txt          one line per SET PDU, appended
  errors.txt          problems of the agent itself (a broken store, an internal error)

snmpsim hands the module one varbind at a time (varsTotal/varsRemaining tell where in the PDU
it is); a PDU is acted upon at its last varbind, so that a SET is applied whole or not at all.
"""

import json
import os
import time
import traceback

from pysnmp.entity.rfc3413 import cmdrsp
from pysnmp.proto import rfc1905
from pysnmp.smi import error as smierror
from snmpsim.error import NoDataNotification

import zqs_store
from zqs_store import SetRefused, oid_text, parse_oid

OPS = ("get", "next", "set", "any")
# The test fixture's GET of 0.0 makes the agent take up a new store or control file; no rule
# ever delays, drops or fails it.
PROBE = (0, 0)

# pysnmp 4.4 answers a GenError raised by a MIB instrumentation with error-status noError (its
# first `except GenError` clause is meant for access-control reports and swallows the rest).
# The agent notes the genErr it raises here and the patched sendVarBinds puts it in the reply.
_pending_status = []


def _send_var_binds(self, snmpEngine, stateReference, errorStatus, errorIndex, varBinds):
    if _pending_status:
        status, index = _pending_status.pop()
        if not errorStatus or str(errorStatus) == "noError":
            errorStatus, errorIndex = status, index
    del _pending_status[:]
    return _original_send(self, snmpEngine, stateReference, errorStatus, errorIndex, varBinds)


_original_send = cmdrsp.CommandResponderBase.sendVarBinds
cmdrsp.CommandResponderBase.sendVarBinds = _send_var_binds
cmdrsp.CommandResponderBase.sendRsp = _send_var_binds


def raise_status(status, index, oid):
    if status == "genErr":
        _pending_status.append(("genErr", index + 1))
    raise zqs_store.ERRORS[status](name=oid, idx=index)


class Rule:
    def __init__(self, fields, where):
        if not isinstance(fields, dict):
            raise ValueError("%s: a rule is an object" % where)
        self.prefix = parse_oid(str(fields.get("prefix", "")))
        self.op = fields.get("op", "any")
        self.delay = float(fields.get("delay_ms", 0)) / 1000.0
        self.status = fields.get("status")
        self.drop = bool(fields.get("drop", False))
        if self.op not in OPS:
            raise ValueError("%s: op %r is not one of %s" % (where, self.op, ", ".join(OPS)))
        if self.status is not None and self.status not in zqs_store.ERRORS:
            raise ValueError("%s: unknown status %r" % (where, self.status))

    def covers(self, op, key):
        return (self.op == "any" or self.op == op) and key[: len(self.prefix)] == self.prefix


class Pdu:
    def __init__(self, op, context):
        self.op = op
        self.context = context
        self.varbinds = []  # (OID tuple, value) as requested
        self.delay = 0.0
        self.status = None  # (status, index) of the first injected error
        self.drop = False
        self.returned = []  # instances a read returns, once it is answered


class Agent:
    def __init__(self, folder, read_only_communities):
        self.folder = folder
        self.read_only = set(read_only_communities)
        self.store = zqs_store.Store()
        self.store_error = "no store loaded yet"
        self.control_error = None
        self.rules = []
        self.signatures = {}
        self.pdu = None

    def path(self, name):
        return os.path.join(self.folder, name)

    def report(self, text):
        with open(self.path("errors.txt"), "a") as f:
            f.write(text.rstrip("\n") + "\n")

    def _changed(self, name):
        try:
            st = os.stat(self.path(name))
            signature = (st.st_ino, st.st_mtime_ns, st.st_size)
        except FileNotFoundError:
            signature = None
        if self.signatures.get(name, False) == signature:
            return False
        self.signatures[name] = signature
        return True

    def refresh(self):
        if self._changed("store"):
            try:
                with open(self.path("store")) as f:
                    self.store = zqs_store.Store.parse(f.read())
                self.store_error = None
                self.write_store()
            except (OSError, ValueError) as e:
                self.store_error = "store: %s" % e
                self.report(self.store_error)
        if self._changed("control.json"):
            try:
                rules = []
                if os.path.exists(self.path("control.json")):
                    with open(self.path("control.json")) as f:
                        control = json.load(f)
                    rules = [Rule(r, "rules[%d]" % i) for i, r in enumerate(control.get("rules", []))]
                self.rules = rules
                self.control_error = None
            except (OSError, ValueError, AttributeError) as e:
                self.rules = []
                self.control_error = "control.json: %s" % e
                self.report(self.control_error)

    @property
    def broken(self):
        """Why the agent cannot serve (it then answers genErr), or None."""
        return self.store_error or self.control_error

    def write_store(self):
        tmp = self.path("store.out.tmp")
        with open(tmp, "w") as f:
            f.write(self.store.text())
        os.replace(tmp, self.path("store.out.snmprec"))

    def principal(self, context):
        if int(context.get("securityModel", 0)) == 3:
            return "v3", str(context.get("securityName", ""))
        version = "v1" if int(context.get("securityModel", 0)) == 1 else "v2c"
        return version, os.path.splitext(os.path.basename(context["dataFile"]))[0]

    # The variation module's variate()

    def variate(self, oid, tag, value, context):
        total, remaining = context["varsTotal"], context["varsRemaining"]
        index = total - remaining - 1
        op = "set" if context["setFlag"] else ("next" if context["nextFlag"] else "get")
        if index == 0 or self.pdu is None:
            self.refresh()
            self.pdu = Pdu(op, context)
        pdu = self.pdu
        requested = context["origOid"]
        key = tuple(requested)

        if op == "get":
            result_oid, result = requested, self.store.get(key)
        elif op == "next":
            found = self.store.next(key)
            # A fresh endOfMibView: snmpsim treats its own exval.endOfMib instance as "try the
            # next data-file record", which would call the module twice for one varbind.
            result_oid, result = (requested, rfc1905.EndOfMibView()) if found is None else found
        else:
            result_oid, result = requested, context["origValue"]
            pdu.varbinds.append((key, result))
        if op != "set":
            pdu.returned.append(tuple(result_oid))
        for rule in self.rules if key != PROBE else ():
            if rule.covers(op, key) or (op != "set" and rule.covers(op, tuple(result_oid))):
                pdu.delay = max(pdu.delay, rule.delay)
                pdu.drop = pdu.drop or rule.drop
                if rule.status and pdu.status is None:
                    pdu.status = (rule.status, index)

        if remaining == 0:
            self.pdu = None
            self.finish(pdu, requested)
        return result_oid, tag, result

    def finish(self, pdu, last_oid):
        """Acts on a whole PDU at its last varbind: applies a SET, waits, answers or refuses."""
        outcome = None
        if pdu.drop:
            outcome = ("dropped", -1)
        elif self.broken:
            outcome = ("genErr", 0)
        elif pdu.status:
            outcome = pdu.status
        elif pdu.op == "set":
            version, principal = self.principal(pdu.context)
            try:
                if version != "v3" and principal in self.read_only:
                    raise SetRefused("noAccess", 0)
                self.store.apply_set(pdu.varbinds)
            except SetRefused as refused:
                outcome = (refused.status, refused.index)
        if pdu.op == "set":
            if not self.broken:
                # After every SET PDU, refused ones too: the file shows what is served, so that a
                # test sees whether a refusal really changed nothing.
                self.write_store()
            self.log_set(pdu, outcome)
        if pdu.delay:
            time.sleep(pdu.delay)
        if outcome is None:
            for key in pdu.returned:
                self.store.returned(key)
            return
        status, index = outcome
        if status == "dropped":
            raise NoDataNotification()
        oid = pdu.varbinds[index][0] if pdu.varbinds else tuple(last_oid)
        raise_status(status, index, oid)

    def log_set(self, pdu, outcome):
        version, principal = self.principal(pdu.context)
        status, index = outcome or ("noError", -1)
        if version == "v1":
            status = zqs_store.V1_STATUS.get(status, status)
        fields = [status, str(index + 1), version, principal or "-"]
        for key, value in pdu.varbinds:
            tag, text = zqs_store.format_value(value)
            fields.append("%s|%s|%s" % (oid_text(key), tag, text))
        with open(self.path("setlog.txt"), "a") as f:
            f.write(" ".join(fields) + "\n")

    def guarded(self, oid, tag, value, context):
        """variate() that reports its own faults in errors.txt and answers them with genErr."""
        try:
            return self.variate(oid, tag, value, context)
        except (smierror.MibOperationError, NoDataNotification):
            raise
        except Exception:
            self.pdu = None
            self.report("internal error: " + traceback.format_exc())
            index = context["varsTotal"] - context["varsRemaining"] - 1
            raise_status("genErr", max(index, 0), context["origOid"])
