#!/usr/bin/env python3
"""The end-to-end job's figures as a Markdown table, from what
`/usr/bin/time -v refhost run --verbose ...` printed to stderr: each phase's
wall time, the whole run's wall time and its peak resident memory.

Usage: endtoend.py STDERR_FILE
"""
import re
import sys

PHASE = re.compile(r"^(read|command|write|preview) (\d+\.\d+) s(?: \((.*)\))?$")
PEAK = re.compile(r"Maximum resident set size \(kbytes\): (\d+)")
WALL = re.compile(r"Elapsed \(wall clock\) time \(h:mm:ss or m:ss\): (?:(\d+):)?(\d+):(\d+\.\d+)")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as printed:
        lines = [line.strip() for line in printed]
    print("| phase | s | handled |")
    print("|---|---:|---|")
    for line in lines:
        phase = PHASE.match(line)
        if phase:
            name, seconds, handled = phase.groups()
            print(f"| {name} | {seconds} | {handled or ''} |")
    for line in lines:
        wall = WALL.search(line)
        if wall:
            hours, minutes, seconds = wall.groups()
            total = int(hours or 0) * 3600 + int(minutes) * 60 + float(seconds)
            print(f"| whole run | {total:.3f} | |")
    for line in lines:
        peak = PEAK.search(line)
        if peak:
            print(f"\nPeak resident memory: {int(peak.group(1)) / 1024:.0f} MB")


if __name__ == "__main__":
    main()
