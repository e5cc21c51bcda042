#!/usr/bin/env python3
"""Prints the medians of bench_ programs' JSON output (--benchmark_repetitions and
--benchmark_out=FILE.json) as a table, with each operation's growth in ns per object from the
smallest size to the largest."""
import json
import sys

rows = {}
for path in sys.argv[1:]:
    for run in json.load(open(path))["benchmarks"]:
        if run.get("aggregate_name") != "median" or "ns_per_object" not in run:
            continue
        name, size = run["run_name"].split("/")[:2]
        rows.setdefault(name, {})[int(size)] = run

print("| operation | size | time ms | ns/object | baseline ms | ratio | growth 1M/10k |")
print("|---|---|---|---|---|---|---|")
for name, sizes in rows.items():
    ordered = sorted(sizes)
    first, last = sizes[ordered[0]], sizes[ordered[-1]]
    growth = last["ns_per_object"] / first["ns_per_object"] if len(ordered) > 1 else None
    for size in ordered:
        run = sizes[size]
        shown = f"{growth:.2f}" if growth is not None and size == ordered[-1] else ""
        print(f"| {name} | {size} | {run['real_time']:.3f} | {run['ns_per_object']:.1f} | "
              f"{run['baseline_ms']:.3f} | {run['ratio_to_baseline']:.2f} | {shown} |")
