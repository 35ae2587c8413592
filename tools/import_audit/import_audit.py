#!/usr/bin/env python3
"""Checks that every file of the program folder loads on the oldest Windows
the suite is made for: each function a binary imports statically (and each
entry point Quillon.exe resolves late, which it also needs) must be listed in
the table of Windows exports with a Windows no newer than the floor.

  import_audit.py --table windows_exports.tsv [--objdump OBJDUMP]
                  [--late FILE.exe=late_imports.txt ...] FOLDER

The table has one line per function, tab-separated: DLL, function, the
oldest Windows that exports it, the documentation that says so. A function
of the NT family that Windows 98 exports as a stub (it fails with
ERROR_CALL_NOT_IMPLEMENTED there) is marked "98 stub": it may stay in an
import table, and the code calls it only on the NT family.

Wine exports every function whatever Windows version it reports, so no test
under Wine can see an import that an older Windows would refuse to load.
Exits 1 naming file and function for every import that is missing from the
table or newer than the floor.
"""
import argparse
import os
import subprocess
import sys

# Oldest first. "98 stub" loads on Windows 98 but does nothing there.
WINDOWS_ORDER = ["95", "98", "98 stub", "ME", "NT4", "2000", "XP", "XP SP2", "Vista", "7", "8", "10"]
FLOOR = "98 stub"
FLOOR_NAME = "Windows 98"


def read_table(path):
    """{(dll, function): since}; raises ValueError on a malformed line."""
    table = {}
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 4 or not all(f.strip() for f in fields):
                raise ValueError(f"{path}:{number}: expected DLL, function, Windows and source")
            dll, function, since, _source = (f.strip() for f in fields)
            if since not in WINDOWS_ORDER:
                raise ValueError(f"{path}:{number}: unknown Windows '{since}'")
            key = (dll.lower(), function)
            if key in table:
                raise ValueError(f"{path}:{number}: {dll}!{function} is listed twice")
            table[key] = since
    return table


def parse_imports(objdump_text):
    """[(dll, function)] from 'objdump -p'; an import by ordinal reads '#N'."""
    imports = []
    dll = None
    in_imports = False
    for line in objdump_text.splitlines():
        if line.startswith("The Import Tables"):
            in_imports = True
            continue
        if not in_imports:
            continue
        if line.startswith("The ") and "Table" in line:
            break
        stripped = line.strip()
        if stripped.startswith("DLL Name:"):
            dll = stripped.split(":", 1)[1].strip().lower()
            continue
        fields = stripped.split()
        # "vma  hint  name" rows; an ordinal import has "<none>" for a name.
        if dll and len(fields) >= 2 and line.startswith("\t") and not stripped.startswith("vma"):
            try:
                int(fields[0], 16)
                hint = int(fields[1])
            except ValueError:
                continue
            name = fields[2] if len(fields) >= 3 and fields[2] != "<none>" else f"#{hint}"
            imports.append((dll, name))
    return imports


def read_late_imports(path):
    """[(dll, function)] from the 'DLL name' lines late_imports.py writes."""
    result = []
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split()
            if len(fields) == 2:
                result.append((fields[0].lower(), fields[1]))
    return result


def audit(file_name, imports, table):
    """Problem lines for one file."""
    floor = WINDOWS_ORDER.index(FLOOR)
    problems = []
    for dll, function in sorted(set(imports)):
        since = table.get((dll, function))
        if since is None:
            problems.append(f"{file_name}: {dll}!{function} is not in the table of Windows exports")
        elif WINDOWS_ORDER.index(since) > floor:
            problems.append(f"{file_name}: {dll}!{function} needs Windows {since}; "
                            f"the floor is {FLOOR_NAME}")
    return problems


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--table", required=True)
    parser.add_argument("--objdump", default="i686-w64-mingw32-objdump")
    parser.add_argument("--late", action="append", default=[],
                        help="FILE=LIST: entry points FILE resolves at their first call")
    parser.add_argument("folder")
    args = parser.parse_args(argv)
    try:
        table = read_table(args.table)
    except (OSError, ValueError) as error:
        print(f"import audit: {error}")
        return 1
    late = {}
    for item in args.late:
        name, _, path = item.partition("=")
        late[name.lower()] = path
    binaries = sorted(f for f in os.listdir(args.folder) if f.lower().endswith((".exe", ".dll")))
    if not binaries:
        print(f"import audit: no binaries in {args.folder}")
        return 1
    problems = []
    count = 0
    for name in binaries:
        path = os.path.join(args.folder, name)
        run = subprocess.run([args.objdump, "-p", path], capture_output=True, text=True)
        if run.returncode != 0:
            problems.append(f"{name}: not a PE file")
            continue
        imports = parse_imports(run.stdout)
        if name.lower() in late:
            imports += read_late_imports(late[name.lower()])
        count += len(set(imports))
        problems += audit(name, imports, table)
    for line in problems:
        print(line)
    if problems:
        return 1
    print(f"import audit: {count} imports of {len(binaries)} files, all exported by {FLOOR_NAME}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
