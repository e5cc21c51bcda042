#!/usr/bin/env python3
"""The report's workbook, written by torv-host through the plug-in and read back with openpyxl.

The car wash: every row of the Objects sheet equals the CSV report's row with the object's status
from the status side-car file beside it, coordinates typed as numbers; the batch and status sheets
carry the panels' colours as fills, their counts and totals. A small model of our own holds names
that spreadsheets and CSV files stumble on: they come back unchanged, as texts. A save that fails
leaves the old workbook and no temporary file; a cancelled dialog writes nothing.

Usage: workbook_test.py --host TORV-HOST [--emulator WINE] [--ifc-host LINUX-TORV-HOST] --models DIR
The Windows build's torv-host reads no IFC files: under Wine, the models are first saved as model
files by the Linux build's torv-host (--ifc-host). Without it the test skips (exit 77), unless
TORV_WHOLE_SUITE is set, where it fails.
"""

import argparse
import csv
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

import openpyxl
from openpyxl.utils.escape import unescape

OBJECT_HEADER = ["IFC GUID", "BATCH", "STATUS", "NAME", "DESCRIPTION", "ENTITY", "TAG", "X-min [mm]", "Y-min [mm]",
                 "Z-min [mm]", "WEIGHT [kg]"]
CARWASH = "tekla-carwash-batched.ifc"

arguments = None


class Host:
    """torv-host of one build: runs sessions on a model in a folder of its own."""

    def __init__(self, folder):
        self.folder = folder
        self.user_data = os.path.join(folder, "user-data")

    def path(self, name):
        """A file of the folder, as the host under test names it."""
        full = os.path.join(self.folder, name)
        return "Z:" + full.replace("/", "\\") if arguments.emulator else full

    def model(self, ifc_path):
        """The model as this build opens it: the IFC file, or the model file the Linux build saves."""
        if not arguments.emulator:
            return ifc_path
        model_file = os.path.join(self.folder, os.path.basename(ifc_path)[:-4] + ".tvm")
        if not os.path.exists(model_file):
            run([arguments.ifc_host, ifc_path], "save-model " + model_file + "\n", self.environment())
        return model_file

    def environment(self, **extra):
        return dict(os.environ, XDG_DATA_HOME=self.user_data, WINEDEBUG="-all", **extra)

    def session(self, model, script, language=None, **environment):
        """A session on a model file, or on a generated model (model "--generate SPEC")."""
        command = ([arguments.emulator] if arguments.emulator else []) + [arguments.host]
        if language:
            command += ["--lang", language]
        if model.startswith("--generate "):
            command += model.split(" ", 1)
        else:
            command.append(model if not arguments.emulator else "Z:" + model.replace("/", "\\"))
        return run(command, script, self.environment(**environment))


def run(command, script, environment):
    result = subprocess.run(command, input=script.encode(), capture_output=True, env=environment, timeout=300)
    output = result.stdout.decode("utf-8", "replace") + result.stderr.decode("utf-8", "replace")
    if result.returncode != 0:
        raise AssertionError(f"{command} failed ({result.returncode}):\n{output}")
    return output


def printed_panel(output, caption):
    """The rows of a printed panel: name -> (count, colour RRGGBBAA or "none"). The caption ends in
    " *" while the list holds changes not saved beside the model."""
    lines = output.splitlines()
    start = next(i for i, line in enumerate(lines) if re.match(re.escape(caption) + r"( \*)?\t(visible|hidden)$", line))
    rows = {}
    for line in lines[start + 2:]:
        cells = line.split("\t")
        if len(cells) != 3:
            break
        rows[cells[0]] = (cells[1], cells[2])
    return rows


def read_report(path):
    with open(path, "rb") as file:
        data = file.read()
    text = data[3:].decode("utf-8") if data.startswith(b"\xef\xbb\xbf") else data.decode("cp1252")
    return list(csv.reader(text.splitlines()))


