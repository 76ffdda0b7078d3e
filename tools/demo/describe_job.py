#!/usr/bin/env python3
"""Tells what a printer received in a language-file download job and checks it against the
install folder's language files.

    python3 describe_job.py JOB INSTALL_FOLDER PAYLOAD_OUT

Prints the PJL line, the byte counts and which language file the payload is, and writes the
payload to PAYLOAD_OUT; exits with 1 when the job is not a well-formed download of one of them.
"""
import pathlib
import re
import sys

from pjl_job import fail, job_data


def main():
    job_path, install, payload_out = map(pathlib.Path, sys.argv[1:4])
    job = job_path.read_bytes()
    print(f'   {job_path.name}: {len(job)} bytes')
    data = job_data(job)
    line_end = data.find(b'\r\n')
    line = data[:line_end]
    match = re.fullmatch(rb'@PJL KYVRESOURCEWRITE LOCATION="[^"]*" SIZE=(\d+)', line)
    if line_end < 0 or not match:
        fail(f'no resource-write line: {line[:80]!r}')
    print(f'   PJL line: {line.decode("ascii")}')
    payload = data[line_end + 2:]
    announced = int(match.group(1))
    print(f'   payload: {len(payload)} bytes, SIZE announced {announced}')
    if announced != len(payload):
        fail('the payload is not the size the PJL line announced')
    payload_out.write_bytes(payload)
    for candidate in sorted(install.glob('*/*.lng')):
        if candidate.read_bytes() == payload:
            print(f'   byte-exact copy of {candidate.relative_to(install)}')
            return
    fail('the payload matches none of the install folder\'s language files')


main()
