#!/usr/bin/env python3
"""The troubleshooting table matches the sources, and its check catches each kind of drift."""
import importlib.util
import shutil
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
spec = importlib.util.spec_from_file_location("table", ROOT / "tools/docs/troubleshooting_table.py")
table = importlib.util.module_from_spec(spec)
spec.loader.exec_module(table)

SOURCES = ["common/ResultCodes.h", "resources/ResourceIds.h", "docs/troubleshooting.md"] + [
    f"resources/{library}{language}.rc" for library in table.TEXT_LIBRARIES for language in ("enu", "jpn")]


def expect(condition, what):
    if not condition:
        print(f"FAILED: {what}", file=sys.stderr)
        sys.exit(1)


def edit(path, old, new):
    text = path.read_text(encoding="utf-8")
    expect(old in text, f"{old!r} in {path.name}")
    path.write_text(text.replace(old, new, 1), encoding="utf-8")


def copy_sources(into):
    for name in SOURCES:
        (into / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy(ROOT / name, into / name)
    for folder in table.FIXED_TEXT_FOLDERS:
        shutil.copytree(ROOT / folder, into / folder, ignore=shutil.ignore_patterns("wizard"),
                        dirs_exist_ok=True)


def main():
    expect(table.main(["--check", str(ROOT)]) == 0, "the document matches the sources")

    with tempfile.TemporaryDirectory() as folder:
        root = Path(folder)
        copy_sources(root)
        document = root / table.DOCUMENT

        # A changed text is caught, and the rewrite takes it in while keeping what people wrote.
        edit(root / "resources/Pluvetenu.rc", "The printer is paused.", "The printer has been paused.")
        expect(table.main(["--check", str(root)]) == 1, "a changed message text fails the check")
        cause = table.cells(next(line for line in document.read_text(encoding="utf-8").split("\n")
                                 if "`Pluvet 805`" in line))[2]
        expect(table.main([str(root)]) == 0, "the rewrite takes the new text in")
        rewritten = document.read_text(encoding="utf-8")
        expect("The printer has been paused." in rewritten and cause in rewritten,
               "the new text is in and the cause cell kept")

        # A new code and a new message need rows; a row whose message is gone is dropped.
        edit(root / "common/ResultCodes.h", "ERR_ENUM_JOBS = 0x60005,",
             "ERR_ENUM_JOBS = 0x60005,\n    ERR_NEW_CASE = 0x60006,")
        edit(root / "resources/Nivadenu.rc", '  IDS_CONFIRM_OTHER_PANEL,',
             '  IDS_SHEET_TITLE_FORMAT, "Another\\nbox"\n  IDS_CONFIRM_OTHER_PANEL,')
        rc = root / "resources/Pluvetenu.rc"
        rc.write_text("\n".join(line for line in rc.read_text(encoding="utf-8").split("\n")
                                if not line.startswith("  IDS_PRINTER_OFFLINE,")), encoding="utf-8")
        refreshed, problems = table.refresh(root, document.read_text(encoding="utf-8"))
        expect(any("`ERR_NEW_CASE`" in problem for problem in problems), "a new code without its row")
        expect(any("`Nivad 101`" in problem for problem in problems), "a new message without its row")
        expect(any("names `Pluvet 806`" in problem for problem in problems),
               "a row naming a message that no longer exists")
        expect("| 0x60006 | `ERR_NEW_CASE` |  |  |" in refreshed and "`Pluvet 806`" not in refreshed,
               "the new row is added to fill in, the stale one dropped")
    print("troubleshooting table: in step with the sources")


main()