def object_rows(sheet):
    """The Objects sheet's rows below the header, up to the blank row before the total."""
    rows = []
    for cells in list(sheet.iter_rows(values_only=True))[1:]:
        if all(cell is None for cell in cells):
            break
        rows.append(cells)
    return rows


def text_of(cell):
    """A text cell's characters. The format writes control characters such as CR as _x000D_, and
    spreadsheet programs read them back so; openpyxl leaves that to its caller."""
    return unescape(cell.value) if isinstance(cell.value, str) else cell.value


def fill_of(cell):
    """A cell's solid fill as RRGGBB, or None."""
    if cell.fill is None or cell.fill.fill_type != "solid":
        return None
    return cell.fill.fgColor.rgb[-6:].upper()


# A model of our own, in IFC2X3: assemblies of one beam each, with names, descriptions, tags and
# batches that a spreadsheet or a CSV file could take for something else.
AWKWARD_TEXTS = [
    "=SUM(A1:A9)", "+41 79 000", "-5", "@handle", "Beam, \"B1\"", "two\r\nlines", "tab\there", "Żółw łódź ąę",
    "中文梁 鋼", " leading and trailing ", "'quoted'", "back\\slash", "=HYPERLINK(\"http://x\")",
]
AWKWARD_BATCHES = ["=1+2", "Lot, 7", "\"Quoted\" batch", "Łódź 中文"]


def step_text(value):
    """A text as an IFC file writes it: quotes doubled, backslashes doubled, the rest of ASCII as it
    is, every other character in \\X2\\ hexadecimal."""
    out = ""
    for character in value:
        if character == "'":
            out += "''"
        elif character == "\\":
            out += "\\\\"
        elif " " <= character <= "~":
            out += character
        else:
            units = character.encode("utf-16-be")
            out += "\\X2\\" + units.hex().upper() + "\\X0\\"
    return "'" + out + "'"


def write_awkward_model(path):
    lines = []

    def add(entity, *attributes):
        lines.append(f"#{len(lines) + 1}={entity}({','.join(attributes)});")
        return f"#{len(lines)}"

    counter = [0]

    def guid():
        counter[0] += 1
        return "'" + f"3torvWorkbookTest{counter[0]:05d}"[:22] + "'"

    person = add("IFCPERSON", "$", "'Coordinator'", "$", "$", "$", "$", "$", "$")
    organization = add("IFCORGANIZATION", "$", "'torv'", "$", "$", "$")
    user = add("IFCPERSONANDORGANIZATION", person, organization, "$")
    application = add("IFCAPPLICATION", organization, "'1.0'", "'torv test'", "'torv'")
    owner = add("IFCOWNERHISTORY", user, application, "$", ".ADDED.", "$", "$", "$", "1767225600")
    unit = add("IFCSIUNIT", "*", ".LENGTHUNIT.", ".MILLI.", ".METRE.")
    units = add("IFCUNITASSIGNMENT", f"({unit})")
    origin = add("IFCCARTESIANPOINT", "(0.,0.,0.)")
    axes = add("IFCAXIS2PLACEMENT3D", origin, "$", "$")
    context = add("IFCGEOMETRICREPRESENTATIONCONTEXT", "$", "'Model'", "3", "1.E-05", axes, "$")
    project = add("IFCPROJECT", guid(), owner, "'Awkward names'", "$", "$", "$", "$", f"({context})", units)
    site = add("IFCSITE", guid(), owner, "'Site'", "$", "$", "$", "$", "$", ".ELEMENT.", "$", "$", "$", "$", "$")
    building = add("IFCBUILDING", guid(), owner, "'Building'", "$", "$", "$", "$", "$", ".ELEMENT.", "$", "$", "$")
    storey = add("IFCBUILDINGSTOREY", guid(), owner, "'Storey'", "$", "$", "$", "$", "$", ".ELEMENT.", "0.")
    add("IFCRELAGGREGATES", guid(), owner, "$", "$", project, f"({site})")
    add("IFCRELAGGREGATES", guid(), owner, "$", "$", site, f"({building})")
    add("IFCRELAGGREGATES", guid(), owner, "$", "$", building, f"({storey})")
    assemblies = []
    for index, value in enumerate(AWKWARD_TEXTS):
        assembly = add("IFCELEMENTASSEMBLY", guid(), owner, step_text(value), step_text(value), "$", "$", "$",
                       step_text(value), ".NOTDEFINED.", ".NOTDEFINED.")
        beam = add("IFCBEAM", guid(), owner, "'BEAM'", "$", "$", "$", "$", "'B'")
        add("IFCRELAGGREGATES", guid(), owner, "$", "$", assembly, f"({beam})")
        batch = AWKWARD_BATCHES[index % len(AWKWARD_BATCHES)]
        value_ref = add("IFCPROPERTYSINGLEVALUE", "'USER_FIELD_4'", "$", f"IFCLABEL({step_text(batch)})", "$")
        pset = add("IFCPROPERTYSET", guid(), owner, "'BIM'", "$", f"({value_ref})")
        add("IFCRELDEFINESBYPROPERTIES", guid(), owner, "$", "$", f"({assembly})", pset)
        assemblies.append(assembly)
    add("IFCRELCONTAINEDINSPATIALSTRUCTURE", guid(), owner, "$", "$", f"({','.join(assemblies)})", storey)
    header = ["ISO-10303-21;", "HEADER;", "FILE_DESCRIPTION(('ViewDefinition [CoordinationView]'),'2;1');",
              "FILE_NAME('awkward.ifc','2026-01-01T00:00:00',('torv'),('torv'),'','torv test','');",
              "FILE_SCHEMA(('IFC2X3'));", "ENDSEC;", "DATA;"]
    with open(path, "w", encoding="ascii") as file:
        file.write("\n".join(header + lines + ["ENDSEC;", "END-ISO-10303-21;", ""]))


