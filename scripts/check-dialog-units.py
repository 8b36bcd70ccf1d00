#!/usr/bin/env python3
"""Fails when a dialog unit reaches a column, a list cell or an option by its position, sets a
request's mode by hand, or enables a field through the control itself: those are named (ColumnOf,
CellText, SelectOption) or declared (RequestOptions) in the dialog units, so that a change of a
catalogue table or an option list cannot shift them silently, and a field changes state only through
SetFieldEnabled, which keeps its colour, text and check mark as the dialog's field states say. The
kit (src/forms/kit) may use what it must.

  scripts/check-dialog-units.py [FILE ...]   (default: every .h and .cpp under src/forms but the kit)
"""

import os
import re
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))

RULES = [
    ("a list cell by position", re.compile(r"SubItems\(\)\s*\[")),
    ("an option by position", re.compile(r"SetItemIndex\(\s*-?\d")),
    ("a field-table column as a number", re.compile(r"\.Column\s*=\s*-?\d")),
    ("a field-table column as a number", re.compile(r"\b(?:RuleField|ProfileLine)(?:<[^>]*>)?\(\s*\d")),
    # A field line made from a column and its caption, as the family tables write them.
    ("a field-table column as a number", re.compile(r"\bLine\(\s*\d+\s*,\s*\"")),
    ("a request's mode set by hand", re.compile(r"\bMode\s*=\s*0\b")),
]

# The controls that are fields (buttons, labels, timers and the port picker are not), and how a unit
# names one: a pointer declared with its type, or a container of them.
FIELD_TYPES = ("TEdit", "TComboBox", "TCheckBox", "TRadioButton", "TRadioGroup", "TMemo")
DECLARED = re.compile(r"\b(T\w+)\s*\*\s*(?:const\s+)?(\w+)")
DECLARED_IN = re.compile(r"<\s*(T\w+)\s*\*[^<>]*>\s*(\w+)")
ENABLED = re.compile(r"\b(\w+)(?:\[[^\]]*\])?\s*->\s*SetEnabled\(")
FIELD_ENABLED = "a field enabled by hand (SetFieldEnabled is the one way)"


def field_names(path):
    """The names that stand for a field in the unit at `path` and its header."""
    names = set()
    header = os.path.splitext(path)[0] + ".h"
    for source in {path, header}:
        if not os.path.exists(source):
            continue
        with open(source, encoding="utf-8") as unit:
            text = unit.read()
        for pattern in (DECLARED, DECLARED_IN):
            names.update(name for kind, name in pattern.findall(text) if kind in FIELD_TYPES)
    return names


def dialog_units():
    forms = os.path.join(ROOT, "src", "forms")
    for folder, _, files in sorted(os.walk(forms)):
        if os.path.relpath(folder, forms).split(os.sep)[0] == "kit":
            continue
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(folder, name)


def strip_comment(line):
    # Comments may describe what the rules refuse; string contents stay (a caption is no code).
    return line.split("//", 1)[0]


def main(paths):
    faults = []
    for path in paths or dialog_units():
        fields = field_names(path)
        with open(path, encoding="utf-8") as unit:
            for number, line in enumerate(unit, 1):
                code = strip_comment(line)
                found = [what for what, pattern in RULES if pattern.search(code)]
                if any(name in fields for name in ENABLED.findall(code)):
                    found.append(FIELD_ENABLED)
                for what in found:
                    faults.append(f"{os.path.relpath(path, ROOT)}:{number}: {what}: {line.strip()}")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} place(s) reach by position what has a name or enable a field by hand (see scripts/check-dialog-units.py)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
