#!/usr/bin/env python3
"""Compares torv-host's --help with the reference of its session language (docs/torv-host.md), and
both with what the built torv-host accepts.

- Every command word of the reference's command tables (first column, backticked) is a command of
  the help, and every command of the help is in those tables.
- Every key the reference lists ({TAB}, {ALT+letter}, ^V, ^+Z...) is in the help, and the built
  torv-host accepts each in `answer keys` ({ALT+letter} as {ALT+A}).
- Every panel action torv-host names when given an unknown one (row, swatch, key, menu...) and
  every keyword it lists for them (menu's add ... palette, key's enter ... end) is in the help and in
  the reference's row of `panel`.

Usage: torv_host_help_test.py TORV-HOST REFERENCE.md
"""

import re
import subprocess
import sys

TABLE_HEADER = re.compile(r"^\| (?:\w+ )?command \|", re.M)


def cells(row):
    """The cells of a table row; a pipe written \\| stays in its cell."""
    return re.split(r"(?<!\\)\|", row.strip().strip("|"))


def reference_tables(text):
    """The rows of every command table: the tables whose first header cell ends in "command"."""
    rows = []
    for header in TABLE_HEADER.finditer(text):
        for line in text[header.start():].splitlines()[2:]:
            if not line.startswith("|"):
                break
            rows.append(cells(line))
    return rows


def reference_commands(rows):
    return {shown.split()[0].lower() for row in rows for shown in re.findall(r"`([^`]+)`", row[0])}


def keys(text):
    """The keys a text names: {NAME} and ^X, ^+X."""
    return set(re.findall(r"\{[A-Za-z0-9+]+\}", text)) | set(re.findall(r"\^\+?[A-Z]\b", text))


def help_commands(session_help):
    """The command words of the help's session part: a line's first word after two blanks."""
    return {match.lower() for match in re.findall(r"^  ([a-z][\w-]*)", session_help, re.M)}


def run_host(host, arguments, script=None):
    return subprocess.run([host] + arguments, input=script, capture_output=True, text=True, timeout=120)


def main():
    host, reference_path = sys.argv[1], sys.argv[2]
    with open(reference_path, encoding="utf-8") as file:
        reference = file.read()
    failures = []

    shown = run_host(host, ["--help"])
    if shown.returncode != 0 or "Session commands:\n" not in shown.stdout:
        print("torv-host --help failed:\n" + shown.stdout + shown.stderr, file=sys.stderr)
        return 1
    session_help = shown.stdout.split("Session commands:\n", 1)[1]
    help_words = re.findall(r"[\w-]+", session_help.lower())

    rows = reference_tables(reference)
    if not rows:
        print("%s has no command table" % reference_path, file=sys.stderr)
        return 1
    in_reference = reference_commands(rows)
    in_help = help_commands(session_help)
    for word in sorted(in_reference - in_help):
        failures.append("the reference's command '%s' is not in torv-host --help" % word)
    for word in sorted(in_help - in_reference):
        failures.append("torv-host --help's command '%s' is not in the reference" % word)

    reference_keys = keys(reference)
    for key in sorted(reference_keys - keys(session_help)):
        failures.append("the reference's key %s is not in torv-host --help" % key)
    typed = sorted(key.replace("{ALT+letter}", "{ALT+A}") for key in reference_keys)
    script = "".join("answer keys %s\n" % key for key in typed) + "quit\n"
    played = run_host(host, ["--generate", "default"], script)
    for line in played.stderr.splitlines():
        if line.startswith("error:"):
            failures.append("answer keys refused a key of the reference: " + line)

    # The panel actions as torv-host itself lists them for an unknown one.
    refused = run_host(host, ["--generate", "default"], "panel batch no-such-action\nquit\n").stderr
    listed = re.search(r"ACTION one of: (.*)", refused)
    if listed is None:
        failures.append("torv-host did not list the panel actions: " + refused)
    else:
        panel_rows = [row for row in rows if row[0].strip().startswith("`panel ")]
        panel_reference = re.findall(r"[\w-]+", " ".join(" ".join(row) for row in panel_rows).lower())
        for action in listed.group(1).split(", "):
            words = [action.split()[0]] + re.findall(r"[a-z][\w-]*", " ".join(action.split()[1:]))
            for word in words:
                if word == "n":
                    continue
                if word not in help_words:
                    failures.append("the panel action '%s' (%s) is not in torv-host --help" % (word, action))
                if word not in panel_reference:
                    failures.append("the panel action '%s' (%s) is not in the reference's panel row" % (word, action))

    for failure in failures:
        print(failure, file=sys.stderr)
    print("%d commands, %d keys, compared: %s" % (len(in_reference), len(reference_keys),
                                                  "FAILED" if failures else "ok"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
