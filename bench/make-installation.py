#!/usr/bin/env python3
"""Writes a large synthetic installation: a consistent Zembrak.ini for MACHINES machines, each
listing LANGUAGES languages, and every machine's language files (through lngtool), so that
/CheckInifile finds everything in order. Language files already present are kept, so a larger
size can reuse the files of a smaller one.

usage: make-installation.py LNGTOOL FOLDER MACHINES LANGUAGES
"""
import os
import subprocess
import sys
import tempfile

# The first two have resource libraries in the install folder; the user interfaces use them.
LANGUAGES = [
    ("enu", "English"), ("jpn", "Japanese"), ("deu", "German"), ("fra", "French"),
    ("ita", "Italian"), ("esp", "Spanish"), ("ptb", "Portuguese"), ("nld", "Dutch"),
    ("sve", "Swedish"), ("dan", "Danish"), ("nor", "Norwegian"), ("fin", "Finnish"),
    ("plk", "Polish"), ("csy", "Czech"), ("hun", "Hungarian"), ("rus", "Russian"),
    ("trk", "Turkish"), ("ell", "Greek"), ("chs", "ChineseSimplified"),
    ("cht", "ChineseTraditional"),
]


def machine_name(index):
    return "BM%04d" % index


def write_config(path, machines, languages):
    lines = ["[Revision]", "1=", "[Drivers]"]
    lines += ["Bench Driver %04d=%s" % (m, machine_name(m)) for m in range(machines)]
    lines += ["[Language]"] + ["%s=%s" % language for language in languages]
    lines += ["[Models]"] + ["BM-%04d=%s" % (m, machine_name(m)) for m in range(machines)]
    ids = ",".join(code for code, _ in languages)
    lines += ["[Machines]"] + ["%s=%s" % (machine_name(m), ids) for m in range(machines)]
    lines += ["[Localize]", "Lomarel=enu,jpn", "FaxSetup=enu,jpn", "[Link]"]
    lines += ["%s=https://support.lomarel.example/%s" % (code, code) for code, _ in languages]
    lines += ["[LanguageVersion]"] + ["%s=1.50" % machine_name(m) for m in range(machines)]
    lines += ["[LanguageName]"] + ["%s=%s" % (name, name.upper()) for _, name in languages]
    lines += ["[ModelID]"] + ["%s=%s" % (machine_name(m), machine_name(m)) for m in range(machines)]
    lines += ["[Fax Machine]", "BM-0000=81,1", "[Fax Destination]", "BM-0000=Japan/81",
              "[Driver and Model]", "Bench Driver 0000=BM-0000",
              "[Fax Country Code]", "1=", "81=", "[PanelRestriction]", "JPN=TRUE"]
    with open(path, "w", newline="") as ini:
        ini.write("\r\n".join(lines) + "\r\n")


def write_language_files(lngtool, folder, machines, languages):
    with tempfile.TemporaryDirectory() as work:
        header_path = os.path.join(work, "header")
        payload_path = os.path.join(work, "payload")
        with open(payload_path, "wb") as payload:
            payload.write(b"\x00" * 4096)
        for m in range(machines):
            machine = machine_name(m)
            os.makedirs(os.path.join(folder, machine), exist_ok=True)
            for _, name in languages:
                output = os.path.join(folder, machine, name + ".lng")
                if os.path.exists(output):
                    continue
                with open(header_path, "w", newline="") as header:
                    header.write("ID\tDownload Additional Message.\r\n"
                                 "Copyright\tBenchmark\r\nFormatVersion\t1.0\r\n"
                                 "Printer\t%s\r\nversion1Min\t1.00\r\nversion1Max\t1.50\r\n"
                                 "Language\t%s\r\nTableNumber\t1\r\n" % (machine, name.upper()))
                subprocess.run([lngtool, "write", header_path, payload_path, output], check=True)


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    lngtool, folder = sys.argv[1], sys.argv[2]
    machines, language_count = int(sys.argv[3]), int(sys.argv[4])
    if not 2 <= language_count <= len(LANGUAGES):
        sys.exit("LANGUAGES must be between 2 and %d" % len(LANGUAGES))
    languages = LANGUAGES[:language_count]
    os.makedirs(folder, exist_ok=True)
    write_config(os.path.join(folder, "Zembrak.ini"), machines, languages)
    write_language_files(lngtool, folder, machines, languages)


if __name__ == "__main__":
    main()
