#!/usr/bin/env python3
"""Writes src/model/casefoldingtable.inc: Unicode simple case folding (the C
and S mappings of CaseFolding.txt) as runs of code points that fold by one
offset, for FoldCase in textencoding.cpp.

Usage: packaging/make_casefolding.py [CaseFolding.txt] > src/model/casefoldingtable.inc
The file comes with Debian's unicode-data package (/usr/share/unicode/).
"""
import sys

source = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode/CaseFolding.txt"
pairs = []
version = ""
with open(source, encoding="utf-8") as data:
    for line in data:
        if not version and line.startswith("# CaseFolding-"):
            version = line[2:].strip()
        text = line.split("#", 1)[0].strip()
        if not text:
            continue
        code, status, mapping = [field.strip() for field in text.split(";")[:3]]
        if status in ("C", "S"):
            pairs.append((int(code, 16), int(mapping, 16)))
pairs.sort()

# A run: first, last, the step between its code points (1 or 2) and the
# offset each adds. Upper and lower case letters alternate in many blocks.
runs = []
for code, folded in pairs:
    delta = folded - code
    if runs:
        first, last, step, offset = runs[-1]
        if offset == delta and (code - last == step or (first == last and code - last in (1, 2))):
            runs[-1] = (first, code, code - last, offset)
            continue
    runs.append((code, code, 1, delta))

print(f"// Made by packaging/make_casefolding.py from {version}: do not edit.")
print("// {first, last, step, offset}: every step-th code point from first to last")
print("// folds to itself plus offset.")
for first, last, step, offset in runs:
    print(f"{{0x{first:05X}, 0x{last:05X}, {step}, {offset}}},")
