#!/usr/bin/env python3
"""Writes steel-hall.ifc: a small portal-frame steel hall in IFC2X3, the project's bundled sample.

Five frames 6 m apart over a 12 m span. Columns, rafters, purlins and bracing are
IfcElementAssembly objects aggregating their profiles, plates and bolts, each part an extruded
profile at its real place, so that the model renders. Assemblies carry "USER_FIELD_4" in the
property set "BIM" with their delivery batch; the bracing has none yet. The output is the same
byte for byte on every run (GUIDs come from the objects' names), so the committed file can be
checked against this script: make_steel_hall.py --check FILE.

Usage: make_steel_hall.py [OUTPUT.ifc] | --check FILE
"""

import hashlib
import math
import sys

SPAN = 12000.0  # millimetres, the model's length unit
BAY = 6000.0
FRAMES = 5
EAVES = 6000.0
RIDGE = 7500.0
PURLIN_POSITIONS = (0.06, 0.36, 0.66, 0.94)  # along each rafter
BASE_PLATE = 20.0

GUID_ALPHABET = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$"


def ifc_guid(key):
    """The 22-character IFC form of a UUID made from key."""
    number = int.from_bytes(hashlib.md5(("torv steel hall " + key).encode()).digest(), "big")
    characters = []
    for _ in range(22):
        characters.append(GUID_ALPHABET[number % 64])
        number //= 64
    return "".join(reversed(characters))


def number(value):
    text = f"{value:.4f}".rstrip("0")
    return text if not text.endswith(".") else text


def text(value):
    return "'" + value.replace("\\", "\\\\").replace("'", "''") + "'"


def subtract(a, b):
    return tuple(x - y for x, y in zip(a, b))


def add(a, b):
    return tuple(x + y for x, y in zip(a, b))


def scale(a, factor):
    return tuple(x * factor for x in a)


def length(a):
    return math.sqrt(sum(x * x for x in a))


def unit(a):
    return scale(a, 1.0 / length(a))


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


class StepWriter:
    """Numbers the entities of the DATA section in the order they are written."""

    def __init__(self):
        self.lines = []

    def add(self, entity, *attributes):
        self.lines.append(f"#{len(self.lines) + 1}={entity}({','.join(attributes)});")
        return f"#{len(self.lines)}"

    def point(self, coordinates):
        return self.add("IFCCARTESIANPOINT", "(" + ",".join(number(c) for c in coordinates) + ")")

    def direction(self, coordinates):
        return self.add("IFCDIRECTION", "(" + ",".join(number(c) for c in coordinates) + ")")

    def file_text(self):
        header = [
            "ISO-10303-21;",
            "HEADER;",
            "FILE_DESCRIPTION(('ViewDefinition [CoordinationView]'),'2;1');",
            "FILE_NAME('steel-hall.ifc','2026-01-01T00:00:00',('torv'),('torv'),'',"
            "'torv sample generator','');",
            "FILE_SCHEMA(('IFC2X3'));",
            "ENDSEC;",
            "DATA;",
        ]
        return "\n".join(header + self.lines + ["ENDSEC;", "END-ISO-10303-21;", ""])


