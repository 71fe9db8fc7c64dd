#!/usr/bin/env python3
"""Reads an exported CSV file with Python's csv module and checks it against results files.

Usage: check_csv_export.py CSV FOLDER [FILE ...]
The FILEs are the results files the export should hold, in their order; a FILE of the form
"anonymous:NAME" stands for a log written without a file name (person, time and file left
empty), read from FOLDER/NAME. Prints every difference and exits with 1 when there is any.
"""
import csv
import io
import os
import re
import struct
import sys

HEADER = ["osoba", "cas_testu", "soubor", "pokus", "delka", "uspech", "cas_ms"]
ANONYMOUS = "anonymous:"
NAME = re.compile(r"^(.*) (\d{4})_(\d\d)_(\d\d) (\d\d)_(\d\d)\.mem$", re.S)


def as_text(field):
    """A field that a spreadsheet would run as a formula is exported with a leading quote."""
    return "'" + field if field[:1] in ("=", "+", "-", "@", "\t", "\r") else field


def attempts(path):
    with open(path, "rb") as f:
        data = f.read(16016)
    for i in range(1001):
        length, success, _pad, elapsed = struct.unpack_from("<iB3sq", data, 16 * i)
        if length == 0:
            return
        yield i, length, 1 if success else 0, elapsed


def expected_rows(folder, name):
    anonymous = name.startswith(ANONYMOUS)
    if anonymous:
        name = name[len(ANONYMOUS):]
        person = when = shown = ""
    else:
        match = NAME.match(name)
        person = re.sub(r" \(\d+\)$", "", match.group(1))
        when = "{}-{}-{}T{}:{}".format(*match.groups()[1:])
        shown = name
    for i, length, success, elapsed in attempts(os.path.join(folder, name)):
        yield [as_text(person), when, as_text(shown), str(i), str(length), str(success), str(elapsed)]


def main():
    csv_path, folder, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    problems = []
    with open(csv_path, "rb") as f:
        raw = f.read()
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append("the file begins with a BOM")
    if b"\r" in raw:  # no name in the tests holds a CR, so any CR is a line end
        problems.append("a CR in the file")
    if not raw.endswith(b"\n"):
        problems.append("the last line has no LF")
    rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline=""), strict=True))
    expected = [HEADER]
    for name in names:
        expected.extend(expected_rows(folder, name))
    if len(rows) != len(expected):
        problems.append(f"{len(rows)} rows, expected {len(expected)}")
    for number, (got, want) in enumerate(zip(rows, expected)):
        if got != want:
            problems.append(f"row {number}: {got!r} != {want!r}")
    for problem in problems[:20]:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
