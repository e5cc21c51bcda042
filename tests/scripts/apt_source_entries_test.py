#!/usr/bin/env python3
"""The private apt state of the set-up's source fetch, made from the ways a machine names its mirror.

For each form (deb822 only, one-line only, both for the same mirror with the key given in one of
them only, options in brackets, disabled and deb-src entries) the entries script must print each
mirror and suite once, with the mirror's key, and apt itself must read the result without the
"Conflicting values" error or the "configured multiple times" warning of a mirror named twice.

Usage: apt_source_entries_test.py SCRIPT
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SCRIPT = None
KEY = "/usr/share/keyrings/debian-archive-keyring.gpg"
MIRROR = "http://deb.example.org/debian"

DEB822 = f"""Types: deb
URIs: {MIRROR}
Suites: bookworm bookworm-updates
Components: main
Signed-By: {KEY}

Types: deb
URIs: http://security.example.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: {KEY}
"""
ONE_LINE = f"""# the installer's list
deb {MIRROR}/ bookworm main contrib
deb {MIRROR} bookworm-updates main
"""
# Each case: the files under /etc/apt, the key the mirror must get, whether the security mirror shows.
CASES = {
    "deb822 only": ({"sources.list.d/debian.sources": DEB822}, KEY, True),
    "one-line only": ({"sources.list": ONE_LINE}, None, False),
    "both for one mirror": ({"sources.list": ONE_LINE, "sources.list.d/debian.sources": DEB822}, KEY, True),
    "options in brackets": ({"sources.list": f"deb [arch=amd64 signed-by={KEY}] {MIRROR} bookworm main\n"},
                            KEY, False),
    "disabled and deb-src entries": ({
        "sources.list.d/debian.sources": DEB822.replace("Types: deb\nURIs: http://security",
                                                        "Enabled: no\nTypes: deb\nURIs: http://security"),
        "sources.list": f"deb-src {MIRROR} bookworm main\n",
    }, KEY, False),
}

def stanzas(text):
    result = []
    for block in text.strip().split("\n\n"):
        fields = dict(line.split(": ", 1) for line in block.splitlines())
        result.append(fields)
    return result


class Entries(unittest.TestCase):
    def entries_of(self, files):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        etc = os.path.join(folder, "etc")
        os.makedirs(os.path.join(etc, "sources.list.d"))
        for name, text in files.items():
            with open(os.path.join(etc, name), "w", encoding="utf-8") as file:
                file.write(text)
        result = subprocess.run([sys.executable, SCRIPT, etc], capture_output=True, text=True, check=True)
        return folder, result.stdout

    def test_each_mirror_and_suite_once_with_its_key(self):
        for case, (files, key, security) in CASES.items():
            with self.subTest(case):
                _, output = self.entries_of(files)
                found = stanzas(output)
                pairs = [(s["URIs"], s["Suites"]) for s in found]
                self.assertEqual(len(pairs), len(set(pairs)), output)
                self.assertIn((MIRROR, "bookworm"), pairs)
                self.assertEqual(any("security" in uri for uri, _ in pairs), security, output)
                for stanza in found:
                    self.assertEqual(stanza["Types"], "deb-src")
                    if stanza["URIs"] == MIRROR:
                        self.assertEqual(stanza.get("Signed-By"), key, output)

    def test_components_of_every_form_are_kept(self):
        _, output = self.entries_of(CASES["both for one mirror"][0])
        bookworm = [s for s in stanzas(output) if s["Suites"] == "bookworm"]
        self.assertEqual(len(bookworm), 1)
        self.assertEqual(bookworm[0]["Components"].split(), ["main", "contrib"])

    def test_no_mirror_prints_nothing(self):
        _, output = self.entries_of({"sources.list": "# nothing here\n"})
        self.assertEqual(output.strip(), "")

    @unittest.skipUnless(shutil.which("apt-get"), "apt-get is not on this machine")
    def test_apt_reads_the_private_list_in_every_form(self):
        for case, (files, _, _) in CASES.items():
            with self.subTest(case):
                folder, output = self.entries_of(files)
                parts = os.path.join(folder, "parts")
                os.makedirs(parts)
                with open(os.path.join(parts, "torv-deb-src.sources"), "w", encoding="utf-8") as file:
                    file.write(output)
                result = subprocess.run(
                    ["apt-get", "-o", "Dir::Etc::SourceList=/dev/null", "-o", "Dir::Etc::SourceParts=" + parts,
                     "-o", "Dir::State::Lists=" + os.path.join(folder, "lists"), "indextargets", "--no-release-info",
                     "--format", "$(TARGET_OF) $(REPO_URI) $(RELEASE)"],
                    capture_output=True, text=True)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertNotIn("Conflicting", result.stderr)
                self.assertNotIn("configured multiple times", result.stderr)
                self.assertIn("deb-src %s/ bookworm" % MIRROR, result.stdout)


if __name__ == "__main__":
    SCRIPT = sys.argv.pop(1)
    unittest.main()
