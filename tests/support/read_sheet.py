"""Prints a spreadsheet file's cells as JSON, read the way other programs read
it: XLSX with openpyxl (its _xHHHH_ escapes decoded, as Excel does and openpyxl
does not), CSV with Python's csv module.

Usage: read_sheet.py xlsx|csv FILE
"""
import csv
import json
import os
import re
import sys

kind, path = sys.argv[1], sys.argv[2]
if re.match(r"[A-Za-z]:[/\\]", path):  # named by a Windows test under Wine
    prefix = os.environ.get("WINEPREFIX", os.path.expanduser("~/.wine"))
    path = os.path.join(prefix, "dosdevices", path[0].lower() + ":", path[3:].replace("\\", "/"))
out = {}
if kind == "xlsx":
    import openpyxl

    sheet = openpyxl.load_workbook(path).active
    def shown(value):
        return re.sub("_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), str(value))
    out["rows"] = [["" if v is None else shown(v) for v in row]
                   for row in sheet.iter_rows(values_only=True)]
    out["freeze"] = sheet.freeze_panes
    out["filter"] = sheet.auto_filter.ref
    out["boldTitles"] = all(cell.font.b for cell in sheet[1])
else:
    with open(path, "rb") as f:
        out["bom"] = f.read(3) == b"\xef\xbb\xbf"
    with open(path, newline="", encoding="utf-8-sig") as f:
        out["rows"] = list(csv.reader(f, strict=True))
json.dump(out, sys.stdout)
