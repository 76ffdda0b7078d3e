#!/usr/bin/env python3
"""Tells what a printer received in the four jobs of one fax settings sending and checks them.

    python3 describe_fax_jobs.py [--pc-time] JOB1 JOB2 JOB3 JOB4

Prints each job's PJL command, one line each, then the clock value decoded as a date and time: in
UTC, and as the printer's clock reads it (the time-zone offset added, and an hour more when its
daylight saving is on). Exits with 1 unless the jobs are the country code, daylight saving,
time-zone offset and current time commands in that order, each alone between two universal exit
language sequences. With --pc-time the clock value must also be the PC's clock when the job
arrived, give or take a few seconds: what the wizard sends when the user keeps the PC's time.
"""
import datetime
import pathlib
import re
import sys

from pjl_job import fail, job_data

COMMANDS = [
    (b'DEFAULT', b'KYVCOUNTRYCODE', rb'\d+'),
    (b'DEFAULT', b'KYVDAYLIGHTSAVING', rb'ON|OFF'),
    (b'DEFAULT', b'KYVTIMEZONEOFFSET', rb'-?\d+'),
    (b'SET', b'KYVCURRENTTIME', rb'-?\d+'),
]
PC_TIME_TOLERANCE_S = 10


def command_value(path, command):
    """The value the job at path sets with the expected command."""
    verb, variable, value = command
    line = job_data(path.read_bytes())
    match = re.fullmatch(rb'@PJL ' + verb + b' ' + variable + rb'=(' + value + rb')\r\n', line)
    if not match:
        fail(f'{path.name}: not "@PJL {verb.decode()} {variable.decode()}=...": {line[:80]!r}')
    print(f'   {path.name}: {line.decode("ascii").rstrip()}')
    return match.group(1).decode('ascii')


def main():
    pc_time = sys.argv[1:2] == ['--pc-time']
    paths = [pathlib.Path(p) for p in sys.argv[1 + pc_time:]]
    if len(paths) != len(COMMANDS):
        fail(f'{len(paths)} fax settings jobs instead of {len(COMMANDS)}')
    _, daylight_saving, zone, clock = (
        command_value(path, command) for path, command in zip(paths, COMMANDS))
    pause = paths[1].stat().st_mtime - paths[0].stat().st_mtime
    print(f'   the time jobs came {pause:.1f} s after the country code')

    seconds = int(clock)
    utc = datetime.datetime.fromtimestamp(seconds, datetime.timezone.utc)
    shift = datetime.timedelta(minutes=int(zone), hours=1 if daylight_saving == 'ON' else 0)
    reading = (utc + shift).replace(tzinfo=None)
    print(f'   clock value {seconds}: {utc:%Y-%m-%d %H:%M:%S} UTC')
    print(f'   the printer\'s clock reads {reading:%Y-%m-%d %H:%M:%S} (time-zone offset '
          f'{int(zone):+d} minutes, daylight saving {daylight_saving})')
    ahead = round(seconds - paths[3].stat().st_mtime)
    print(f'   the clock value is {ahead:+d} s from the PC\'s clock when the job arrived')
    if pc_time and abs(ahead) > PC_TIME_TOLERANCE_S:
        fail('the printer\'s clock is not the PC\'s time')


main()
