#!/usr/bin/env python3
"""Fails when a dialog unit reaches a column, a list cell or an option by its position, or sets a
request's mode by hand: those are named (ColumnOf, CellText, SelectOption) or declared
(RequestOptions) in the dialog units, so that a change of a catalogue table or an option list
cannot shift them silently. The kit (src/forms/kit) may use what it must.

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
        with open(path, encoding="utf-8") as unit:
            for number, line in enumerate(unit, 1):
                code = strip_comment(line)
                for what, pattern in RULES:
                    if pattern.search(code):
                        faults.append(f"{os.path.relpath(path, ROOT)}:{number}: {what}: {line.strip()}")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} place(s) reach by position what has a name (see scripts/check-dialog-units.py)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
