#!/usr/bin/env python3
"""Instructions per call of named functions, from a callgrind output file.

Usage: callcost.py CALLGRIND_OUT FUNCTION...

Sums, over every call site of each function, the calls and the inclusive
instructions that callgrind recorded for them, and prints one row per
function: name, calls, instructions per call, and whether that meets the
target of at most MOST_PER_CALL.
"""
import re
import sys

# Per call of a per-vertex host function on a sound reference.
MOST_PER_CALL = 25

NAMED = re.compile(r"^c?fn=\((\d+)\)(?: (.*))?$")


def call_costs(path):
    """Maps each called function's name to [calls, inclusive instructions]."""
    names, totals = {}, {}
    callee, calls = None, None
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            line = line.rstrip("\n")
            named = NAMED.match(line)
            if named:
                number, name = named.groups()
                if name:
                    names[number] = name
                if line.startswith("cfn="):
                    callee = names[number]
                continue
            if line.startswith("calls="):
                calls = int(line.split()[0][len("calls="):])
                continue
            if calls is not None:
                # The line after calls= holds the call's inclusive cost.
                total = totals.setdefault(callee, [0, 0])
                total[0] += calls
                total[1] += int(line.split()[1])
                calls = None
    return totals


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    totals = call_costs(sys.argv[1])
    print(f"| host function | calls | instructions per call | target <= {MOST_PER_CALL} |")
    print("|---|---:|---:|---|")
    for function in sys.argv[2:]:
        calls, cost = totals.get(function, [0, 0])
        per_call = cost / calls if calls else float("nan")
        met = "met" if per_call <= MOST_PER_CALL else "MISSED"
        print(f"| {function} | {calls:,} | {per_call:.1f} | {met} |")


if __name__ == "__main__":
    main()
