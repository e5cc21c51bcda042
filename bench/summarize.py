#!/usr/bin/env python3
"""Prints the medians of bench_ programs' JSON output (--benchmark_repetitions and
--benchmark_out=FILE.json) as a table, with each operation's growth in ns per object from the
smallest size to the largest, in all and in what the plug-in adds to its baseline (own), and its
ratio to each further floor (the durable save's, the workbook library's) where it has one."""
import json
import sys

rows = {}
for path in sys.argv[1:]:
    for run in json.load(open(path))["benchmarks"]:
        if run.get("aggregate_name") != "median" or "ns_per_object" not in run:
            continue
        name, size = run["run_name"].split("/")[:2]
        rows.setdefault(name, {})[int(size)] = run

print("| operation | size | time ms | ns/object | baseline ms | ratio | own ns/object | growth 1M/10k | own growth "
      "| further floors: ms, ratio |")
print("|---|---|---|---|---|---|---|---|---|---|")
for name, sizes in rows.items():
    ordered = sorted(sizes)
    first, last = sizes[ordered[0]], sizes[ordered[-1]]
    several = len(ordered) > 1
    for size in ordered:
        run = sizes[size]
        at_last = several and size == ordered[-1]
        growth = f"{last['ns_per_object'] / first['ns_per_object']:.2f}" if at_last else ""
        own_growth = (f"{last['own_ns_per_object'] / first['own_ns_per_object']:.2f}"
                      if at_last and first["own_ns_per_object"] > 0 else "")
        floors = ", ".join(f"{key[len('ratio_to_'):]} {run[key[len('ratio_to_'):] + '_ms']:.3f} ms {run[key]:.2f}"
                           for key in sorted(run) if key.startswith("ratio_to_") and key != "ratio_to_baseline")
        print(f"| {name} | {size} | {run['real_time']:.3f} | {run['ns_per_object']:.1f} | "
              f"{run['baseline_ms']:.3f} | {run['ratio_to_baseline']:.2f} | {run['own_ns_per_object']:.1f} | "
              f"{growth} | {own_growth} | {floors} |")