class WorkbookCase(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="torv-workbook-")
        self.host = Host(self.folder)

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def carwash(self):
        source = os.path.join(arguments.models, CARWASH)
        if not os.path.exists(source):
            self.fail(f"{source} is missing")
        return self.host.model(source)


class Carwash(WorkbookCase):
    """A coordinator's round: statuses given and saved, then the CSV report and the workbook."""

    def setUp(self):
        super().setUp()
        model = self.carwash()
        self.output = self.host.session(model, "\n".join([
            "click Batches",
            "answer color 009E73", "panel batch swatch 1", "answer color 0072B2", "panel batch swatch 2",
            "print panel batch",
            "click Status",
            "answer name Erected", "panel status menu add",
            "answer color FF3366", "panel status swatch 1",
            "select @10 @20 @30", "context", "choose Erected",
            "answer name Delivered", "panel status menu add",
            "select @40", "context", "choose Delivered",
            "answer save " + self.host.path("statuses.real-time.csv"), "panel status save",
            "print panel status",
            "answer save " + self.host.path("report.csv"), "click Export",
            "answer save " + self.host.path("report.xlsx"), "click Export", ""]))
        self.workbook = openpyxl.load_workbook(os.path.join(self.folder, "report.xlsx"))
        # The figures as a reader that calculates nothing sees them: the formulas' cached values.
        self.values = openpyxl.load_workbook(os.path.join(self.folder, "report.xlsx"), data_only=True)
        self.report = read_report(os.path.join(self.folder, "report.csv"))
        with open(os.path.join(self.folder, "statuses.real-time.csv"), encoding="cp1252") as file:
            self.statuses = dict(line.rstrip("\r\n").split(",", 1) for line in list(file)[1:])

    def test_sheets_are_the_objects_then_each_attribute(self):
        self.assertEqual(self.workbook.sheetnames, ["Objects", "Batches", "Status", "Batches by status"])

    def test_each_row_is_the_reports_row_with_its_status(self):
        sheet = self.workbook["Objects"]
        self.assertEqual(list(next(sheet.iter_rows(values_only=True))), OBJECT_HEADER)
        rows = object_rows(sheet)
        # The report's objects first; after them those with a status and no batch.
        reported = {line[0] for line in self.report[1:]}
        status_alone = [guid for guid in self.statuses if guid and guid not in reported]
        self.assertEqual(len(rows), len(self.report) - 1 + len(status_alone))
        self.assertEqual([row[0] for row in rows[len(self.report) - 1:]], status_alone)
        for row in rows[len(self.report) - 1:]:
            self.assertIsNone(row[1])
            self.assertEqual(row[2], self.statuses[row[0]])
        self.assertGreater(len(self.statuses), 0)
        statuses_seen = 0
        weighed = 0
        for cells, line in zip(rows, self.report[1:]):
            guid, batch, name, description, entity, tag = line[:6]
            status = self.statuses.get(guid)
            statuses_seen += status is not None
            texts = [guid, batch, status, name, description, entity, tag]
            self.assertEqual(list(cells[:7]), [text if text else None for text in texts], guid)
            weighed += isinstance(cells[10], (int, float))
            for cell, field in zip(cells[7:10], line[6:]):
                if field:
                    self.assertIsInstance(cell, int, guid)
                    self.assertEqual(cell, int(field), guid)
                else:
                    self.assertIsNone(cell, guid)
        self.assertEqual(statuses_seen, sum(1 for guid in self.statuses if any(r[0] == guid for r in self.report)))
        # The car wash's assemblies weigh their parts; a few hold nothing that carries a weight.
        self.assertGreater(weighed, 0.9 * len(rows))

    def test_header_stays_and_filters(self):
        sheet = self.workbook["Objects"]
        self.assertEqual(sheet.freeze_panes, "A2")
        self.assertEqual(sheet.auto_filter.ref, f"A1:K{len(object_rows(sheet)) + 1}")
        for letter in "ABCDEFGHIJK":
            self.assertTrue(8 <= sheet.column_dimensions[letter].width <= 63, letter)

    def test_categories_in_their_colours_with_counts_and_totals(self):
        for sheet_name, caption, default in (("Batches", "Batches", "No batch"), ("Status", "Status", "No status")):
            panel = printed_panel(self.output, caption)
            rows = list(self.workbook[sheet_name].iter_rows())
            values = list(self.values[sheet_name].iter_rows(values_only=True))
            self.assertEqual([cell.value for cell in rows[0]][1:], ["Objects", "Parts below them", "Weight [kg]"])
            categories = rows[1:-2]
            self.assertEqual([row[0].value for row in categories], [name for name in panel if name != default])
            for row in categories:
                count, colour = panel[row[0].value]
                self.assertEqual(row[1].value, int(count), row[0].value)
                expected_fill = None if colour == "none" or colour.endswith("00") else colour[:6]
                self.assertEqual(fill_of(row[0]), expected_fill, row[0].value)
            # What is in no category, then the totals: formulas over the rows, their values cached.
            self.assertEqual(rows[-2][0].value, default)
            total = rows[-1]
            self.assertEqual(total[0].value, "Total")
            for column, letter in ((1, "B"), (2, "C"), (3, "D")):
                self.assertEqual(total[column].value, f"=SUBTOTAL(109,{letter}2:{letter}{len(rows) - 1})")
                self.assertAlmostEqual(values[-1][column], sum(row[column] or 0 for row in values[1:-1]), places=3)
        # The batches' objects are the report's lines; each has at least one part below it.
        batches = list(self.values["Batches"].iter_rows(values_only=True))[1:-2]
        self.assertEqual(sum(row[1] for row in batches), len(self.report) - 1)
        self.assertGreaterEqual(sum(row[2] for row in batches), sum(row[1] for row in batches))
        self.assertEqual(fill_of(self.workbook["Status"]["A2"]) or fill_of(self.workbook["Status"]["A3"]), "FF3366")

    def test_letters_on_a_colour_have_the_higher_contrast(self):
        # 009E73: black 6.1:1, white 3.4:1; 0072B2: white 5.2:1, black 4.0:1.
        batch_1, batch_2 = self.workbook["Batches"]["A2"], self.workbook["Batches"]["A3"]
        self.assertEqual(fill_of(batch_1), "009E73")
        self.assertIn(batch_1.font.color.rgb if batch_1.font.color and batch_1.font.color.type == "rgb" else "theme",
                      ("theme", "FF000000"))
        self.assertEqual(fill_of(batch_2), "0072B2")
        self.assertEqual(batch_2.font.color.rgb, "FFFFFFFF")

    def test_the_cross_table_sums_the_objects_sheet(self):
        counted = {}
        for row in object_rows(self.values["Objects"]):
            cell = counted.setdefault((row[1] or "No batch", row[2] or "No status"), [0, 0.0])
            cell[0] += 1
            cell[1] += row[10] or 0.0
        rows = list(self.values["Batches by status"].iter_rows(values_only=True))
        statuses = [name for name in rows[0][1::2]]
        self.assertEqual(statuses[-2:], ["No status", "Total"])
        self.assertEqual(set(rows[1][1:]), {"Objects", "t"})
        all_objects = 0
        for row in rows[2:-1]:
            for index, status in enumerate(statuses[:-1]):
                objects, tonnes = row[1 + 2 * index], row[2 + 2 * index]
                expected = counted.get((row[0], status), [0, 0.0])
                self.assertEqual(objects, expected[0], (row[0], status))
                self.assertAlmostEqual(tonnes, expected[1] / 1000.0, places=6)
                all_objects += objects
            self.assertEqual(row[-2], sum(row[1:-2:2]))
        self.assertEqual(rows[-1][0], "Total")
        self.assertEqual(rows[-1][-2], all_objects)
        self.assertEqual(all_objects, len(object_rows(self.values["Objects"])))
        formulas = list(self.workbook["Batches by status"].iter_rows(values_only=True))
        self.assertTrue(formulas[-1][1].startswith("=SUBTOTAL(109,B3:B"), formulas[-1][1])

    def test_every_sheet_prints_with_its_model_page_numbers_and_paper(self):
        for sheet in self.workbook.worksheets:
            self.assertTrue(sheet.oddHeader.left.text.startswith("tekla-carwash-batched."), sheet.title)
            self.assertEqual(sheet.oddHeader.right.text, "&A")
            self.assertRegex(sheet.oddFooter.left.text, r"^\d\d\.\d\d\.\d{4} \d\d:\d\d$")
            self.assertEqual(sheet.oddFooter.right.text, "Page &P of &N")
            # The locale's paper: A4 where it says none, Letter where Wine's default locale says so.
            self.assertIn(int(sheet.page_setup.paperSize), (1, 9) if arguments.emulator else (9,))

    def test_document_says_its_model_and_maker(self):
        properties = self.workbook.properties
        self.assertTrue(properties.title.startswith("tekla-carwash-batched."), properties.title)
        self.assertRegex(properties.description, r"^torv \d+\.\d+\.\d+$")
        self.assertIsNotNone(properties.created)


