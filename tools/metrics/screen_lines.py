#!/usr/bin/env python3
"""Prints, for every screen, the lines of its source and header and how many of them are scaffolding:
includes, namespaces, the class declaration, constructors and slot declarations, as opposed to the
screen's tables and handlers. Blank lines and comments count in neither.

    tools/metrics/screen_lines.py [screens]
"""
import pathlib
import re
import sys

SCAFFOLDING = [
    r"#pragma once", r"#include ", r"namespace [\w:]* ?\{$", r"\} // namespace", r"^\}$", r"^\};$",
    r"class \w+ : public Screen", r"Q_OBJECT", r"public:", r"private( slots)?:", r"protected:",
    r"using namespace ", r"static (constexpr )?const (ScreenSpec|LinkTable)", r"\w+\(\)( : Screen\(.*\))? ?(\{\})?;?$",
    r"void \w+_\w+\(\);", r"^\w+::\w+\(\) : Screen\(.*\) \{\}$",
]


def count(path):
    total = scaffolding = 0
    for line in path.read_text().splitlines():
        code = line.strip()
        if not code or code.startswith("//"):
            continue
        total += 1
        if any(re.search(pattern, code) for pattern in SCAFFOLDING):
            scaffolding += 1
    return total, scaffolding


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "screens")
    rows = []
    for source in sorted(root.glob("*/*.cpp")):
        header = source.with_suffix(".h")
        lines = len(source.read_text().splitlines()) + (len(header.read_text().splitlines()) if header.exists() else 0)
        total, scaffolding = map(sum, zip(count(source), count(header) if header.exists() else (0, 0)))
        rows.append((source.stem, lines, total, scaffolding))
    print(f"{'screen':22} {'lines':>6} {'code':>6} {'scaffold':>9} {'share':>6}")
    for name, lines, total, scaffolding in rows:
        print(f"{name:22} {lines:6} {total:6} {scaffolding:9} {scaffolding / total:6.0%}")
    lines = sum(r[1] for r in rows)
    total = sum(r[2] for r in rows)
    scaffolding = sum(r[3] for r in rows)
    print(f"{'all ' + str(len(rows)):22} {lines:6} {total:6} {scaffolding:9} {scaffolding / total:6.0%}")
    worst = max(rows, key=lambda r: r[3] / r[2])
    print(f"highest scaffolding share: {worst[0]} {worst[3] / worst[2]:.0%}")


if __name__ == "__main__":
    main()
