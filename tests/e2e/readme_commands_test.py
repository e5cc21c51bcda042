#!/usr/bin/env python3
"""Runs every torv-host command that the README and docs/ show, so that none of them can rot.

- The files are copied as a fresh clone has them (what git tracks, and new files it does not
  ignore; without git, the tree less build/ and .git/) into a temporary folder, the built
  build/linux/bin beside them and ../shared/ beside the copy. No build/demo/ or other output folder
  exists there: a command that needs one must make it.
- Each line of a ```sh block that runs torv-host (build/linux/bin/torv-host, ../linux/bin/torv-host)
  runs as a new user would type it, in a shell, from the copy's root, with nothing on standard input.
  A line on a real model of ../shared/models is skipped, with a message, when that model is absent.
- The ```session blocks of each file are played in order, as one session, by torv-host on a copy
  of the bundled sample: a file's blocks follow one another as a user types them.
- Every command word of the reference table (the table whose header starts "| command | what the
  user does", in docs/torv-host.md) must start a line of some ```session block.
- Every relative link of the files names a file or folder of the checkout.
Every run must exit with 0 and print no error.

Usage: readme_commands_test.py BIN-FOLDER README.md [FILE.md | FOLDER]...
A FOLDER stands for the .md files in it.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

# A line that starts torv-host, and not torv-host.exe.
RUNS_HOST = re.compile(r"(?:^|[\s/])torv-host(?=\s|$)")
HOST = os.path.join("build", "linux", "bin", "torv-host")
TABLE_HEADER = "| command | what the user does"


def blocks(text, language):
    """The lines of each fenced block of that language."""
    return [body.splitlines() for body in re.findall(r"^```" + language + r"\n(.*?)^```", text, re.S | re.M)]


def shell_lines(block):
    """The block's command lines: continuation lines joined, comments (# after a blank) removed."""
    lines = []
    pending = ""
    for line in block:
        if line.rstrip().endswith("\\"):
            pending += line.rstrip()[:-1] + " "
            continue
        lines.append(re.split(r"(?:^|\s)#", pending + line)[0].strip())
        pending = ""
    return [line for line in lines if line]


def cells(row):
    """The cells of a table row; a pipe written \\| stays in its cell."""
    return re.split(r"(?<!\\)\|", row.strip().strip("|"))


def table_commands(text):
    """The first word of each command in the reference table's first column; None without one."""
    if TABLE_HEADER not in text:
        return None
    words = set()
    for line in text[text.index(TABLE_HEADER):].splitlines()[2:]:
        if not line.startswith("|"):
            break
        for shown in re.findall(r"`([^`]+)`", cells(line)[0]):
            words.add(shown.split()[0].lower())
    return words