class StatusAlone(WorkbookCase):
    """An object with a status and no batch is on the Objects sheet, and in the cross table's last
    row; the assemblies weigh their parts."""

    def test_objects_in_a_status_alone_are_listed_once(self):
        model = "--generate storeys=1,assemblies=3,parts=2,loose=2,values=A;B;A,part_weight=5,path=" + \
            os.path.join(self.folder, "small.ifc")
        self.host.session(model, "\n".join([
            "click Batches", "click Status", "answer name Erected", "panel status menu add",
            "select T-14", "context", "choose Erected",
            "select T-5", "context", "choose Erected",
            "answer save " + self.host.path("small.xlsx"), "click Export", ""]))
        values = openpyxl.load_workbook(os.path.join(self.folder, "small.xlsx"), data_only=True)
        rows = object_rows(values["Objects"])
        self.assertEqual([(row[1], row[2], row[3], row[10]) for row in rows], [
            ("A", "Erected", "Assembly 1", 10), ("A", None, "Assembly 3", 10), ("B", None, "Assembly 2", 10),
            (None, "Erected", "Column 1", None)])
        self.assertEqual(list(values["Objects"].iter_rows(values_only=True))[-1][10], 30)
        cross = list(values["Batches by status"].iter_rows(values_only=True))
        self.assertEqual([row[0] for row in cross[2:]], ["A", "B", "No batch", "Total"])
        self.assertEqual(cross[2][1:], (1, 0.01, 1, 0.01, 2, 0.02))
        self.assertEqual(cross[4][1:], (1, 0, 0, 0, 1, 0))
        self.assertEqual(cross[5][1:], (2, 0.01, 2, 0.02, 4, 0.03))


