#!/usr/bin/env python3
"""Turns the timing (Google Benchmark JSON) and memory (vdxml_bench_memory lines) results into
the comparison table of bench/run.

Usage: report.py <times.json> <memory.tsv>
"""
import json
import sys

# Table rows: what is compared, the library operation, the plain libxml2 operation, the target.
ROWS = [
    ("stream write", "stream_write/library", "stream_write/libxml2", 1.3),
    ("DOM write", "dom_write/library", "dom_write/libxml2", 1.3),
    ("tree load", "tree_load/library", "stream_read/libxml2", 2.0),
    ("parse (empty callback)", "parse/library", "read/libxml2", None),
    ("streamed parse (empty callback)", "parse_stream/library", "stream_read/libxml2", 1.5),
    ("validation vs streamed parse", "validate/library", "parse_stream/library", 3.0),
    ("libxml2 DOM read vs its reader", "read/libxml2", "stream_read/libxml2", None),
]
FLOOR = "floor/write"
SCALING_LIMIT = 0.25  # time per point within +-25 % of the mean over the sizes


def load_times(path):
    """{(operation, points): (wall ms, cpu ms)} from the "min" aggregates."""
    with open(path) as f:
        data = json.load(f)
    times = {}
    for b in data["benchmarks"]:
        if b.get("run_type") != "aggregate" or b.get("aggregate_name") != "min":
            continue
        name = b["run_name"].split("/real_time")[0]
        operation, points = name.rsplit("/", 1)
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        times[(operation, int(points))] = (b["real_time"] * scale, b["cpu_time"] * scale)
    return data.get("context", {}), times


def load_memory(path):
    """{(operation, points): KiB above the child's baseline}"""
    memory = {}
    with open(path) as f:
        for line in f:
            fields = line.split("\t")
            if len(fields) == 5:
                memory[(fields[0], int(fields[1]))] = int(fields[4])
    return memory


def mib(kib):
    return "-" if kib is None else "%.1f MiB" % (kib / 1024.0)


def per_point(kib, points):
    return "-" if kib is None else "%.0f B/pt" % (kib * 1024.0 / points)


def table(headers, rows):
    widths = [max(len(str(r[i])) for r in [headers] + rows) for i in range(len(headers))]
    out = ["| " + " | ".join(str(h).ljust(w) for h, w in zip(headers, widths)) + " |"]
    out.append("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows:
        out.append("| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |")
    return "\n".join(out)


def main():
    context, times = load_times(sys.argv[1])
    memory = load_memory(sys.argv[2])
    sizes = sorted({n for (_, n) in times})
    rows = []
    failures = []
    for n in sizes:
        floor = times.get((FLOOR, n), (None, None))[0]
        for label, lib, raw, target in ROWS:
            if (lib, n) not in times or (raw, n) not in times:
                continue
            lib_wall, lib_cpu = times[(lib, n)]
            raw_wall, raw_cpu = times[(raw, n)]
            ratio = lib_wall / raw_wall
            verdict = "-"
            if target is not None:
                verdict = ("met" if ratio <= target else "NOT met") + " (<= %.1f)" % target
                if ratio > target:
                    failures.append("%s at %d: %.2f > %.1f" % (label, n, ratio, target))
            lib_kib = memory.get((lib, n))
            bounded = "stream" in lib or "validate" in lib  # memory independent of N
            mem = mib(lib_kib) if bounded else "%s (%s)" % (
                mib(lib_kib), per_point(lib_kib, n))
            rows.append([label, n, "%.1f ms" % lib_wall, "%.1f ms" % raw_wall, "%.2f" % ratio,
                         "%.2f" % (lib_cpu / raw_cpu), verdict,
                         "%.1f / %.1f" % (lib_wall / floor, raw_wall / floor) if floor else "-",
                         mem, mib(memory.get((raw, n)))])
        if floor:
            rows.append(["floor: same bytes from memory", n, "%.1f ms" % floor, "", "", "", "",
                         "1.0", "", ""])
    print(table(["operation", "N", "library", "libxml2", "ratio", "ratio (cpu)", "target",
                 "x floor (lib / raw)", "peak mem library", "peak mem libxml2"], rows))

    print("\nTime per point (wall, min of repetitions); linear when within +-25 % of the mean:\n")
    scaling = []
    operations = sorted({op for (op, _) in times})
    for op in operations:
        values = [(n, times[(op, n)][0] * 1e3 / n) for n in sizes if (op, n) in times]
        if len(values) < 2:
            continue
        mean = sum(v for _, v in values) / len(values)
        spread = max(abs(v - mean) / mean for _, v in values)
        ok = spread <= SCALING_LIMIT
        if not ok:
            failures.append("scaling of %s: +-%.0f %%" % (op, spread * 100))
        scaling.append([op] + ["%.2f us" % v for _, v in values] +
                       ["+-%.0f %%" % (spread * 100), "met" if ok else "NOT met"])
    if scaling:
        n_cols = len(scaling[0]) - 3
        print(table(["operation"] + ["N=%d" % n for n in sizes[:n_cols]] + ["spread", "linear"],
                    scaling))
    print("\nLoad average when the timings started: %s" % ", ".join(
        "%.2f" % x for x in context.get("load_avg", [])))
    if failures:
        print("\nTargets not met:\n  " + "\n  ".join(failures))


if __name__ == "__main__":
    main()
