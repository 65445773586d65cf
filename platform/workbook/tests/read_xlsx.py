"""Prints what openpyxl reads from a workbook, as JSON, for the workbook tests.

usage: read_xlsx.py FILE
"""
import json
import sys

import openpyxl


def style(cell):
    return {
        "font": cell.font.name,
        "bold": bool(cell.font.b),
        "border": cell.border.left.style,
        "format": cell.number_format,
    }


book = openpyxl.load_workbook(sys.argv[1])
out = {"sheets": book.sheetnames, "sheet": {}}
for sheet in book.worksheets:
    cells, styles = {}, {}
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            cells[cell.coordinate] = {"v": cell.value, "t": cell.data_type}
            styles[cell.coordinate] = style(cell)
    out["sheet"][sheet.title] = {
        "cells": cells,
        "styles": styles,
        "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
        "widths": {k: d.width for k, d in sheet.column_dimensions.items() if d.customWidth},
        "freeze": sheet.freeze_panes,
        "max_row": sheet.max_row,
    }
json.dump(out, sys.stdout, ensure_ascii=False)
