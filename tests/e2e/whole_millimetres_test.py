#!/usr/bin/env python3
"""Coordinates in whole millimetres, the same in the CSV report and the workbook of every build.

A model file of our own puts each case's value, in metres, as the lower corner of an assembly's box
(x the value, y its negative, z nought); torv-host exports the report and
the workbook, and every coordinate must be the table's: a product within a millionth of a whole
millimetre is that millimetre, anything else is truncated toward zero. The values a few ulps under
a whole millimetre are what floating-point noise leaves of a whole one; the table was worked out by
hand from the doubles the values are.

Usage: whole_millimetres_test.py --host TORV-HOST [--emulator WINE]
"""

import argparse
import csv
import os
import subprocess
import sys
import tempfile
import unittest

import openpyxl

arguments = None

# (label, metres, whole millimetres)
CASES = [
    ("whole", 26.26, 26260),
    ("one_ulp_under", 26.259999999999998, 26260),
    ("three_ulps_under", 35.909999999999975, 35910),
    ("box_of_the_x87_issue", 35.91, 35910),
    ("a_hair_over", 0.1 + 0.2, 300),
    ("scaled_a_hair_under", 1.005, 1005),
    ("scaled_a_hair_under_again", 2.01, 2010),
    ("one_metre_three_ulps_under", 0.9999999999999997, 1000),
    ("millimetre_ulps_under", 0.0009999999999999994, 1),
    ("millimetre_a_ten_millionth_under", 0.0009999999, 1),
    ("millimetre_a_ten_thousandth_under", 0.0009999, 0),
    ("under_a_millimetre", 0.0004, 0),
    ("halfway", 12.3455, 12345),
    ("two_millionths_under", 7.499999998, 7499),
    ("beyond_32_bits_one_ulp_under", 5432109.875999999, 5432109876),
    ("beyond_32_bits_two_millionths_under", 5432109.875999998, 5432109875),
    ("at_32_bits_one_ulp_under", 2147483.6479999996, 2147483648),
    ("large_a_tenth_of_a_thousandth_under", 123456789.0119999, 123456789011),
]


def model_file_text(cases):
    """A model file: project, site, building, storey, and one assembly a case in batch "Lot"."""
    lines = ["TORV-MODEL 1",
             "o\t-\tIfcProject\tProject\t\t\t0EdgeProject0000000000\t0\t-",
             "o\t0\tIfcSite\tSite\t\t\t0EdgeSite0000000000000\t0\t-",
             "o\t1\tIfcBuilding\tBuilding\t\t\t0EdgeBuilding000000000\t0\t-",
             "o\t2\tIfcBuildingStorey\tLevel 0\t\t\t0EdgeStorey00000000000\t0\t-",
             "k\ttext\tBIM\tUSER_FIELD_4"]
    for index, (label, metres, _) in enumerate(cases):
        corner = [metres, -metres, 0.0]
        bounds = " ".join(repr(value) for value in corner + [value + 1.0 for value in corner])
        lines.append(f"o\t3\tIfcElementAssembly\t{label}\t\t\t{guid(index)}\t1\t{bounds}")
        lines.append("p\t0\tLot")
    lines.append(f"end\t{4 + len(cases)}")
    return "\n".join(lines) + "\n"


def guid(index):
    return f"1EdgeCase{index:013d}"


class WholeMillimetres(unittest.TestCase):
    def setUp(self):
        self.temporary = tempfile.TemporaryDirectory()
        self.folder = self.temporary.name
        self.model = os.path.join(self.folder, "edges.tvm")
        with open(self.model, "w", encoding="utf-8") as file:
            file.write(model_file_text(CASES))

    def tearDown(self):
        self.temporary.cleanup()

    def host_path(self, path):
        return "Z:" + path.replace("/", "\\") if arguments.emulator else path

    def export(self, file_name):
        target = os.path.join(self.folder, file_name)
        command = ([arguments.emulator] if arguments.emulator else []) + [arguments.host,
                                                                           self.host_path(self.model)]
        script = "answer save " + self.host_path(target) + "\nclick Export\n"
        environment = dict(os.environ, XDG_DATA_HOME=os.path.join(self.folder, "user-data"), WINEDEBUG="-all")
        result = subprocess.run(command, input=script.encode(), capture_output=True, env=environment, timeout=300)
        self.assertEqual(result.returncode, 0, result.stdout.decode(errors="replace") +
                         result.stderr.decode(errors="replace"))
        return target

    def check(self, rows):
        """rows: GUID -> the three coordinates as written."""
        for index, (label, _, millimetres) in enumerate(CASES):
            with self.subTest(label):
                self.assertEqual(rows[guid(index)], [millimetres, -millimetres, 0])

    def test_the_csv_report(self):
        with open(self.export("report.csv"), newline="", encoding="cp1252") as file:
            lines = list(csv.reader(file))
        self.assertEqual(lines[0][-3:], ["X-min", "Y-min", "Z-min"])
        self.assertEqual(len(lines), 1 + len(CASES))
        self.check({line[0]: [int(field) for field in line[-3:]] for line in lines[1:]})
        for line in lines[1:]:
            self.assertNotIn("-0", line[-3:])

    def test_the_workbook(self):
        sheet = openpyxl.load_workbook(self.export("report.xlsx"))["Objects"]
        rows = list(sheet.iter_rows(values_only=True))
        self.assertEqual(rows[0][7:10], ("X-min [mm]", "Y-min [mm]", "Z-min [mm]"))
        # The cases' rows; rows of totals may follow them.
        objects = [row for row in rows[1:] if isinstance(row[0], str) and row[0].startswith("1EdgeCase")]
        self.assertEqual(len(objects), len(CASES))
        for row in objects:
            for value in row[7:10]:
                self.assertIsInstance(value, int, row)
        self.check({row[0]: list(row[7:10]) for row in objects})


def main():
    global arguments
    parser = argparse.ArgumentParser()
    parser.add_argument("--host", required=True)
    parser.add_argument("--emulator", help="wine, for the Windows build")
    arguments, rest = parser.parse_known_args()
    program = unittest.main(argv=[sys.argv[0]] + rest, exit=False, verbosity=2)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
