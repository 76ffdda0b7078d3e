#!/usr/bin/env python3
"""The troubleshooting table matches the sources, and its check catches each kind of drift."""
import importlib.util
import shutil
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
found = importlib.util.spec_from_file_location("table", ROOT / "tools/docs/troubleshooting_table.py")
table = importlib.util.module_from_spec(found)
found.loader.exec_module(table)


def expect(condition, what):
    if not condition:
        sys.exit(f"FAILED: {what}")


def edit(path, old, new):
    text = path.read_text(encoding="utf-8")
    expect(old in text, f"{old!r} in {path.name}")
    path.write_text(text.replace(old, new, 1), encoding="utf-8")


expect(table.main(["--check", str(ROOT)]) == 0, "the document matches the sources")
with tempfile.TemporaryDirectory() as folder:
    root = Path(folder)
    for name in ["common", "launcher", "resources", "docs"]:
        shutil.copytree(ROOT / name, root / name, ignore=shutil.ignore_patterns("wizard", "*.png"))
    document = root / table.DOCUMENT

    # A changed text fails the check; the rewrite takes it in and keeps what people wrote.
    edit(root / "resources/Pluvetenu.rc", "The printer's print queue is paused in Windows.", "The print queue has been paused.")
    expect(table.main(["--check", str(root)]) == 1, "a changed message text fails the check")
    cause = next(table.cells(line)[2] for line in document.read_text(encoding="utf-8").split("\n")
                 if "`Pluvet 805`" in line)
    expect(table.main([str(root)]) == 0, "the rewrite takes the new text in")
    rewritten = document.read_text(encoding="utf-8")
    expect("The print queue has been paused." in rewritten and cause in rewritten, "text new, cause kept")

    # A new code and a new message need rows; a row whose message is gone is dropped.
    # The new code is the enum's last entry, written without spaces or comma.
    edit(root / "common/ResultCodes.h", "0x7000d,", "0x7000d,\n    ERR_NEW_CASE=0x7000e")
    edit(root / "resources/Nivadenu.rc", "  IDS_CONFIRM_OTHER_PANEL,",
         '  IDS_SHEET_TITLE_FORMAT, "Another\\nbox"\n  IDS_CONFIRM_OTHER_PANEL,')
    edit(root / "resources/Pluvetenu.rc", "  IDS_PRINTER_OFFLINE,", "  // IDS_PRINTER_OFFLINE,")
    refreshed, problems = table.refresh(root, rewritten)
    for needed in ["`ERR_NEW_CASE` has no row", "`Nivad 101`", "names `Pluvet 806`"]:
        expect(any(needed in problem for problem in problems), f"a problem says {needed}")
    expect("| 0x7000E | `ERR_NEW_CASE` |  |  |" in refreshed and "`Pluvet 806`" not in refreshed,
           "the new row is added to fill in, the stale one dropped")
print("troubleshooting table: in step with the sources")
