#!/usr/bin/python3
# Reads a workbook with openpyxl and prints, as JSON, per sheet: its name, its
# last row, the title row, the first and the last data row (value, Python
# type, bold, solid fill colour); with "widths" also the widths of A..D (this
# loads the whole workbook: for small ones).
import json
import sys

import openpyxl


def cell(c):
    fill = c.fill.fgColor.rgb if c.fill is not None and c.fill.fill_type == "solid" else None
    return {"v": c.value, "t": type(c.value).__name__, "bold": bool(c.font and c.font.b), "fill": fill}


def sheet_of(ws, widths):
    rows = []
    count = 0
    for row in ws.iter_rows(max_col=4):
        count += 1
        if count <= 2:
            rows.append(row)
        last = row
    sheet = {
        "name": ws.title,
        "rows": count,
        "title": [cell(c) for c in rows[0]],
        "first": [cell(c) for c in rows[1]] if count > 1 else [],
        "last": [cell(c) for c in last],
    }
    if widths:
        sheet["widths"] = [ws.column_dimensions[c].width for c in "ABCD"]
    return sheet


def main():
    widths = len(sys.argv) > 2 and sys.argv[2] == "widths"
    # Opened as a stream, so that a name without ".xlsx" is read too.
    with open(sys.argv[1], "rb") as stream:
        wb = openpyxl.load_workbook(stream, read_only=not widths)
        print(json.dumps([sheet_of(ws, widths) for ws in wb.worksheets]))


main()
