#!/usr/bin/python3
"""Reads every workshop drawing the command-line tests kept in a folder (NAME.dxf, NAME.svg and
the report NAME.txt of the same run) and checks what a maker relies on: ezdxf's strict reader
and auditor pass; every entity lies on a named layer; no SOLID, hatch or filled shape; the plate
outline is one closed polyline; every numeral lies inside the plate at one height, the height the
title block states, in both files; no two numerals' boxes overlap and none crosses an hour line;
every hour line's ends equal the report's to 0.05 mm. The old hours' numerals, on their own
layers, are held to the hour numerals' rules."""

import math
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

import ezdxf

LAYERS = {
    "DECOUPE_CONTOUR_MM", "GRAVURE_LIGNES_HORAIRES_MM", "GRAVURE_COURBES_MM",
    "GRAVURE_CHIFFRES_TEXTES_MM", "PORTE_OMBRE_PIED_CONTOUR_MM", "REPERES_TRACAGE_MM",
    "CARTOUCHE_MM",
}
OLD_HOURS = {"GRAVURE_HEURES_ITALIQUES_MM", "GRAVURE_HEURES_BABYLONIQUES_MM",
             "GRAVURE_HEURES_TEMPORAIRES_MM"}  # lines and numerals of each old-hours system
LAYERS |= OLD_HOURS
NUMERALS = "GRAVURE_CHIFFRES_TEXTES_MM"
HOUR_LINES = "GRAVURE_LIGNES_HORAIRES_MM"
ADVANCE = 0.8  # a numeral's character is this many heights wide
DIGIT_HEIGHT_PER_EM = 0.716
TOLERANCE = 0.05 + 1e-9
SVG = "{http://www.w3.org/2000/svg}"
NUMERAL_GROUPS = {"gravure-chiffres-textes", "gravure-heures-italiques",
                  "gravure-heures-babyloniques", "gravure-heures-temporaires"}
INKSCAPE = "{http://www.inkscape.org/namespaces/inkscape}"


def box_of(text, height, cx, cy):
    half = ADVANCE * height * len(text) / 2
    return (cx - half, cx + half, cy - height / 2, cy + height / 2)


def boxes_meet(a, b):
    return a[0] < b[1] and b[0] < a[1] and a[2] < b[3] and b[2] < a[3]


def segment_meets_box(p, q, box):
    t0, t1 = 0.0, 1.0
    dx, dy = q[0] - p[0], q[1] - p[1]
    for pk, qk in ((-dx, p[0] - box[0]), (dx, box[1] - p[0]), (-dy, p[1] - box[2]),
                   (dy, box[3] - p[1])):
        if pk == 0:
            if qk < 0:
                return False
            continue
        t = qk / pk
        if pk < 0:
            t0 = max(t0, t)
        else:
            t1 = min(t1, t)
        if t0 > t1:
            return False
    return True


def inside(box, plate):
    return (box[0] >= plate[0] - 1e-9 and box[1] <= plate[1] + 1e-9 and box[2] >= plate[2] - 1e-9
            and box[3] <= plate[3] + 1e-9)


def report_lines(text, plate):
    """(start, end) of every straight hour line the report lists; start None for "du centre"."""
    def coordinate(value, low, high):
        return {"-L": low, "L": high}.get(value, None) if value in ("L", "-L") else float(value)

    def point(match):
        return (coordinate(match[0], plate[0], plate[1]), coordinate(match[1], plate[2], plate[3]))

    centre = re.search(r"(?:Position du centre|a pour position) : \(([^,]+), ([^)]+)\)", text)
    centre = point(centre.groups()) if centre else None
    pairs = []
    pattern = re.compile(r" - Pour \d+ h \d\d : (?:du centre|de \(([^,]+), ([^)]+)\))\r?\n"
                         r"     jusqu'à \(([^,]+), ([^)]+)\)")
    for m in pattern.finditer(text):
        start = point((m[1], m[2])) if m[1] is not None else centre
        pairs.append((start, point((m[3], m[4]))))
    return pairs


