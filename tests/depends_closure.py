#!/usr/bin/env python3
"""Checks that every file a running program has loaded (shared objects, QML
module definitions) belongs to an installed package that the Debian package
depends on, directly or through the dependencies of its dependencies.

Usage: depends_closure.py PACKAGE.deb LOADED_PATHS_FILE

LOADED_PATHS_FILE holds one path a line (from /proc/PID/maps and Qt's QML
import trace). Prints the packages that own them; exits 1 naming any owner
outside the closure."""
import glob
import os
import re
import subprocess
import sys


def names(field):
    """Package names of a Depends-style field, alternatives included."""
    result = []
    for clause in field.split(","):
        for alternative in clause.split("|"):
            name = re.sub(r"\(.*?\)|\[.*?\]|<.*?>", "", alternative).strip().split(":")[0]
            if name:
                result.append(name)
    return result


def installed():
    out = subprocess.run(
        ["dpkg-query", "-W", "-f", "${Package}\t${db:Status-Abbrev}\t${Depends}, ${Pre-Depends}\t${Provides}\n"],
        check=True, capture_output=True, text=True).stdout
    depends, providers = {}, {}
    for line in out.splitlines():
        package, status, deps, provides = line.split("\t")
        if not status.startswith("ii"):
            continue
        depends[package] = names(deps)
        for virtual in names(provides):
            providers.setdefault(virtual, set()).add(package)
    return depends, providers


LOADED = re.compile(r"\.so(\.[0-9.]+)?$|/qmldir$")
# Loaded when present, not needed: Qt tries every installed image format
# plugin (the program's pictures are PNG, which Qt GUI reads by itself), and
# the X11 platform plugin opens libXcursor for themed cursors when it exists.
OPTIONAL = re.compile(r"/qt6/plugins/imageformats/|/libXcursor\.so")


def real(path, directories={}):
    """The path with its directory resolved (merged /usr), not the file:
    the -dev packages' "libfoo.so" links must not stand for the library."""
    directory, name = os.path.split(path)
    if directory not in directories:
        directories[directory] = os.path.realpath(directory)
    return os.path.join(directories[directory], name)


def owners():
    """Every installed shared object and qmldir file (not link) → its package."""
    table = {}
    for listing in glob.glob("/var/lib/dpkg/info/*.list"):
        package = os.path.basename(listing)[:-len(".list")].split(":")[0]
        with open(listing, encoding="utf-8", errors="replace") as f:
            for path in f.read().splitlines():
                if LOADED.search(path) and not os.path.islink(path):
                    table[real(path)] = package
    return table


def closure_of(roots, depends, providers):
    closure, queue = set(), list(roots)
    while queue:
        name = queue.pop()
        for package in ({name} if name in depends else providers.get(name, set())):
            if package not in closure:
                closure.add(package)
                queue.extend(depends[package])
    return closure


def main():
    deb, loaded = sys.argv[1], sys.argv[2]
    top = names(subprocess.run(["dpkg-deb", "-f", deb, "Depends"], check=True,
                               capture_output=True, text=True).stdout)
    depends, providers = installed()
    closure = closure_of(top, depends, providers)
    table = owners()
    needed, optional, unowned = {}, set(), []
    with open(loaded) as f:
        for path in sorted(set(f.read().split())):
            package = table.get(real(path))
            if not package:
                unowned.append(path)
            elif OPTIONAL.search(path):
                optional.add(package)
            else:
                needed.setdefault(package, []).append(path)
    # What the optional plugins bring along is explained by them.
    explained = closure | closure_of(optional, depends, providers)
    missing = sorted(p for p in needed if p not in explained)
    print("packages of the loaded libraries:", " ".join(sorted(needed)))
    print("loaded when present, not needed:", " ".join(sorted(optional)))
    if unowned:
        print("loaded, not from a package:", " ".join(unowned))
    for package in missing:
        print(f"not in the dependencies: {package} ({', '.join(needed[package])})")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
