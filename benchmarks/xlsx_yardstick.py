#!/usr/bin/env python3
# The spreadsheet export's yardstick: the same cells written with xlsxwriter
# as the export writes them (constant-memory mode, a bold header row, every
# cell a string, the columns as wide as their widest text).
#   xlsx_yardstick.py CELLS.json OUT.xlsx
# CELLS.json holds the rows, the header first, each a list of strings. Prints
# the seconds from the new workbook to the file closed; exits with 3, printing
# nothing, when xlsxwriter is not installed.
import json
import sys
import time

try:
    import xlsxwriter
except ImportError:
    sys.exit(3)

with open(sys.argv[1], encoding="utf-8") as f:
    header, *rows = json.load(f)

start = time.perf_counter()
workbook = xlsxwriter.Workbook(sys.argv[2], {"constant_memory": True})
sheet = workbook.add_worksheet("Foglio1")
bold = workbook.add_format({"bold": True})
widths = [0] * len(header)
for col, text in enumerate(header):
    sheet.write_string(0, col, text, bold)
    widths[col] = max(widths[col], len(text))
for row, cells in enumerate(rows, start=1):
    for col, text in enumerate(cells):
        sheet.write_string(row, col, text)
        widths[col] = max(widths[col], len(text))
for col, width in enumerate(widths):
    if width:
        sheet.set_column(col, col, min(255, width + 2))
workbook.close()
print(f"{time.perf_counter() - start:.6f}")
