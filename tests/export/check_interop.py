#!/usr/bin/python3
"""Reads every DXF and SVG the export tests kept in a folder: each DXF must load with ezdxf's strict
reader, pass its audit without error and hold, per layer and type, the entities its
.counts.json names; each SVG must be well-formed XML sized in millimetres."""

import json
import pathlib
import sys
import xml.etree.ElementTree as ElementTree

import ezdxf


def check_dxf(path: pathlib.Path) -> list:
    problems = []
    doc = ezdxf.readfile(str(path))
    auditor = doc.audit()
    for error in auditor.errors:
        problems.append(f"{path.name}: audit error {error.code}: {error.message}")
    counts = {}
    for entity in doc.modelspace():
        key = f"{entity.dxf.layer}/{entity.dxftype()}"
        counts[key] = counts.get(key, 0) + 1
    expected_path = path.with_name(path.name + ".counts.json")
    if expected_path.exists():
        expected = json.loads(expected_path.read_text())
        if counts != expected:
            problems.append(f"{path.name}: entities {counts} instead of {expected}")
    else:
        problems.append(f"{path.name}: no {expected_path.name}")
    if doc.dxfversion != "AC1009":
        problems.append(f"{path.name}: version {doc.dxfversion}")
    return problems


def check_svg(path: pathlib.Path) -> list:
    root = ElementTree.parse(str(path)).getroot()
    problems = []
    if root.tag != "{http://www.w3.org/2000/svg}svg":
        problems.append(f"{path.name}: root {root.tag}")
    for attribute in ("width", "height"):
        if not root.get(attribute, "").endswith("mm"):
            problems.append(f"{path.name}: {attribute} {root.get(attribute)} not in mm")
    return problems


def main() -> int:
    folder = pathlib.Path(sys.argv[1])
    dxf_files = sorted(folder.glob("*.dxf"))
    svg_files = sorted(folder.glob("*.svg"))
    if not dxf_files:
        print(f"no DXF file in {folder}")
        return 1
    problems = []
    for path in dxf_files:
        problems += check_dxf(path)
    for path in svg_files:
        problems += check_svg(path)
    for problem in problems:
        print(problem)
    print(f"{len(dxf_files)} DXF and {len(svg_files)} SVG files checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
