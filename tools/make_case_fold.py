#!/usr/bin/env python3
# Writes src/titles/case_fold_table.inc, the table of Unicode's simple case folding that
# FoldCase (src/titles/case_fold.cpp) reads, from the Unicode Character Database's
# CaseFolding.txt (Debian's package unicode-data installs it at /usr/share/unicode/).
#
#   python3 tools/make_case_fold.py [CaseFolding.txt] [output]
#
# Only the entries of status C (common) and S (simple) are taken: each maps one code point to
# one code point. F (full: one to several) and T (Turkic) are left out.
#
# The mappings are packed into runs: a run covers the code points first, first + stride, ...,
# last (stride 1 or 2) that all fold to themselves plus the same delta. The ~1 450 mappings of
# Unicode 15 make about 200 runs, sorted by their first code point for a binary search.
# The output is committed; the build does not run this script. Same input, same bytes.

import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_INPUT = "/usr/share/unicode/CaseFolding.txt"
DEFAULT_OUTPUT = os.path.join(ROOT, "src", "titles", "case_fold_table.inc")


def read_mappings(path):
    """The C and S mappings, code point -> code point, and the file's first line (its name)."""
    mappings = {}
    title = None
    with open(path, encoding="utf-8") as source:
        for line in source:
            if title is None and line.startswith("#"):
                title = line[1:].strip()
            data = line.split("#", 1)[0].strip()
            if not data:
                continue
            fields = [field.strip() for field in data.split(";")]
            code, status, mapping = fields[0], fields[1], fields[2]
            if status not in ("C", "S"):
                continue
            targets = mapping.split()
            if len(targets) != 1:
                sys.exit(f"{path}: status {status} maps {code} to {len(targets)} code points")
            source_cp, target_cp = int(code, 16), int(targets[0], 16)
            if source_cp in mappings:
                sys.exit(f"{path}: {code} is mapped twice by C and S")
            mappings[source_cp] = target_cp
    if not mappings:
        sys.exit(f"{path}: no C or S entry")
    return mappings, title or "CaseFolding.txt"


def make_runs(mappings):
    """Runs (first, last, delta, stride), greedily, in code point order."""
    runs = []
    for code in sorted(mappings):
        delta = mappings[code] - code
        if runs:
            first, last, run_delta, stride = runs[-1]
            gap = code - last
            if run_delta == delta and ((first == last and gap in (1, 2)) or gap == stride):
                runs[-1] = (first, code, delta, gap if first == last else stride)
                continue
        runs.append((code, code, delta, 1))
    return runs


def check(mappings, runs):
    """Every mapping comes back from the runs, and nothing else does."""
    covered = {}
    for first, last, delta, stride in runs:
        for code in range(first, last + 1, stride):
            covered[code] = code + delta
    if covered != mappings:
        sys.exit("internal error: the runs do not give back the mappings")


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_INPUT
    output = sys.argv[2] if len(sys.argv) > 2 else DEFAULT_OUTPUT
    mappings, title = read_mappings(source)
    runs = make_runs(mappings)
    check(mappings, runs)
    version = re.search(r"(\d+\.\d+\.\d+)", title)
    lines = [
        "// Unicode's simple case folding (CaseFolding.txt, status C and S), as runs for FoldCase.",
        f"// Generated from {title} (Unicode {version.group(1) if version else 'unknown'}),"
        f" {len(mappings)} mappings in {len(runs)} runs.",
        "// Do not edit: regenerate with",
        "//   python3 tools/make_case_fold.py /usr/share/unicode/CaseFolding.txt",
        "// Each run: first, last, delta, stride: first, first + stride, ... last fold to"
        " themselves plus delta.",
        "// clang-format off",
    ]
    for first, last, delta, stride in runs:
        lines.append(f"{{0x{first:05X}, 0x{last:05X}, {delta}, {stride}}},")
    lines.append("// clang-format on")
    with open(output, "w", encoding="ascii", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