def fresh_clone(source, destination):
    """The files a fresh clone of source has, copied to destination."""
    listed = subprocess.run(["git", "-C", source, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            capture_output=True)
    if listed.returncode == 0:
        for name in listed.stdout.decode("utf-8").split("\0"):
            path = os.path.join(source, name)
            if not name or not os.path.isfile(path):
                continue
            os.makedirs(os.path.dirname(os.path.join(destination, name)), exist_ok=True)
            shutil.copy2(path, os.path.join(destination, name))
    else:
        shutil.copytree(source, destination, dirs_exist_ok=True, ignore=lambda folder, names: [
            name for name in names if folder == source and name in ("build", ".git")])


def layout(folder, source, bin_folder):
    """A fresh clone with its Linux build, beside the shared folder, as the commands expect it."""
    checkout = os.path.join(folder, "checkout")
    fresh_clone(source, checkout)
    os.makedirs(os.path.join(checkout, "build", "linux"))
    os.symlink(os.path.abspath(bin_folder), os.path.join(checkout, "build", "linux", "bin"))
    shared = os.path.normpath(os.path.join(source, "..", "shared"))
    if os.path.isdir(shared):
        os.symlink(shared, os.path.join(folder, "shared"))
    return checkout


def run(command, cwd, environment):
    result = subprocess.run(command, cwd=cwd, env=environment, shell=isinstance(command, str),
                            stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=600)
    problems = []
    if result.returncode != 0:
        problems.append("exit code %d" % result.returncode)
    if "error:" in result.stderr or "fault:" in result.stderr:
        problems.append("errors printed")
    return problems, result.stderr


def markdown_files(arguments):
    files = []
    for argument in arguments:
        if os.path.isdir(argument):
            files += sorted(os.path.join(argument, name) for name in os.listdir(argument) if name.endswith(".md"))
        else:
            files.append(argument)
    return files


def broken_links(path, text):
    """The relative links of a Markdown file that name nothing."""
    broken = []
    for target in re.findall(r"\]\(([^)\s]+)\)", text):
        if re.match(r"[a-z]+:", target) or target.startswith("#"):
            continue
        if not os.path.exists(os.path.join(os.path.dirname(path), target.split("#")[0])):
            broken.append(target)
    return broken


def main():
    bin_folder = sys.argv[1]
    files = markdown_files(sys.argv[2:])
    source = os.path.dirname(os.path.abspath(files[0]))
    failures = []
    ran = 0
    played = set()
    reference = None
    with tempfile.TemporaryDirectory() as folder:
        checkout = layout(folder, source, bin_folder)
        runs = 0

        def environment():
            # Each run a per-user folder of its own, as a new user has: no colours remembered.
            nonlocal runs
            runs += 1
            return dict(os.environ, XDG_DATA_HOME=os.path.join(folder, "user-data%d" % runs))

        for number, path in enumerate(files):
            name = os.path.relpath(os.path.abspath(path), source)
            with open(path, encoding="utf-8") as file:
                text = file.read()
            for target in broken_links(path, text):
                failures.append("%s: the link %s names nothing" % (name, target))
            commands = table_commands(text)
            if commands is not None:
                reference = (name, commands)

            for block in blocks(text, "sh"):
                for command in shell_lines(block):
                    if not RUNS_HOST.search(command):
                        continue
                    models = re.findall(r"\.\./shared/models/[\w.-]+", command)
                    missing = [model for model in models if not os.path.exists(os.path.join(checkout, model))]
                    if missing:
                        print("skipped, %s is missing: %s" % (missing[0], command))
                        continue
                    problems, errors = run(command, checkout, environment())
                    ran += 1
                    print("%s: %s: %s" % ("FAILED " + ", ".join(problems) if problems else "ok", name, command))
                    if problems:
                        failures.append("%s: %s\n%s" % (name, command, errors))

            session = [line for block in blocks(text, "session") for line in block]
            if not session:
                continue
            played.update(line.split()[0].lower() for line in session if line.strip() and not line.startswith("#"))
            session_folder = os.path.join(folder, "session%d" % number)
            os.makedirs(session_folder)
            shutil.copy(os.path.join(source, "samples", "steel-hall.ifc"), session_folder)
            script = os.path.join(session_folder, "blocks.session")
            with open(script, "w", encoding="utf-8") as file:
                file.write("\n".join(session) + "\n")
            problems, errors = run([os.path.join(checkout, HOST), "steel-hall.ifc", "--script", script],
                                   session_folder, environment())
            ran += 1
            print("%s: %s: its session blocks, %d lines" % ("FAILED " + ", ".join(problems) if problems else "ok",
                                                           name, len(session)))
            if problems:
                failures.append("%s: its session blocks\n%s" % (name, errors))

    if reference is None:
        failures.append("no file has the reference table (%s ...)" % TABLE_HEADER)
    else:
        unplayed = sorted(reference[1] - played)
        if unplayed:
            failures.append("commands of the table in %s in no session block: %s" % (reference[0], ", ".join(unplayed)))
    if ran == 0:
        failures.append("the files show no torv-host command")
    for failure in failures:
        print("\n" + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
