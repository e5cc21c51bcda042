#!/usr/bin/env python3
"""Prints deb-src stanzas (deb822) for the mirrors and suites the machine's apt already names.

Reads /etc/apt/sources.list and sources.list.d in both forms, one-line (*.list) and deb822
(*.sources), leaves out disabled entries, and prints each mirror and suite once, whichever forms
name it, so that a private apt state made from the output never meets two entries of one mirror
with different keys. Nothing is written anywhere but standard output.
"""
import glob
import os
import sys


def one_line_entries(path):
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            words = line.split("#", 1)[0].split()
            if not words or words[0] not in ("deb", "deb-src"):
                continue
            words = words[1:]
            options = {}
            if words and words[0].startswith("["):
                option_words = []
                while words:
                    word = words.pop(0)
                    option_words.append(word)
                    if word.endswith("]"):
                        break
                for option in " ".join(option_words).strip("[] ").split():
                    key, _, value = option.partition("=")
                    options[key.lower()] = value
            if len(words) < 2:
                continue
            yield words[0], [words[1]], words[2:], options.get("signed-by", "")


def deb822_entries(path):
    with open(path, encoding="utf-8", errors="replace") as text:
        stanzas = text.read().split("\n\n")
    for stanza in stanzas:
        fields = {}
        key = None
        for line in stanza.splitlines():
            if line.startswith("#") or not line.strip():
                continue
            if line[0] in " \t" and key:
                fields[key] += "\n" + line
                continue
            key, _, value = line.partition(":")
            key = key.strip().lower()
            fields[key] = value.strip()
        if fields.get("enabled", "yes").lower() == "no":
            continue
        if not {"deb", "deb-src"} & set(fields.get("types", "").split()):
            continue
        # A key given inline (a PGP block) is left to the machine's trusted keys.
        signed_by = fields.get("signed-by", "")
        if "\n" in signed_by:
            signed_by = ""
        for uri in fields.get("uris", "").split():
            yield uri, fields.get("suites", "").split(), fields.get("components", "").split(), signed_by


def main():
    etc = sys.argv[1] if len(sys.argv) > 1 else "/etc/apt"
    entries = []
    for path in [os.path.join(etc, "sources.list")] + sorted(glob.glob(os.path.join(etc, "sources.list.d", "*.list"))):
        if os.path.isfile(path):
            entries.extend(one_line_entries(path))
    for path in sorted(glob.glob(os.path.join(etc, "sources.list.d", "*.sources"))):
        entries.extend(deb822_entries(path))

    # One key per mirror and one stanza per mirror and suite; components gathered from every form.
    key_of_mirror = {}
    stanzas = {}
    for uri, suites, components, signed_by in entries:
        mirror = uri.rstrip("/")
        if signed_by and not key_of_mirror.get(mirror):
            key_of_mirror[mirror] = signed_by
        for suite in suites:
            known = stanzas.setdefault((mirror, suite), [])
            known.extend(c for c in components if c not in known)
    for (mirror, suite), components in stanzas.items():
        print("Types: deb-src")
        print("URIs: " + mirror)
        print("Suites: " + suite)
        if components:
            print("Components: " + " ".join(components))
        if key_of_mirror.get(mirror):
            print("Signed-By: " + key_of_mirror[mirror])
        print()


main()
