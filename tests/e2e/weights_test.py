#!/usr/bin/env python3
"""Tonnes per batch as torv-host prints them, against the same figures computed from the IFC file
by this script alone: its own reading of the STEP text, the shipped list of weight properties, each
batched assembly (not below another) weighed by the first of them it carries, else by its parts
summed.

Usage: weights_test.py TORV-HOST WEIGHT-PROPERTIES MODEL.ifc...
A model that is missing is skipped, with exit code 77 when every one is, unless TORV_WHOLE_SUITE is set.
"""

import os
import re
import subprocess
import sys
import tempfile

ENTITY = re.compile(r"^#(\d+)\s*=\s*([A-Z0-9_]+)\s*\((.*)\);\s*$")


def parse_arguments(text):
    """The argument list of a STEP entity: strings, #refs, numbers, $, enums, typed values, lists."""
    position = 0

    def value():
        nonlocal position
        while text[position] == " ":
            position += 1
        c = text[position]
        if c == "'":
            end = position + 1
            out = []
            while True:
                if text[end] == "'" and text[end + 1:end + 2] == "'":
                    out.append("'")
                    end += 2
                elif text[end] == "'":
                    break
                else:
                    out.append(text[end])
                    end += 1
            position = end + 1
            return "".join(out)
        if c == "(":
            position += 1
            items = []
            while text[position] != ")":
                items.append(value())
                while text[position] in " ,":
                    position += 1
            position += 1
            return items
        match = re.compile(r"#\d+|\$|\*|\.[A-Z_]+\.|[-+0-9.Ee]+|[A-Z0-9_]+").match(text, position)
        token = match.group(0)
        position = match.end()
        if token.startswith("#"):
            return ("ref", int(token[1:]))
        if token in ("$", "*") or token.startswith("."):
            return None
        if re.fullmatch(r"[-+0-9.Ee]+", token):
            return float(token)
        # A typed value: TYPE(value)
        position += 1
        inner = value()
        position += 1
        return ("typed", token, inner)

    items = []
    while position < len(text):
        items.append(value())
        while position < len(text) and text[position] in " ,":
            position += 1
    return items


def read_model(path):
    entities = {}
    with open(path, encoding="latin-1") as file:
        for line in file:
            match = ENTITY.match(line.strip())
            if match:
                entities[int(match.group(1))] = (match.group(2), match.group(3))
    return entities


def ids(items):
    return [item[1] for item in items if isinstance(item, tuple) and item[0] == "ref"]


def model_figures(path, weight_list):
    raw = read_model(path)
    parsed = {}

    def entity(number):
        if number not in parsed:
            kind, text = raw[number]
            parsed[number] = (kind, parse_arguments(text))
        return parsed[number]

    children = {}
    own = {}
    of_type = {}
    for number, (kind, _) in raw.items():
        if kind == "IFCRELAGGREGATES":
            arguments = entity(number)[1]
            children.setdefault(arguments[4][1], []).extend(ids(arguments[5]))
        elif kind == "IFCRELDEFINESBYPROPERTIES":
            arguments = entity(number)[1]
            for target in ids(arguments[4]):
                own.setdefault(target, []).append(arguments[5][1])
        elif kind == "IFCRELDEFINESBYTYPE":
            arguments = entity(number)[1]
            sets = entity(arguments[5][1])[1][5] or []
            for target in ids(arguments[4]):
                of_type.setdefault(target, []).extend(ids(sets))

    def values(number):
        """(set, name) -> value of every property and quantity the object carries, its own first."""
        found = []
        for set_number in own.get(number, []) + of_type.get(number, []):
            kind, arguments = entity(set_number)
            if kind == "IFCPROPERTYSET":
                for member in ids(arguments[4]):
                    member_kind, member_arguments = entity(member)
                    if member_kind == "IFCPROPERTYSINGLEVALUE" and isinstance(member_arguments[2], tuple):
                        found.append(((arguments[2], member_arguments[0]), member_arguments[2][2]))
            elif kind == "IFCELEMENTQUANTITY":
                for member in ids(arguments[5]):
                    member_kind, member_arguments = entity(member)
                    if member_kind.startswith("IFCQUANTITY"):
                        found.append(((arguments[2], member_arguments[0]), member_arguments[3]))
        return found

    def weight(number):
        carried = values(number)
        for wanted in weight_list:
            for key, value in carried:
                if key == wanted and isinstance(value, float):
                    return value
        below = [weight(child) for child in children.get(number, [])]
        below = [value for value in below if value is not None]
        return sum(below) if below else None

    def batch_of(number):
        return next((value for key, value in values(number) if key == ("BIM", "USER_FIELD_4")), None)

    parent = {child: number for number, below in children.items() for child in below}

    def below_a_batched_one(number):
        # The panel does not look below an object that carries the batch: nested assemblies go with it.
        while number in parent:
            number = parent[number]
            if batch_of(number) is not None:
                return True
        return False

    batches = {}
    for number, (kind, _) in raw.items():
        if kind != "IFCELEMENTASSEMBLY":
            continue
        batch = batch_of(number)
        if batch is None or below_a_batched_one(number):
            continue
        name = batch[2] if isinstance(batch, tuple) else batch
        kilograms = weight(number)
        figures = batches.setdefault(name, [0, 0.0])
        figures[0] += 1
        figures[1] += kilograms or 0.0
    return batches


def printed_figures(host, model):
    with tempfile.TemporaryDirectory() as folder:
        result = subprocess.run([host, model], input="click Batches\nprint panel batch totals\n", text=True,
                                capture_output=True, env=dict(os.environ, XDG_DATA_HOME=folder), timeout=600)
    if result.returncode != 0:
        raise SystemExit("torv-host failed on %s:\n%s" % (model, result.stderr))
    lines = result.stdout.splitlines()
    start = lines.index("Batches")
    figures = {}
    for line in lines[start + 1:]:
        cells = line.split("\t")
        if len(cells) != 4:
            break
        figures[cells[0]] = (int(cells[1]), float(cells[3]) if cells[3] else None)
    return figures


def main():
    host, weight_file, models = sys.argv[1], sys.argv[2], sys.argv[3:]
    with open(weight_file, encoding="utf-8") as file:
        weight_list = [tuple(part.strip() for part in line.split("\t")) for line in file
                       if "\t" in line and not line.startswith("#")]
    checked = 0
    failures = []
    for model in models:
        if not os.path.exists(model):
            print("skipped, missing: " + model)
            continue
        expected = model_figures(model, weight_list)
        printed = printed_figures(host, model)
        for batch, (count, kilograms) in sorted(expected.items()):
            got = printed.get(batch)
            if got is None or got[0] != count or got[1] is None or abs(got[1] - kilograms) > 0.051:
                failures.append("%s %s: expected %d objects, %.1f kg; printed %s" % (
                    os.path.basename(model), batch, count, kilograms, got))
            else:
                print("ok: %s %s: %d objects, %.1f kg" % (os.path.basename(model), batch, count, kilograms))
        checked += 1
    for failure in failures:
        print(failure, file=sys.stderr)
    if checked == 0:
        if os.environ.get("TORV_WHOLE_SUITE"):
            print("no model was there", file=sys.stderr)
            return 1
        return 77
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