class MoreObjectsThanASheetHolds(WorkbookCase):
    def test_go_on_to_a_second_sheet(self):
        if arguments.emulator:
            self.skipTest("a million objects under Wine take minutes; the sheets are split the same way")
        self.host.session("--generate storeys=1,assemblies=1048600,parts=0,values=A;B,path=" +
                          os.path.join(self.folder, "big.ifc"),
                          "click Batches\nanswer save " + self.host.path("big.xlsx") + "\nclick Export\n")
        workbook = openpyxl.load_workbook(os.path.join(self.folder, "big.xlsx"), read_only=True, data_only=True)
        self.assertEqual(workbook.sheetnames, ["Objects", "Objects (2)", "Batches", "Status", "Batches by status"])
        # A sheet's last two rows are a blank one and the total.
        self.assertEqual(workbook["Objects"].max_row, 1048576)
        self.assertEqual(workbook["Objects (2)"].max_row, 1 + 1048600 - 1048573 + 2)
        self.assertEqual(next(workbook["Objects (2)"].iter_rows(max_row=1, values_only=True)), tuple(OBJECT_HEADER))
        batches = list(workbook["Batches"].iter_rows(values_only=True))
        self.assertEqual(batches[-1][0], "Total")
        self.assertEqual(batches[1][1] + batches[2][1], 1048600)


