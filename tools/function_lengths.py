#!/usr/bin/env python3
"""Fails when a function in src/ is longer than the house limit.

A function is a definition that starts at column 0 (clang-format keeps namespace bodies
unindented) and ends at the first closing brace at column 0. Parameter tables (*_docs.cpp)
count like any other function. Usage: function_lengths.py [--limit N] [--top K]
"""
import argparse
import pathlib
import subprocess
import sys

SKIP_STARTS = (" ", "}", "#", "/", "namespace", "struct", "class", "enum", "union", "extern")


def functions(path):
    lines = path.read_text(encoding="utf-8").split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.rstrip().endswith("{") and not line.startswith(SKIP_STARTS) and line.strip():
            if "=" not in line.split("(")[0]:
                start = i
                while start > 0 and lines[start - 1].strip() and not lines[start - 1].rstrip().endswith(
                        (";", "}", "{", "*/")) and not lines[start - 1].startswith(("//", "#", "template")):
                    start -= 1
                end = i + 1
                while end < len(lines) and lines[end] not in ("}", "};"):
                    end += 1
                yield end - i + 1, f"{path}:{start + 1}", lines[start].strip()[:80]
                i = end
        i += 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--limit", type=int, default=120)
    parser.add_argument("--top", type=int, default=5)
    args = parser.parse_args()
    files = subprocess.check_output(["git", "ls-files", "src/*.cpp", "src/*.h"], text=True).split()
    found = sorted((f for name in files for f in functions(pathlib.Path(name))), reverse=True)
    over = [f for f in found if f[0] > args.limit]
    for length, where, head in (over or found[: args.top]):
        print(f"{length:5d}  {where}  {head}")
    if over:
        print(f"{len(over)} function(s) longer than {args.limit} lines", file=sys.stderr)
        return 1
    print(f"longest functions above; none is longer than {args.limit} lines")
    return 0


if __name__ == "__main__":
    sys.exit(main())