def check_dxf(path, problems):
    name = path.name
    doc = ezdxf.readfile(str(path))
    auditor = doc.audit()
    for error in auditor.errors:
        problems.append(f"{name}: audit error {error.code}: {error.message}")
    if doc.dxfversion != "AC1009":
        problems.append(f"{name}: version {doc.dxfversion}")
    if doc.header.get("$INSUNITS") is not None:
        problems.append(f"{name}: $INSUNITS has no place in release 12")
    msp = doc.modelspace()
    outlines = []
    numerals = []
    hour_lines = []
    seen_lines = set()
    title = ""
    for e in msp:
        layer, kind = e.dxf.layer, e.dxftype()
        if layer not in LAYERS:
            problems.append(f"{name}: {kind} on layer {layer}")
        if kind in ("SOLID", "TRACE", "3DFACE", "HATCH"):
            problems.append(f"{name}: filled {kind}")
        if kind == "LINE":
            p, q = (e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)
            if p == q:
                problems.append(f"{name}: zero-length LINE at {p}")
            key = tuple(sorted((p, q)))
            if key in seen_lines:
                problems.append(f"{name}: LINE {key} twice")
            seen_lines.add(key)
            if layer == HOUR_LINES:
                hour_lines.append((p, q))
        if kind == "POLYLINE":
            points = [(v.dxf.location.x, v.dxf.location.y) for v in e.vertices]
            if any(a == b for a, b in zip(points, points[1:])):
                problems.append(f"{name}: POLYLINE with a zero-length side")
            if e.is_closed and points[0] == points[-1]:
                problems.append(f"{name}: closed POLYLINE repeating its first vertex")
            if layer == "DECOUPE_CONTOUR_MM":
                outlines.append((e.is_closed, points))
        if kind == "TEXT" and (layer == NUMERALS or layer in OLD_HOURS):
            at = e.dxf.align_point
            numerals.append((e.dxf.text, e.dxf.height, at.x, at.y))
        if kind == "TEXT" and layer == "CARTOUCHE_MM":
            title += e.dxf.text + "\n"
    if len(outlines) != 1 or not outlines[0][0] or len(outlines[0][1]) != 4:
        problems.append(f"{name}: the plate outline is not one closed four-corner polyline")
        return None
    xs = [p[0] for p in outlines[0][1]]
    ys = [p[1] for p in outlines[0][1]]
    plate = (min(xs), max(xs), min(ys), max(ys))
    stated = re.search(r"chiffres de ([0-9.]+) mm", title)
    if not stated:
        problems.append(f"{name}: the title block does not state the numerals' height")
        return None
    height = float(stated[1])
    check_numerals(name, numerals, height, plate, hour_lines, problems)

    reported = report_lines(path.with_suffix(".txt").read_text(encoding="utf-8"), plate)
    if len(reported) != len(hour_lines):
        problems.append(f"{name}: {len(hour_lines)} hour lines, the report lists {len(reported)}")
    worst, worst_at = 0.0, None
    for k, ((start, end), (p, q)) in enumerate(zip(reported, hour_lines)):
        for want, got in ((start, p), (end, q)):
            gap = max(abs(want[0] - got[0]), abs(want[1] - got[1]))
            if gap > worst:
                worst, worst_at = gap, k
    if worst > TOLERANCE:
        problems.append(f"{name}: hour line {worst_at} is {worst:.3f} mm from the report's")
    return plate, height, len(numerals)


def check_numerals(name, numerals, height, plate, hour_lines, problems):
    boxes = []
    for text, h, cx, cy in numerals:
        if abs(h - height) > 1e-9:
            problems.append(f"{name}: numeral {text} is {h} mm high, not {height}")
        box = box_of(text, h, cx, cy)
        if not inside(box, plate):
            problems.append(f"{name}: numeral {text} at ({cx:.1f}, {cy:.1f}) leaves the plate")
        for p, q in hour_lines:
            if segment_meets_box(p, q, box):
                problems.append(f"{name}: numeral {text} crosses the hour line {p}-{q}")
                break
        for other_text, other in boxes:
            if boxes_meet(box, other):
                problems.append(f"{name}: numerals {other_text} and {text} overlap")
        boxes.append((text, box))


def check_svg(path, facts, problems):
    name = path.name
    root = ElementTree.parse(str(path)).getroot()
    for attribute in ("width", "height"):
        if not root.get(attribute, "").endswith("mm"):
            problems.append(f"{name}: {attribute} {root.get(attribute)} not in mm")
    plate, height, numeral_count = facts
    numerals = []
    for group in root.iter(SVG + "g"):
        if group.get(INKSCAPE + "groupmode") != "layer" or not group.get(INKSCAPE + "label"):
            problems.append(f"{name}: group {group.get('id')} is not an Inkscape layer")
        if group.get("fill") != "none":
            problems.append(f"{name}: group {group.get('id')} is filled")
        for element in group:
            tag = element.tag.removeprefix(SVG)
            if tag == "rect":
                problems.append(f"{name}: a rectangle (background?) in {group.get('id')}")
            if tag != "text" and element.get("fill", "none") != "none":
                problems.append(f"{name}: filled {tag} in {group.get('id')}")
            if tag == "text" and group.get("id") in NUMERAL_GROUPS:
                h = float(element.get("font-size")) * DIGIT_HEIGHT_PER_EM
                x, baseline = float(element.get("x")), -float(element.get("y"))
                numerals.append((element.text, h, x, baseline + h / 2))
    if len(numerals) != numeral_count:
        problems.append(f"{name}: {len(numerals)} numerals, the DXF has {numeral_count}")
    for text, h, cx, cy in numerals:
        if abs(h - height) > 0.001:
            problems.append(f"{name}: numeral {text} stands {h:.3f} mm, not {height}")
        if not inside(box_of(text, height, cx, cy), plate):
            problems.append(f"{name}: numeral {text} leaves the plate")


def main():
    folder = pathlib.Path(sys.argv[1])
    dxf_files = sorted(folder.glob("*.dxf"))
    if not dxf_files:
        print(f"no DXF file in {folder}")
        return 1
    problems = []
    for path in dxf_files:
        facts = check_dxf(path, problems)
        svg = path.with_suffix(".svg")
        if facts and svg.exists():
            check_svg(svg, facts, problems)
        elif facts:
            problems.append(f"{svg.name} missing")
    for problem in problems:
        print(problem)
    print(f"{len(dxf_files)} workshop drawings checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
