#!/usr/bin/env python3
"""Peak memory of the Python reader over surveys of growing size: one child process per file
iterates every record of vdxml.open(path) and reports its peak resident size above what it
held after importing vdxml. A bounded reader gives the same figure for every size.

    PYTHONPATH=build/bindings/python python3 bench/python_reader_memory.py \
        build/tools/vdxml/vdxml [POINTS,...]
"""

import os
import subprocess
import sys
import tempfile

CHILD = r"""
import resource, sys, vdxml
base = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
count = 0
for record in vdxml.open(sys.argv[1]):
    count += 1
peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
print(count, base, peak)
"""


def main() -> None:
    tool = sys.argv[1]
    sizes = [int(n) for n in (sys.argv[2] if len(sys.argv) > 2 else "10000,100000,1000000").split(",")]
    print("| operation | N | records | file | peak memory above baseline |")
    print("|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as folder:
        for n in sizes:
            path = os.path.join(folder, f"survey-{n}.xml")
            subprocess.run([tool, "sample", "-o", path, "--points", str(n)], check=True,
                           stdout=subprocess.DEVNULL)
            out = subprocess.run([sys.executable, "-c", CHILD, path], check=True,
                                 capture_output=True, text=True).stdout.split()
            count, base, peak = map(int, out)
            size = os.path.getsize(path) / 2**20
            print(f"| vdxml.open iterated (Python) | {n} | {count} | {size:.0f} MiB | "
                  f"{(peak - base) / 1024:.1f} MiB |")
            os.remove(path)


if __name__ == "__main__":
    main()
