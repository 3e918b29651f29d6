#!/usr/bin/python3
# Reads a batch summary back as a spreadsheet user and a script would: the CSV
# with Python's csv module, the workbook with openpyxl. Prints JSON:
# {"csv": [[field, ...], ...], "xlsx": [[{"v": value, "bold": b, "fill": rgb}, ...], ...]}.
import csv
import json
import sys

import openpyxl


def cell(c):
    fill = c.fill.fgColor.rgb if c.fill is not None and c.fill.fill_type == "solid" else None
    return {"v": c.value, "bold": bool(c.font and c.font.b), "fill": fill}


def main():
    folder = sys.argv[1]
    with open(folder + "/summary.csv", newline="", encoding="utf-8") as stream:
        rows = list(csv.reader(stream))
    book = openpyxl.load_workbook(folder + "/summary.xlsx")
    sheet = book.worksheets[0]
    cells = [[cell(c) for c in row] for row in sheet.iter_rows()]
    print(json.dumps({"csv": rows, "xlsx": cells, "sheet": sheet.title}))


main()
