#!/usr/bin/env python3
"""The product measured against the Linux build: the same generated sessions run on torv-host with
torv.so (build/linux) and on torv-host.exe with the 32-bit torv.dll under Wine (build/windows).
Each operation is timed as a pair of whole sessions, one with the operation repeated a number of
times and one without it, repeated and alternated between the builds and within the pair; its
cost is the difference of the two sessions' processor time over the repetitions (Wine's server
runs on for the whole benchmark, so that its start is in no session). Prints each operation's median cost in
both builds, their ratio, and the spread (the lowest and the highest cost of the rounds).

Where the machine runs no 32-bit programs the 64-bit Windows build (build/windows64, wine64)
stands in for the product, and the output says so: its figures do not prove the product.

  bench/product_speed.py [--sizes 100000,1000000] [--rounds 5] [--smoke] [--tree CHECKOUT] [--only OPERATION]
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def runs_32_bit_programs():
    try:
        return subprocess.run(["/lib/ld-linux.so.2", "--version"], capture_output=True).returncode == 0
    except OSError:
        return False


class Build:
    def __init__(self, name, command, on_wine):
        self.name = name
        self.command = command
        self.on_wine = on_wine

    def folder_prefix(self, folder):
        # Wine shows the Linux file system as drive Z:.
        return "Z:" + folder.replace("/", "\\") + "\\" if self.on_wine else folder + "/"

    def session_seconds(self, spec, lines, folder, script_name):
        """Runs one session; lines and spec may name {folder}, the session's own folder."""
        prefix = self.folder_prefix(folder)
        script = os.path.join(folder, script_name)
        with open(script, "w", encoding="utf-8") as out:
            out.write("".join(line.format(folder=prefix) + "\n" for line in lines))
        arguments = self.command + ["--generate", spec.format(folder=prefix), "--script",
                                    self.folder_prefix(folder) + script_name]
        # The processor time of the session's process, not the clock: Wine's start and end wait on its
        # server for a varying while, which would drown an operation of a few milliseconds.
        with open(os.path.join(folder, script_name + ".errors"), "w+") as errors:
            process = subprocess.Popen(arguments, stdout=subprocess.DEVNULL, stderr=errors,
                                       env=dict(os.environ, WINEDEBUG="-all"))
            _, status, usage = os.wait4(process.pid, 0)
            process.returncode = os.waitstatus_to_exitcode(status)
            if process.returncode != 0:
                errors.seek(0)
                sys.exit(f"{self.name}: a session failed ({process.returncode}): {errors.read()[:2000]}")
        return usage.ru_utime + usage.ru_stime