class AwkwardNames(WorkbookCase):
    def test_texts_come_back_unchanged_as_texts(self):
        ifc = os.path.join(self.folder, "awkward.ifc")
        write_awkward_model(ifc)
        self.host.session(self.host.model(ifc), "answer save " + self.host.path("awkward.xlsx") + "\nclick Export\n")
        sheet = openpyxl.load_workbook(os.path.join(self.folder, "awkward.xlsx"))["Objects"]
        rows = []
        for row in sheet.iter_rows(min_row=2):
            if all(cell.value is None for cell in row):
                break
            rows.append(row)
        self.assertEqual(len(rows), len(AWKWARD_TEXTS))
        by_name = {text_of(row[3]): row for row in rows}
        for index, text in enumerate(AWKWARD_TEXTS):
            self.assertIn(text, by_name, f"{text!r} not among {sorted(by_name, key=str)!r}")
            row = by_name[text]
            self.assertEqual(text_of(row[1]), AWKWARD_BATCHES[index % len(AWKWARD_BATCHES)])
            for cell in (row[1], row[3], row[4], row[6]):
                self.assertEqual(cell.data_type, "s", f"{cell.coordinate} of {text!r}")
            self.assertEqual(text_of(row[4]), text)
            self.assertEqual(text_of(row[6]), text)
        batches = [text_of(row[0]) for row in openpyxl.load_workbook(
            os.path.join(self.folder, "awkward.xlsx"))["Batches"].iter_rows(min_row=2)]
        self.assertEqual(sorted(batches[:-2]), sorted(AWKWARD_BATCHES))
        self.assertEqual(batches[-2:], ["No batch", "Total"])