class SteelHall:
    def __init__(self):
        self.step = StepWriter()
        self.owner = None
        self.context = None
        self.assemblies = []  # (entity ref, batch or None)
        self.part_type = None
        self.rafters = []

    # Shared entities -------------------------------------------------------------------------

    def header_entities(self):
        s = self.step
        person = s.add("IFCPERSON", "$", "'Coordinator'", "$", "$", "$", "$", "$", "$")
        organization = s.add("IFCORGANIZATION", "$", "'torv'", "$", "$", "$")
        user = s.add("IFCPERSONANDORGANIZATION", person, organization, "$")
        application = s.add("IFCAPPLICATION", organization, "'1.0'", "'torv sample generator'", "'torv'")
        self.owner = s.add("IFCOWNERHISTORY", user, application, "$", ".ADDED.", "$", "$", "$", "1767225600")
        length_unit = s.add("IFCSIUNIT", "*", ".LENGTHUNIT.", ".MILLI.", ".METRE.")
        area_unit = s.add("IFCSIUNIT", "*", ".AREAUNIT.", "$", ".SQUARE_METRE.")
        mass_unit = s.add("IFCSIUNIT", "*", ".MASSUNIT.", ".KILO.", ".GRAM.")
        angle_unit = s.add("IFCSIUNIT", "*", ".PLANEANGLEUNIT.", "$", ".RADIAN.")
        units = s.add("IFCUNITASSIGNMENT", f"({length_unit},{area_unit},{mass_unit},{angle_unit})")
        origin = s.add("IFCAXIS2PLACEMENT3D", s.point((0, 0, 0)), "$", "$")
        self.context = s.add("IFCGEOMETRICREPRESENTATIONCONTEXT", "$", "'Model'", "3", "1.E-05", origin, "$")
        return units

    def rooted(self, entity, key, name, *rest):
        return self.step.add(entity, text(ifc_guid(key)), self.owner, text(name), *rest)

    def placement(self, location, axis=(0, 0, 1), reference=(1, 0, 0), relative_to="$"):
        s = self.step
        axis = unit(axis)
        # The reference direction must be at right angles to the axis.
        reference = unit(subtract(reference, scale(axis, dot(reference, axis))))
        place = s.add("IFCAXIS2PLACEMENT3D", s.point(location), s.direction(axis), s.direction(reference))
        return s.add("IFCLOCALPLACEMENT", relative_to, place)

    def body(self, profile, depth):
        s = self.step
        solid = s.add("IFCEXTRUDEDAREASOLID", profile, s.add("IFCAXIS2PLACEMENT3D", s.point((0, 0, 0)), "$", "$"),
                      s.direction((0, 0, 1)), number(depth))
        shape = s.add("IFCSHAPEREPRESENTATION", self.context, "'Body'", "'SweptSolid'", f"({solid})")
        return s.add("IFCPRODUCTDEFINITIONSHAPE", "$", "$", f"({shape})")

    def profile_position(self):
        s = self.step
        return s.add("IFCAXIS2PLACEMENT2D", s.add("IFCCARTESIANPOINT", "(0.,0.)"), "$")

    def i_profile(self, name, width, depth, web, flange, fillet):
        return self.step.add("IFCISHAPEPROFILEDEF", ".AREA.", text(name), self.profile_position(), number(width),
                             number(depth), number(web), number(flange), number(fillet))

    def c_profile(self, name, depth, width, wall, girth):
        return self.step.add("IFCCSHAPEPROFILEDEF", ".AREA.", text(name), self.profile_position(), number(depth),
                             number(width), number(wall), number(girth), "$", "$")

    def rectangle(self, name, x, y):
        return self.step.add("IFCRECTANGLEPROFILEDEF", ".AREA.", text(name), self.profile_position(), number(x),
                             number(y))

    def circle(self, name, radius):
        return self.step.add("IFCCIRCLEPROFILEDEF", ".AREA.", text(name), self.profile_position(), number(radius))

    def property_set(self, key, name, objects, properties):
        s = self.step
        values = [s.add("IFCPROPERTYSINGLEVALUE", text(p), "$", f"{kind}({value})", "$") for p, kind, value in properties]
        pset = self.rooted("IFCPROPERTYSET", key + " " + name, name, "$", f"({','.join(values)})")
        self.rooted("IFCRELDEFINESBYPROPERTIES", key + " " + name + " rel", "", "$", f"({','.join(objects)})", pset)

    # Parts -----------------------------------------------------------------------------------

    def part(self, entity, key, name, tag, profile, start, end, reference, profile_name, extra=()):
        """A part extruded from start to end along its axis, with its profile's x along reference."""
        axis = subtract(end, start)
        ref = self.rooted(entity, key, name, "$", "$", self.placement(start, axis, reference),
                          self.body(profile, length(axis)), text(tag), *extra)
        self.property_set(key, "Part", [ref], [
            ("PROFILE", "IFCLABEL", text(profile_name)),
            ("MATERIAL", "IFCLABEL", "'S355J2'"),
            ("LENGTH", "IFCPOSITIVELENGTHMEASURE", number(length(axis))),
        ])
        return ref

    def plate(self, key, tag, centre, normal, reference, x, y, thickness):
        name = f"PL{number(thickness)}*{number(x)}"
        start = subtract(centre, scale(unit(normal), thickness / 2))
        end = add(centre, scale(unit(normal), thickness / 2))
        return self.part("IFCPLATE", key, name, tag, self.rectangle(name, x, y), start, end, reference, name)

    def bolt(self, key, start, end, diameter):
        name = f"M{number(diameter)}"
        bolt_length = length(subtract(end, start))
        reference = (1, 0, 0) if abs(unit(subtract(end, start))[0]) < 0.9 else (0, 1, 0)
        return self.part("IFCMECHANICALFASTENER", key, f"BOLT {name}", name, self.circle(name, diameter / 2),
                         start, end, reference, name, (number(diameter), number(bolt_length)))

    # Assemblies ------------------------------------------------------------------------------

    def assembly(self, key, name, tag, location, parts, batch, weight):
        ref = self.rooted("IFCELEMENTASSEMBLY", key, name, "$", "$", self.placement(location), "$", text(tag),
                          ".FACTORY.", ".NOTDEFINED.")
        self.rooted("IFCRELAGGREGATES", key + " parts", "", "$", ref, f"({','.join(parts)})")
        self.property_set(key, "Fabrication", [ref], [
            ("ASSEMBLY_POS", "IFCLABEL", text(tag)),
            ("WEIGHT", "IFCMASSMEASURE", number(weight)),
            ("PART_COUNT", "IFCINTEGER", str(len(parts))),
            ("GALVANIZED", "IFCBOOLEAN", ".T." if name == "PURLIN" else ".F."),
        ])
        if batch is not None:
            self.property_set(key, "BIM", [ref], [("USER_FIELD_4", "IFCLABEL", text(batch))])
        self.assemblies.append(ref)
        return ref

    def column(self, frame, side, batch):
        x = 0.0 if side == 0 else SPAN
        y = frame * BAY
        key = f"column {frame} {side}"
        tag = f"C{frame * 2 + side + 1}"
        profile = self.i_profile("HEA300", 300, 290, 8.5, 14, 27)
        parts = [self.part("IFCCOLUMN", key + " profile", "HEA300", tag + "-1", profile, (x, y, BASE_PLATE),
                           (x, y, EAVES), (0, 1, 0), "HEA300")]
        parts.append(self.plate(key + " base plate", tag + "-2", (x, y, BASE_PLATE / 2), (0, 0, 1), (1, 0, 0), 400, 400,
                                BASE_PLATE))
        for corner, (dx, dy) in enumerate(((-140, -140), (140, -140), (140, 140), (-140, 140))):
            parts.append(self.bolt(f"{key} anchor {corner}", (x + dx, y + dy, -300), (x + dx, y + dy, 60), 24))
        self.assembly(key, "COLUMN", tag, (x, y, 0), parts, batch, 612.0)

    def rafter(self, frame, side, batch):
        y = frame * BAY
        eaves = (0.0 if side == 0 else SPAN, y, EAVES)
        apex = (SPAN / 2, y, RIDGE)
        key = f"rafter {frame} {side}"
        tag = f"R{frame * 2 + side + 1}"
        direction = unit(subtract(apex, eaves))
        profile = self.i_profile("IPE360", 170, 360, 8, 12.7, 18)
        # The rafter sits on the column's cap: its end plates are the joints at eaves and apex.
        start = add(eaves, scale(direction, 20))
        end = subtract(apex, scale(direction, 10))
        parts = [self.part("IFCBEAM", key + " profile", "IPE360", tag + "-1", profile, start, end, (0, 1, 0), "IPE360")]
        upward = (-direction[2], 0.0, direction[0])
        if upward[2] < 0:
            upward = scale(upward, -1)
        for end_name, centre in (("eaves", add(eaves, scale(direction, 10))), ("apex", subtract(apex, scale(direction, 5)))):
            thickness = 20 if end_name == "eaves" else 10
            parts.append(self.plate(f"{key} {end_name} plate", f"{tag}-{len(parts) + 1}", centre, direction, (0, 1, 0),
                                    200, 420, thickness))
            for bolt_index, (across, up) in enumerate(((-55, -140), (55, -140), (-55, 140), (55, 140))):
                middle = add(add(centre, (0, across, 0)), scale(upward, up))
                parts.append(self.bolt(f"{key} {end_name} bolt {bolt_index}", subtract(middle, scale(direction, 40)),
                                       add(middle, scale(direction, 40)), 20))
        self.rafters.append((frame, side, eaves, apex, direction, upward))
        self.assembly(key, "RAFTER", tag, eaves, parts, batch, 740.0)

    def purlin(self, bay, side, index, batch):
        rafter = next(r for r in self.rafters if r[0] == bay and r[1] == side)
        _, _, eaves, apex, direction, upward = rafter
        along = length(subtract(apex, eaves)) * PURLIN_POSITIONS[index]
        # Purlins lie on the rafters' top flange.
        centre = add(add(eaves, scale(direction, along)), scale(upward, 180 + 100))
        start = (centre[0], bay * BAY, centre[2])
        end = (centre[0], (bay + 1) * BAY, centre[2])
        key = f"purlin {bay} {side} {index}"
        tag = f"P{(bay * 2 + side) * len(PURLIN_POSITIONS) + index + 1}"
        # The profile's depth stands at right angles to the roof.
        parts = [self.part("IFCBEAM", key + " profile", "C200", tag + "-1", self.c_profile("C200", 200, 70, 3, 20),
                           start, end, cross(upward, (0, 1, 0)), "C200")]
        for cleat, y in enumerate((start[1], end[1])):
            cleat_centre = add((centre[0], y, centre[2]), scale(direction, 60))
            parts.append(self.plate(f"{key} cleat {cleat}", f"{tag}-{cleat + 2}", cleat_centre, direction, (0, 1, 0), 100,
                                    150, 8))
        self.assembly(key, "PURLIN", tag, start, parts, batch, 71.0)

    def brace(self, key, tag, start, end, normal):
        axis = unit(subtract(end, start))
        parts = [self.part("IFCMEMBER", key + " tube", "CHS60", tag + "-1", self.circle("CHS60", 30),
                           add(start, scale(axis, 150)), subtract(end, scale(axis, 150)), normal, "CHS60")]
        for index, point in enumerate((add(start, scale(axis, 100)), subtract(end, scale(axis, 100)))):
            parts.append(self.plate(f"{key} gusset {index}", f"{tag}-{index + 2}", point, normal, axis, 220, 160, 12))
            parts.append(self.bolt(f"{key} bolt {index}", subtract(point, scale(normal, 30)), add(point, scale(normal, 30)),
                                   16))
        self.assembly(key, "BRACING", tag, start, parts, None, 48.0)

    def bracing(self):
        count = 0
        for bay in (0, FRAMES - 2):
            y0, y1 = bay * BAY, (bay + 1) * BAY
            for x in (0.0, SPAN):
                for diagonal, (z0, z1) in enumerate(((400.0, EAVES - 400), (EAVES - 400, 400.0))):
                    count += 1
                    self.brace(f"wall brace {bay} {x} {diagonal}", f"B{count}", (x, y0, z0), (x, y1, z1), (1, 0, 0))
            for side in (0, 1):
                for diagonal in (0, 1):
                    rafter0 = next(r for r in self.rafters if r[0] == bay and r[1] == side)
                    _, _, eaves, apex, direction, upward = rafter0
                    rafter_length = length(subtract(apex, eaves))
                    low = add(add(eaves, scale(direction, 0.15 * rafter_length)), scale(upward, 80))
                    high = add(add(eaves, scale(direction, 0.85 * rafter_length)), scale(upward, 80))
                    first, second = (low, high) if diagonal == 0 else (high, low)
                    count += 1
                    self.brace(f"roof brace {bay} {side} {diagonal}", f"B{count}", (first[0], y0, first[2]),
                               (second[0], y1, second[2]), upward)

    # The whole model -------------------------------------------------------------------------

    def build(self):
        units = self.header_entities()
        s = self.step
        project = self.rooted("IFCPROJECT", "project", "Steel hall", "'Sample model of torv'", "$", "$", "$",
                              f"({self.context})", units)
        site_place = self.placement((0, 0, 0))
        site = self.rooted("IFCSITE", "site", "Site", "$", "$", site_place, "$", "$", ".ELEMENT.", "$", "$", "0.", "$",
                           "$")
        building_place = self.placement((0, 0, 0), relative_to=site_place)
        building = self.rooted("IFCBUILDING", "building", "Hall", "'Portal frame hall, 12 m by 24 m'", "$",
                               building_place, "$", "$", ".ELEMENT.", "$", "$", "$")
        storey_place = self.placement((0, 0, 0), relative_to=building_place)
        storey = self.rooted("IFCBUILDINGSTOREY", "storey", "Ground floor", "$", "$", storey_place, "$", "$",
                             ".ELEMENT.", "0.")
        self.rooted("IFCRELAGGREGATES", "project site", "", "$", project, f"({site})")
        self.rooted("IFCRELAGGREGATES", "site building", "", "$", site, f"({building})")
        self.rooted("IFCRELAGGREGATES", "building storey", "", "$", building, f"({storey})")

        for frame in range(FRAMES):
            batch = "Batch 1" if frame < 3 else "Batch 2"
            for side in (0, 1):
                self.column(frame, side, batch)
            for side in (0, 1):
                self.rafter(frame, side, batch)
        for bay in range(FRAMES - 1):
            for side in (0, 1):
                for index in range(len(PURLIN_POSITIONS)):
                    self.purlin(bay, side, index, "Batch 3")
        self.bracing()
        self.rooted("IFCRELCONTAINEDINSPATIALSTRUCTURE", "storey elements", "", "$",
                    f"({','.join(self.assemblies)})", storey)
        return s.file_text()


def main(arguments):
    model = SteelHall().build()
    if arguments[:1] == ["--check"] and len(arguments) == 2:
        with open(arguments[1], encoding="ascii", newline="") as committed:
            if committed.read() != model:
                sys.exit(f"{arguments[1]} differs from what make_steel_hall.py writes: run it again")
        return
    if len(arguments) > 1 or arguments[:1] == ["--check"]:
        sys.exit(__doc__.split("\n\n")[-1])
    output = arguments[0] if arguments else "steel-hall.ifc"
    with open(output, "w", encoding="ascii", newline="") as out:
        out.write(model)


if __name__ == "__main__":
    main(sys.argv[1:])
