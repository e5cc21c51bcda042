#!/usr/bin/env python3
"""Runs every torv-host command the README shows, so that none of them can rot.

- Each line of a ```sh block that starts torv-host (build/linux/bin/torv-host ...) runs as a new
  user would type it, from a copy of the checkout's layout in a temporary folder: build/linux/bin
  is the built one, examples/ and samples/ are the checkout's, ../shared/ is the shared folder.
  A line on a real model of ../shared/models is skipped, with a message, when that model is absent.
- Each ```session block is played by torv-host on a copy of the bundled sample.
- Every command word of the README's command table must start a line of some ```session block.
Every run must exit with 0 and print no error.

Usage: readme_commands_test.py README.md BIN-FOLDER
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

HOST_PREFIX = "build/linux/bin/torv-host"


def blocks(readme, language):
    """The lines of each fenced block of that language."""
    return [body.splitlines() for body in re.findall(r"^```" + language + r"\n(.*?)^```", readme, re.S | re.M)]


def table_commands(readme):
    """The first word of each command in the command table's first column."""
    start = readme.index("| command | what the user does")
    words = set()
    for line in readme[start:].splitlines()[2:]:
        if not line.startswith("|"):
            break
        for shown in re.findall(r"`([^`]+)`", line.split("|")[1]):
            words.add(shown.split()[0].lower())
    return words


def layout(folder, source, bin_folder):
    """A checkout with its build beside the shared folder, as the README's commands expect it."""
    checkout = os.path.join(folder, "checkout")
    os.makedirs(os.path.join(checkout, "build", "linux"))
    os.symlink(os.path.abspath(bin_folder), os.path.join(checkout, "build", "linux", "bin"))
    for name in ("examples", "samples"):
        os.symlink(os.path.join(source, name), os.path.join(checkout, name))
    shared = os.path.normpath(os.path.join(source, "..", "shared"))
    if os.path.isdir(shared):
        os.symlink(shared, os.path.join(folder, "shared"))
    return checkout


def run(command, cwd, environment):
    result = subprocess.run(command, cwd=cwd, env=environment, shell=isinstance(command, str),
                            capture_output=True, text=True, timeout=600)
    problems = []
    if result.returncode != 0:
        problems.append("exit code %d" % result.returncode)
    if "error:" in result.stderr or "fault:" in result.stderr:
        problems.append("errors printed")
    return problems, result.stderr


def main():
    readme_path, bin_folder = sys.argv[1], sys.argv[2]
    source = os.path.dirname(os.path.abspath(readme_path))
    with open(readme_path, encoding="utf-8") as file:
        readme = file.read()
    failures = []
    ran = 0
    with tempfile.TemporaryDirectory() as folder:
        checkout = layout(folder, source, bin_folder)
        environment = dict(os.environ, XDG_DATA_HOME=os.path.join(folder, "user-data"))
        for block in blocks(readme, "sh"):
            for line in block:
                command = line.split("#")[0].strip()
                if HOST_PREFIX not in command:
                    continue
                models = re.findall(r"\.\./shared/models/[\w.-]+", command)
                missing = [model for model in models if not os.path.exists(os.path.join(checkout, model))]
                if missing:
                    print("skipped, %s is missing: %s" % (missing[0], command))
                    continue
                problems, errors = run(command, checkout, environment)
                ran += 1
                print("%s: %s" % ("FAILED " + ", ".join(problems) if problems else "ok", command))
                if problems:
                    failures.append(command + "\n" + errors)

        played = set()
        for number, block in enumerate(blocks(readme, "session")):
            session_folder = os.path.join(folder, "session%d" % number)
            os.makedirs(session_folder)
            shutil.copy(os.path.join(source, "samples", "steel-hall.ifc"), session_folder)
            script = os.path.join(session_folder, "readme.session")
            with open(script, "w", encoding="utf-8") as file:
                file.write("\n".join(block) + "\n")
            played.update(line.split()[0].lower() for line in block if line.strip() and not line.startswith("#"))
            problems, errors = run([os.path.join(checkout, HOST_PREFIX), "steel-hall.ifc", "--script", script],
                                   session_folder, environment)
            ran += 1
            print("%s: session block %d" % ("FAILED " + ", ".join(problems) if problems else "ok", number + 1))
            if problems:
                failures.append("session block %d\n%s" % (number + 1, errors))

        unplayed = sorted(table_commands(readme) - played)
        if unplayed:
            failures.append("commands of the table in no session block: " + ", ".join(unplayed))
    if ran == 0:
        failures.append("the README shows no torv-host command")
    for failure in failures:
        print("\n" + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