class Language(WorkbookCase):
    def test_sheets_and_headers_in_the_viewers_language(self):
        self.host.session(self.carwash(), "answer save " + self.host.path("bericht.xlsx") + "\nclick Exportieren\n",
                          language="de")
        workbook = openpyxl.load_workbook(os.path.join(self.folder, "bericht.xlsx"))
        self.assertEqual(workbook.sheetnames, ["Objekte", "Lose", "Status", "Lose nach Status"])
        self.assertEqual([cell.value for cell in workbook["Lose"][1]], ["Los", "Objekte", "Teile darunter", "Gewicht [kg]"])
        self.assertEqual([cell.value for cell in workbook["Objekte"][1]],
                         ["IFC-GUID", "LOS", "STATUS", "NAME", "BESCHREIBUNG", "ENTITÄT", "KENNZEICHEN", "X-min [mm]",
                          "Y-min [mm]", "Z-min [mm]", "GEWICHT [kg]"])
        self.assertEqual(workbook["Objekte"].oddFooter.right.text, "Seite &P von &N")
        self.assertEqual(workbook["Lose"].cell(workbook["Lose"].max_row, 1).value, "Summe")


class Choice(WorkbookCase):
    """The type comes from the name given; without an extension the dialog's first type, the CSV
    report, is written; a cancelled dialog writes nothing."""

    def test_extension_decides(self):
        output = self.host.session(self.carwash(), "\n".join([
            "answer save " + self.host.path("plain"), "click Export",
            "answer save " + self.host.path("book.XLSX"), "click Export",
            "answer save cancel", "click Export", ""]))
        self.assertEqual(sorted(name for name in os.listdir(self.folder) if name.startswith(("plain", "book"))),
                         ["book.XLSX", "plain.csv"])
        self.assertTrue(read_report(os.path.join(self.folder, "plain.csv"))[0][0] == "IFC GUID")
        openpyxl.load_workbook(os.path.join(self.folder, "book.XLSX"))
        self.assertNotIn("message box", output)


class FailedSave(WorkbookCase):
    def save_fails(self, **environment):
        """Exports over kept.xlsx, which must stay as it was, with nothing left beside it."""
        target = os.path.join(self.folder, "kept.xlsx")
        with open(target, "wb") as file:
            file.write(b"the old workbook")
        model = self.carwash()
        files = lambda: sorted(name for name in os.listdir(self.folder) if name != "user-data")
        before = files()
        output = self.host.session(model, "answer save " + self.host.path("kept.xlsx") + "\nclick Export\n",
                                   **environment)
        self.assertIn('message box "TORV" (error): The workbook could not be saved.', output)
        self.assertIn("kept.xlsx: ", output)
        with open(target, "rb") as file:
            self.assertEqual(file.read(), b"the old workbook")
        self.assertEqual(files(), before)
        return output

    def test_a_read_only_workbook_stays_as_it_was(self):
        target = os.path.join(self.folder, "kept.xlsx")
        with open(target, "wb"):
            pass
        os.chmod(target, 0o444)
        self.save_fails()

    def test_a_temporary_folder_that_takes_no_files_is_told(self):
        if arguments.emulator:
            self.skipTest("Wine takes the temporary folder from its own registry, not from the environment")
        missing = os.path.join(self.folder, "missing")
        output = self.save_fails(TMPDIR=missing)
        self.assertIn(missing, output)

    def test_a_folder_that_is_a_file_is_told(self):
        with open(os.path.join(self.folder, "model-file"), "w") as file:
            file.write("not a folder")
        output = self.host.session(self.carwash(), "answer save " + self.host.path("model-file/r.xlsx") +
                                   "\nclick Export\n")
        self.assertIn('message box "TORV" (error): The workbook could not be saved.', output)