def operations(objects):
    """Each operation: its name, the session without it, the session with it, and how often it runs
    in the second. But for fill, both sessions show the batch panel first, so both have its list."""
    shown = ["click Batches"]
    # An operation runs often enough to stand well above the few milliseconds by which two runs of
    # one session differ; colouring and selecting take a few milliseconds at most, hovering
    # microseconds, so they run more often.
    many = max(5, 2000000 // objects)
    cheap = max(20, 4000000 // objects)
    hovers = 200 * many
    select_first = ["panel batch row 1\npanel batch dblclick"]
    return [
        # The panel filled from the model at its first showing, against a session without the panel:
        # a model load in the sessions would add the noise of generating the model.
        ("fill", [], shown, 1),
        # The panel shown again after a reset colours every object by its batch; a reset alone
        # gives them their default colours in both sessions.
        ("colouring", shown + ["click Reset"] * cheap, shown + ["click Reset\nclick Batches"] * cheap, cheap),
        ("select", shown, shown + [f"panel batch row {1 + i % 2}\npanel batch dblclick" for i in range(cheap)], cheap),
        ("hover", shown, shown + [f"hover @{20 + 7 * i % (objects - 40)}" for i in range(hovers)], hovers),
        # The first batch's assemblies selected and assigned to their batch again: the whole assignment
        # runs, and the batch stays the same for the next time. Both sessions select as often.
        ("assign", shown + select_first * many, shown + (select_first + ["context\nchoose B1"]) * many, many),
        ("save", shown, shown + ["answer save {folder}saved.batching.csv\npanel batch save"] * many, many),
        ("sidecar_load", shown + ["answer save {folder}open.batching.csv\npanel batch save"],
         shown + ["answer save {folder}open.batching.csv\npanel batch save"] +
         ["answer open {folder}open.batching.csv\npanel batch open"] * many, many),
        ("export", shown, shown + ["answer save {folder}report.csv\nclick Export"] * many, many),
    ]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sizes", default="100000,1000000", help="objects per model, comma-separated")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--smoke", action="store_true", help="10,000 objects, one round: whether it still runs")
    parser.add_argument("--tree", default=ROOT, help="the checkout whose builds are measured (default: this one)")
    parser.add_argument("--only", help="one operation alone")
    arguments = parser.parse_args()
    sizes = [10000] if arguments.smoke else [int(size) for size in arguments.sizes.split(",")]
    rounds = 1 if arguments.smoke else arguments.rounds

    product = runs_32_bit_programs()
    windows = "windows" if product else "windows64"
    if not product:
        print("NOTE: this machine runs no 32-bit programs: the 64-bit Windows build (windows64, wine64) stands in "
              "for the product, and these figures do not prove it")
    wine = "wine" if product else "/usr/lib/wine/wine64"
    builds = [Build("linux", [os.path.join(arguments.tree, "build/linux/bin/torv-host")], False),
              Build(windows, [wine, os.path.join(arguments.tree, f"build/{windows}/bin/torv-host.exe")], True)]
    for build in builds:
        if not os.path.exists(build.command[-1]):
            print(f"{build.command[-1]} is not built: cmake --build --preset {build.name}", file=sys.stderr)
            # Skipped when run alone (as CTest reads 77); in the whole suite both builds must be there.
            sys.exit(1 if os.environ.get("TORV_WHOLE_SUITE") == "1" else 77)

    # Wine's server stays up between the sessions, and for a minute after the last one.
    subprocess.run(["wineserver" if product else "/usr/lib/wine/wineserver64", "-p60"], check=False)
    print(f"| operation | objects | Linux ms | {windows} ms | ratio | Linux spread ms | {windows} spread ms |")
    print("|---|---|---|---|---|---|---|")
    for objects in sizes:
        # Ten storeys of assemblies of nine parts (an assembly and its parts are ten objects); four
        # batches cycle through the assemblies.
        spec = f"storeys=10,assemblies={max(1, objects // 100)},parts=9,values=B1;B2;B3;B4,path={{folder}}model.ifc"
        for name, without, with_it, count in operations(objects):
            if arguments.only and name != arguments.only:
                continue
            costs = {build.name: [] for build in builds}
            for round_number in range(rounds):
                # Alternated: which build, and which session of the pair, runs first changes each round.
                flipped = round_number % 2 == 1
                for build in reversed(builds) if flipped else builds:
                    with tempfile.TemporaryDirectory(prefix="torv-speed-") as folder:
                        pair = [("without.session", without), ("with.session", with_it)]
                        seconds = {script: build.session_seconds(spec, lines, folder, script)
                                   for script, lines in (reversed(pair) if flipped else pair)}
                    costs[build.name].append((seconds["with.session"] - seconds["without.session"]) * 1000 / count)
            linux, other = (statistics.median(costs[build.name]) for build in builds)
            spreads = [f"{min(costs[b.name]):.3f} to {max(costs[b.name]):.3f}" for b in builds]
            ratio = f"{other / linux:.2f}" if linux > 0 else "-"
            print(f"| {name} | {objects} | {linux:.3f} | {other:.3f} | {ratio} | {spreads[0]} | {spreads[1]} |",
                  flush=True)


if __name__ == "__main__":
    main()
