#!/usr/bin/env python3
"""include_check.py MANIFEST ROOT: every file includes only headers of its own target and of the
targets it links directly, and plain C++ targets include no Qt. MANIFEST lists the build's targets
(NAME|SOURCE_DIR|PURE|SOURCES|LINKS per line); a header "module/name.h" is looked for under
ROOT/src and ROOT/tools and belongs to the target whose sources list it."""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def main(manifest, root):
    root = os.path.abspath(root)
    targets = {}
    for line in open(manifest, encoding="utf-8"):
        name, folder, pure, sources, links = line.rstrip("\n").split("|")
        files = [os.path.normpath(os.path.join(folder, s)) for s in sources.split(";") if s]
        targets[name] = (pure == "1", files, set(links.split(";")))
    owner = {f: name for name, (_, files, _) in targets.items() for f in files}
    faults = []
    for name, (pure, files, links) in sorted(targets.items()):
        for path in files:
            if not path.endswith((".h", ".cpp")) or not os.path.isfile(path):
                continue
            for kind, header in INCLUDE.findall(open(path, encoding="utf-8").read()):
                where = f"{os.path.relpath(path, root)} ({name})"
                if kind == "<" and pure and re.match(r"Q[A-Za-z]*$|Qt", header):
                    faults.append(f"{where}: plain C++ includes <{header}>")
                if kind != '"' or "/" not in header:
                    continue
                found = [os.path.normpath(os.path.join(root, top, header)) for top in ("src", "tools")]
                found = [f for f in found if os.path.isfile(f)]
                if not found:
                    continue
                header_owner = owner.get(found[0])
                if header_owner is None:
                    faults.append(f"{where}: \"{header}\" belongs to no target")
                elif header_owner != name and header_owner not in links:
                    faults.append(f"{where}: \"{header}\" of {header_owner}, which it does not link")
        if pure and any(link.startswith("Qt") for link in links):
            faults.append(f"{name}: plain C++ links Qt")
    for fault in faults:
        print(fault)
    print(f"{len(targets)} targets checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
