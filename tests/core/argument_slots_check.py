#!/usr/bin/env python3
"""Checks that no exported runtime routine writes into its own arguments.

Compiled code releases a temporary it passed to a runtime routine from that
argument's stack slot after the call, so every routine of the export table
must leave its arguments as they were pushed. The runtime keeps EBP frames,
so a routine's arguments lie at 8(%ebp) and above; a store there breaks the
rule (a sibling call does it, for one).

usage: argument_slots_check.py OBJDUMP PROGRAM.exe EXPORT_ENTRIES.inc
"""
import re
import subprocess
import sys

ROUTINE = re.compile(r'^\{"(\w+)",')
FUNCTION = re.compile(r'^[0-9a-f]+ <_?(.+)>:$')
# A store into 8(%ebp) or above: the routine's own arguments.
STORE_INTO_ARGUMENTS = re.compile(r'\smov[lwb]?\s+[^,]+,(0x[0-9a-f]+)\(%ebp\)$')


def exported_routines(entries_path):
    with open(entries_path, encoding="utf-8") as entries:
        return {m.group(1) for m in map(ROUTINE.match, entries) if m}


def stores_into_arguments(objdump, program, routines):
    listing = subprocess.run([objdump, "-d", "--no-show-raw-insn", program], check=True,
                             capture_output=True, text=True).stdout
    found, seen, current = [], set(), None
    for line in listing.splitlines():
        function = FUNCTION.match(line)
        if function:
            current = function.group(1) if function.group(1) in routines else None
            if current:
                seen.add(current)
            continue
        store = STORE_INTO_ARGUMENTS.search(line)
        if current and store and int(store.group(1), 16) >= 8:
            found.append(f"{current}: {line.strip()}")
    return found, seen


def main():
    objdump, program, entries_path = sys.argv[1:4]
    routines = exported_routines(entries_path)
    found, seen = stores_into_arguments(objdump, program, routines)
    if len(seen) < len(routines) // 2:
        print(f"only {len(seen)} of {len(routines)} exported routines found in {program}")
        return 1
    for store in found:
        print(store)
    print(f"{len(seen)} exported routines checked, {len(found)} stores into their arguments")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
