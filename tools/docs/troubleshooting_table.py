#!/usr/bin/env python3
"""Keeps the two tables of docs/troubleshooting.md in step with the sources.

The codes come from common/ResultCodes.h; the message boxes from the English and Japanese string
tables of the text libraries (a text with a line break is a message box: what happened, then what
to do) and from the launcher's fixed English texts (`const char k...Text[] = "..."`). This script
writes each row's identifier and text; the cause and fix cells are written by people and carried
over by identifier.

    troubleshooting_table.py [--check] [REPOSITORY]

Without --check the document is rewritten: a new code or message gets a row with empty cells to
fill in, and a row whose code or message is gone is dropped. Either way the script lists what
needs a person and exits with 1 while anything does.
"""
import re
import sys
from pathlib import Path

DOCUMENT = "docs/troubleshooting.md"
CODES_HEADER = "| Code | Name | Cause | Fix |"
MESSAGES_HEADER = "| Identifier | Text (English, then Japanese) | When | What to do |"
FIXED_TEXT_FOLDERS = ("launcher", "common")
TEXT_LIBRARIES = ("Nivad", "Pluvet")


def result_codes(root):
    header = (root / "common/ResultCodes.h").read_text(encoding="utf-8")
    # The last entry needs no comma, and spacing is free: neither may hide a code.
    return [(name, f"0x{int(value, 16):05X}")
            for name, value in re.findall(r"^\s*(\w+)\s*=\s*(0x[0-9A-Fa-f]+)\b", header, re.M)]


def string_table(path):
    text = path.read_text(encoding="utf-8")
    entries = {}
    for block in re.findall(r"^STRINGTABLE\s*\nBEGIN\n(.*?)^END", text, re.M | re.S):
        for name, quoted in re.findall(r'^\s*(IDS_\w+),\s*"((?:[^"]|"")*)"\s*$', block, re.M):
            entries[name] = quoted.replace('""', '"')
    return entries


def resource_messages(root):
    numbers = dict(re.findall(r"^#define (IDS_\w+)\s+(\d+)",
                              (root / "resources/ResourceIds.h").read_text(encoding="utf-8"), re.M))
    messages = []
    for library in TEXT_LIBRARIES:
        english = string_table(root / f"resources/{library}enu.rc")
        japanese = string_table(root / f"resources/{library}jpn.rc")
        for name, text in english.items():
            if "\\n" in text:
                identifier = f"`{library} {numbers[name]}` `{name}`"
                messages.append((identifier, cell_text(text) + "<br>" + cell_text(japanese.get(name, "(no Japanese text)"))))
    return messages


def fixed_messages(root):
    messages = []
    for folder in FIXED_TEXT_FOLDERS:
        for source in sorted((root / folder).glob("*.cpp")):
            for name, text in re.findall(r'^const char (k\w+Text)\[\] = "(.*)";$',
                                         source.read_text(encoding="utf-8"), re.M):
                messages.append((f"`{name}`", cell_text(text)))
    return messages


def cell_text(text):
    return text.replace("\\n", "<br>").replace("|", "\\|")


def cells(row):
    return [cell.strip() for cell in re.split(r"(?<!\\)\|", row.strip())[1:-1]]


def merge_table(lines, header, generated):
    """Returns the lines with the table under `header` rebuilt, and what needs a person."""
    start = lines.index(header) + 2
    end = start
    while end < len(lines) and lines[end].startswith("|"):
        end += 1
    written = {}
    for row in lines[start:end]:
        row_cells = cells(row)
        key = row_cells[1] if header == CODES_HEADER else row_cells[0]
        written[key] = row_cells
    rows, problems = [], []
    for key_cells in generated:
        key = key_cells[1] if header == CODES_HEADER else key_cells[0]
        people = written.pop(key, [])[2:4]
        people += [""] * (2 - len(people))
        if not all(people):
            problems.append(f"{key} has no row, or its row lacks what to do")
        rows.append("| " + " | ".join(list(key_cells) + people) + " |")
    problems += [f"a row names {key}, which no longer exists" for key in written]
    return lines[:start] + rows + lines[end:], problems


def refresh(root, document_text):
    lines = document_text.split("\n")
    codes = [(value, f"`{name}`") for name, value in result_codes(root)]
    lines, code_problems = merge_table(lines, CODES_HEADER, codes)
    messages = fixed_messages(root) + resource_messages(root)
    lines, message_problems = merge_table(lines, MESSAGES_HEADER, messages)
    return "\n".join(lines), code_problems + message_problems


def main(arguments):
    check = "--check" in arguments
    paths = [argument for argument in arguments if argument != "--check"]
    root = Path(paths[0] if paths else Path(__file__).resolve().parents[2])
    document = root / DOCUMENT
    current = document.read_text(encoding="utf-8")
    refreshed, problems = refresh(root, current)
    if refreshed != current:
        if not check:
            document.write_text(refreshed, encoding="utf-8")
        elif not problems:
            problems.append(f"{DOCUMENT} differs from the sources: run tools/docs/troubleshooting_table.py")
    for problem in problems:
        print(f"troubleshooting table: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
