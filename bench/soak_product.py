#!/usr/bin/env python3
"""A coordinator's long day in the product: the day that bench_soak plays in process (Linux build),
played again as one torv-host session by another build, the 32-bit torv.dll in torv-host.exe under
Wine where the machine runs 32-bit programs. torv-host prints its own working set and its peak
(`print memory`) every 100 operations and at the quarters' ends; this prints them, the peak, and the
growth over the last three quarters of the day against the heap's goal (the history's budget, 64 MB,
plus 16 MB).

Where the machine runs no 32-bit programs the 64-bit Windows build (build/windows64, wine64) plays the
day, and the output says so: its figures do not prove the product.

  bench/soak_product.py [--objects 1000000] [--operations 2000] [--build windows|windows64|linux] [--keep]
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GOAL_MB = 64 + 16


def runs_32_bit_programs():
    try:
        return subprocess.run(["/lib/ld-linux.so.2", "--version"], capture_output=True).returncode == 0
    except OSError:
        return False


def wine_path(path):
    return "Z:" + path.replace("/", "\\")


def wine_local_app_data(wine):
    # The per-user folder the plug-in writes to under Wine, as a Linux path.
    windows = subprocess.run([wine, "cmd", "/c", "echo %LOCALAPPDATA%"], capture_output=True, text=True,
                             env=dict(os.environ, WINEDEBUG="-all")).stdout.strip()
    return subprocess.run(["winepath", "-u", windows], capture_output=True, text=True,
                          env=dict(os.environ, WINEDEBUG="-all")).stdout.strip()


def write_day(objects, operations, folder):
    """bench_soak plays the day once in process and writes it as a session; returns its summary."""
    program = os.path.join(ROOT, "build", "linux", "bin", "bench_soak")
    scratch = os.path.join(folder, "in-process")
    os.makedirs(scratch)
    script = os.path.join(folder, "day.session")
    played = subprocess.run([program, "--objects", str(objects), "--operations", str(operations), "--script", script],
                            capture_output=True, text=True, env=dict(os.environ, TMPDIR=scratch))
    if played.returncode != 0:
        sys.exit(f"bench_soak failed ({played.returncode}): {played.stderr[-2000:]}")
    # The one file of the in-process day that the session reads as it is: the side-car opened by hand.
    shutil.copy(os.path.join(scratch, "torv-bench", "assemblies.batching.csv"), folder)
    shutil.rmtree(scratch)
    return played.stdout


def play_day(build, folder):
    """Plays the session with the build's torv-host; returns its output and processor seconds."""
    on_wine = build != "linux"
    bin_folder = os.path.join(ROOT, "build", build, "bin")
    env = dict(os.environ, WINEDEBUG="-all")
    if on_wine:
        wine = "wine" if build == "windows" else "wine64"
        # A copy of the plug-in under a name of its own, so that its per-user folder is the day's alone.
        plugin = os.path.join(folder, "torv-soak.dll")
        shutil.copy(os.path.join(bin_folder, "torv.dll"), plugin)
        shutil.copytree(os.path.join(bin_folder, "torv_data"), os.path.join(folder, "torv-soak_data"))
        shutil.rmtree(os.path.join(wine_local_app_data(wine), "Quarnex", "plugins", "torv-soak"), ignore_errors=True)
        prefix = wine_path(folder) + "\\"
        command = [wine, os.path.join(bin_folder, "torv-host.exe"), "--plugin", wine_path(plugin)]
    else:
        prefix = folder + "/"
        env["XDG_DATA_HOME"] = os.path.join(folder, "user")
        command = [os.path.join(bin_folder, "torv-host")]
    with open(os.path.join(folder, "day.session"), encoding="utf-8") as day:
        lines = day.read().replace("{folder}", prefix)
    session = os.path.join(folder, "session.txt")
    with open(session, "w", encoding="utf-8") as out:
        out.write(lines)
    output = os.path.join(folder, "output.txt")
    errors = os.path.join(folder, "errors.txt")
    started = time.monotonic()
    with open(output, "w") as out, open(errors, "w") as err:
        process = subprocess.Popen(command + ["--generate", "default", "--script",
                                              wine_path(session) if on_wine else session],
                                   stdout=out, stderr=err, env=env)
        _, status, usage = os.wait4(process.pid, 0)
    code = os.waitstatus_to_exitcode(status)
    with open(output, encoding="utf-8", errors="replace") as out:
        printed = out.read()
    if code != 0:
        with open(errors, encoding="utf-8", errors="replace") as err:
            sys.exit(f"{build}: the session failed ({code}): {err.read()[-2000:]}")
    return printed, usage.ru_utime + usage.ru_stime, time.monotonic() - started


def memory_marks(printed):
    """[(operations, working set KB, peak working set KB)] in the order printed."""
    marks = []
    operations = None
    working_set = None
    for line in printed.splitlines():
        found = re.search(r"'after-(\d+)-operations'", line)
        if found:
            operations = int(found.group(1))
        elif line.startswith("working set\t"):
            working_set = int(line.split("\t")[1].split()[0])
        elif line.startswith("peak working set\t") and operations is not None:
            marks.append((operations, working_set, int(line.split("\t")[1].split()[0])))
    return marks


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--objects", type=int, default=1000000)
    parser.add_argument("--operations", type=int, default=2000)
    parser.add_argument("--build", choices=["windows", "windows64", "linux"])
    parser.add_argument("--keep", action="store_true", help="keep the day's folder and print its path")
    arguments = parser.parse_args()
    build = arguments.build or ("windows" if runs_32_bit_programs() else "windows64")
    if build == "windows64":
        print("This machine runs no 32-bit programs: the 64-bit Windows build plays the day; its figures do not "
              "prove the 32-bit product.")
    folder = tempfile.mkdtemp(prefix="torv-soak-")
    try:
        write_day(arguments.objects, arguments.operations, folder)
        printed, seconds, clock = play_day(build, folder)
        marks = memory_marks(printed)
        quarter = arguments.operations // 4
        by_operations = {operations: (working, peak) for operations, working, peak in marks}
        if 0 not in by_operations or quarter not in by_operations or arguments.operations not in by_operations:
            sys.exit(f"{build}: the session printed no memory at the start, the first quarter's end or the end")
        print(f"soak on {build}: {arguments.objects} objects, {arguments.operations} operations, "
              f"{seconds:.1f} s of processor time, {clock:.0f} s on the clock")
        print(f"{'operations':>10} {'working set MB':>15} {'peak MB':>9}")
        for operations, working, peak in marks:
            print(f"{operations:>10} {working / 1024:>15.1f} {peak / 1024:>9.1f}")
        start, first_quarter, end = (by_operations[n][0] for n in (0, quarter, arguments.operations))
        growth = (end - first_quarter) / 1024
        print(f"working set: {start / 1024:.1f} MB at the start, {first_quarter / 1024:.1f} MB at the end of the "
              f"first quarter, {end / 1024:.1f} MB at the end; peak {max(peak for _, _, peak in marks) / 1024:.1f} MB")
        print(f"growth over the last three quarters: {growth:.1f} MB (goal: at most {GOAL_MB} MB) "
              f"{'met' if growth <= GOAL_MB else 'MISSED'}")
        return 0 if growth <= GOAL_MB else 1
    finally:
        if arguments.keep:
            print(f"the day's files: {folder}")
        else:
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