class ScratchFolder(WorkbookCase):
    """The library writes into a folder made for the export in the temporary folder, which only the
    user may write and which goes with everything in it, whether the export succeeds or fails."""

    def setUp(self):
        super().setUp()
        if arguments.emulator:
            self.skipTest("Wine takes the temporary folder from its own registry, not from the environment")
        self.temporary = os.path.join(self.folder, "tmp")
        os.mkdir(self.temporary)

    def test_nothing_stays_in_the_temporary_folder(self):
        model = self.carwash()
        for label, read_only in [("saved", False), ("failed", True)]:
            with self.subTest(label):
                target = os.path.join(self.folder, label + ".xlsx")
                with open(target, "wb"):
                    pass
                if read_only:
                    os.chmod(target, 0o444)
                output = self.host.session(model, "answer save " + target + "\nclick Export\n",
                                           TMPDIR=self.temporary)
                self.assertEqual(read_only, "could not be saved" in output, output)
                self.assertEqual(os.listdir(self.temporary), [])

    def test_a_link_at_the_scratch_files_old_name_is_not_followed(self):
        """The scratch file was once named by the viewer's process number and start time, which a
        colleague can read: a link planted at that name led the export into the link's target."""
        victim = os.path.join(self.folder, "victim.txt")
        with open(victim, "w") as file:
            file.write("keep me")
        process = subprocess.Popen([arguments.host, self.carwash()], stdin=subprocess.PIPE,
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                   env=self.host.environment(TMPDIR=self.temporary))
        with open(f"/proc/{process.pid}/stat") as file:
            start = file.read().rsplit(")", 1)[1].split()[19]
        for number in range(1, 4):
            os.symlink(victim, os.path.join(self.temporary, f"torv-{process.pid}_{start}-{number}.xlsx"))
        target = os.path.join(self.folder, "book.xlsx")
        output, errors = process.communicate(("answer save " + target + "\nclick Export\n").encode(), timeout=300)
        self.assertEqual(process.returncode, 0, errors)
        with open(victim) as file:
            self.assertEqual(file.read(), "keep me")
        openpyxl.load_workbook(target)
        self.assertEqual(sorted(os.listdir(self.temporary)),
                         sorted(f"torv-{process.pid}_{start}-{number}.xlsx" for number in range(1, 4)))

    def test_a_full_temporary_folder_is_named_and_the_library_says_nothing(self):
        if os.geteuid() != 0:
            self.skipTest("mounting a small file system as the temporary folder needs root")
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=16k", "torv-test", self.temporary],
                                 capture_output=True)
        if mounted.returncode != 0:
            self.skipTest("cannot mount a tmpfs: " + mounted.stderr.decode(errors="replace"))
        try:
            output = FailedSave.save_fails(self, TMPDIR=self.temporary)
            self.assertIn("kept.xlsx: The temporary folder " + self.temporary + " is full\n", output)
            self.assertNotIn("[ERROR]", output)
            self.assertNotIn("ZIP_ERRNO", output)
            self.assertEqual(os.listdir(self.temporary), [])
        finally:
            subprocess.run(["umount", "-l", self.temporary])


def main():
    global arguments
    parser = argparse.ArgumentParser()
    parser.add_argument("--host", required=True)
    parser.add_argument("--emulator", help="wine or wine64, for the Windows build")
    parser.add_argument("--ifc-host")
    parser.add_argument("--models", required=True)
    arguments, rest = parser.parse_known_args()
    if arguments.emulator and not (arguments.ifc_host and os.path.exists(arguments.ifc_host)):
        message = f"the Linux build's torv-host ({arguments.ifc_host}) is needed to save the models for Wine"
        if os.environ.get("TORV_WHOLE_SUITE"):
            print("workbook_test: " + message + ", and the whole suite runs", file=sys.stderr)
            return 1
        print("workbook_test: skipped: " + message, file=sys.stderr)
        return 77
    program = unittest.main(argv=[sys.argv[0]] + rest, exit=False, verbosity=2)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
