#!/usr/bin/env python3
"""Drives the virtual printer through one session of good and broken jobs, stops it, and starts it
again on the same state folder.

    virtual_printer_test.py PJLPRINTER LANGUAGE_FOLDER   (the folder holds English.lng, French.lng)
"""
import pathlib
import re
import signal
import socket
import subprocess
import sys
import tempfile
import time

UEL = b'\x1b%-12345X'
STALL_SECONDS = 1
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def resource_write(size):
    return b'@PJL KYVRESOURCEWRITE LOCATION="DownloadMessage:setMessage" SIZE=%d\r\n' % size


def command(line):
    return UEL + line + b'\r\n' + UEL


def start(printer, state, *options):
    process = subprocess.Popen([printer, '--port', '0', '--state', state,
                                '--stall-seconds', str(STALL_SECONDS), *options],
                               stdout=subprocess.PIPE, text=True, encoding='utf-8')
    first = process.stdout.readline()
    match = re.fullmatch(r'listening on 127\.0\.0\.1:(\d+)\n', first)
    check(match, f'first line: {first!r}')
    return process, int(match.group(1))


def send(port, job, stall=False):
    """Sends one job and waits until the printer has closed the connection: it has taken it."""
    with socket.create_connection(('127.0.0.1', port)) as connection:
        connection.sendall(job)
        if not stall:
            connection.shutdown(socket.SHUT_WR)
        connection.settimeout(STALL_SECONDS + 5)
        check(connection.recv(1) == b'', 'the printer answered')


def log_texts(state):
    """The log's lines without their times."""
    lines = (pathlib.Path(state) / 'printer.log').read_text(encoding='utf-8').splitlines()
    check(all(re.match(r'\d{4}-\d\d-\d\d \d\d:\d\d:\d\d ', line) for line in lines), 'log times')
    return [line[20:] for line in lines]


def job_line(number, size, trouble):
    """The pattern of a job's own line: what went wrong, its bytes, where from, where kept."""
    grouped = f'{size:,}'.replace(',', ' ')
    return (re.escape(f'job {number}: {trouble}{grouped} bytes from 127.0.0.1:') + r'\d+' +
            re.escape(f', kept as jobs/job-{number}.prn'))


def state_values(state):
    text = (pathlib.Path(state) / 'printer-state.txt').read_text()
    return dict(line.split('=', 1) for line in text.splitlines())


def main():
    printer, languages = sys.argv[1], pathlib.Path(sys.argv[2])
    english = (languages / 'English.lng').read_bytes()
    french = (languages / 'French.lng').read_bytes()
    french_bad_header = bytearray(french)
    french_bad_header[24] ^= 0x01  # a header byte: the ID no longer reads as it must
    held = f'kept ENGLISH 2.00–2.05 for LP5300, {len(english)} bytes'

    # Each job and the lines it must leave before its job line.
    jobs = [
        (UEL + resource_write(len(english)) + english + UEL,
         [f'panel messages: ENGLISH 2.00–2.05 for LP5300, {len(english)} bytes']),
        (command(b'@PJL DEFAULT KYVCOUNTRYCODE=81'), ['country code: 81']),
        (command(b'@PJL DEFAULT KYVDAYLIGHTSAVING=OFF'), ['daylight saving: OFF']),
        (command(b'@PJL DEFAULT KYVTIMEZONEOFFSET=540'), ['time-zone offset: +540 minutes']),
        (command(b'@PJL SET KYVCURRENTTIME=1796745937'), ['clock set to 2026-12-08 16:05:37 UTC']),
        (command(b'@PJL KYVINFOPRINT MENU=CUMENU') + command(b'@PJL ECHO hello'),
         ['menu map printed to menu-map.txt', 'unknown PJL command: "@PJL ECHO hello"']),
        (UEL + resource_write(len(french)) + french[:300],
         [f'panel messages rejected: the job ended after 300 of {len(french)} announced bytes '
          f'({len(resource_write(len(french))) + 300} bytes in all); {held}']),
        (UEL + resource_write(100) + french + UEL,
         [f'panel messages rejected: SIZE=100 but {len(french) - 100} more bytes followed the '
          f'announced ones ({len(resource_write(100) + french)} bytes in all); {held}']),
        (UEL + resource_write(len(french)) + french_bad_header + UEL,
         ['panel messages rejected: the language file\'s header does not check (0x11002) '
          f'({len(resource_write(len(french)) + french)} bytes in all); {held}']),
        (UEL + resource_write(-1) + french + UEL,
         ['panel messages rejected: no usable SIZE in "@PJL KYVRESOURCEWRITE '
          'LOCATION=\\x22DownloadMessage:setMessage\\x22 SIZE=-1"; '
          f'{len(french)} bytes of data skipped ({len(resource_write(-1) + french)} bytes in all); '
          f'{held}']),
        (UEL + b'%!PS\r\nshowpage\r\n' + UEL + b'@PJL DEFAULT KYVCOUNTRYCODE=49\r\n',
         ['not PJL, skipped: 16 bytes starting "%!PS\\x0D\\x0Ashowpage\\x0D\\x0A"',
          'country code: 49']),
    ]
    stalled = UEL + b'@PJL DEFAULT KYVTIME'

    with tempfile.TemporaryDirectory() as state:
        process, port = start(printer, state)
        for job, _ in jobs:
            send(port, job)
        started = time.time()
        send(port, stalled, stall=True)
        check(time.time() - started >= STALL_SECONDS, 'the stall was cut short')
        process.send_signal(signal.SIGTERM)
        check(process.wait(10) == 0, 'exit code after SIGTERM')

        expected = [re.escape(f'started on 127.0.0.1:{port}; panel language: none downloaded; '
                              'next job 1')]
        for number, (job, lines) in enumerate(jobs, 1):
            expected += [re.escape(f'job {number}: {line}') for line in lines]
            expected.append(job_line(number, len(job), ''))
        stall = f'stalled: no byte for {STALL_SECONDS} s, connection closed; '
        last = len(jobs) + 1
        expected += [re.escape(f'job {last}: not PJL, skipped: 20 bytes starting '
                               '"@PJL DEFAULT KYVTIME"'),
                     job_line(last, len(stalled), stall), f'stopped after {last} jobs']
        texts = log_texts(state)
        check(len(texts) == len(expected), f'{len(texts)} log lines, not {len(expected)}')
        for text, wanted in zip(texts, expected):
            check(re.fullmatch(wanted, text), f'log: {text!r} does not match {wanted!r}')

        folder = pathlib.Path(state)
        for number, job in enumerate([job for job, _ in jobs] + [stalled], 1):
            check((folder / f'jobs/job-{number}.prn').read_bytes() == job, f'job-{number}.prn')
        check((folder / 'panel-messages.lng').read_bytes() == english, 'panel-messages.lng')
        values = state_values(state)
        check(abs(int(values.pop('clock_set_at')) - started) < 10, 'clock_set_at')
        settings = {'country_code': '49', 'daylight_saving': 'OFF', 'time_zone_offset': '540',
                    'clock': '1796745937', 'panel_language': 'ENGLISH',
                    'panel_version_min': '2.00', 'panel_version_max': '2.05',
                    'panel_printer': 'LP5300', 'panel_bytes': str(len(english))}
        check(values == settings, f'state: {values}')
        menu = (folder / 'menu-map.txt').read_text(encoding='utf-8')
        for item in [rf'Message language \.+ ENGLISH 2\.00–2\.05 for LP5300, {len(english)} ',
                     r'Country code \.+ 81', r'Time zone \.+ \+540 minutes', r'Summer time \.+ OFF',
                     r'Date/Time \.+ 2026-12-09 01:05:3\d \(2026-12-08 16:05:3\d UTC\)']:
            check(re.search(item, menu), f'menu map lacks {item!r}:\n{menu}')

        # Started again, it holds what it held and numbers on; one job and it stops by itself.
        process, port = start(printer, state, '--jobs', '1')
        send(port, command(b'@PJL KYVINFOPRINT MENU=CUMENU'))
        check(process.wait(10) == 0, 'exit code after --jobs 1')
        texts = log_texts(state)[len(expected):]
        check(texts[0].endswith('panel language: ENGLISH 2.00–2.05 for LP5300, '
                                f'{len(english)} bytes; next job {last + 1}'), f'restart: {texts[0]!r}')
        check(texts[1] == f'job {last + 1}: menu map printed to menu-map.txt',
              f'restart: {texts[1]!r}')
        check(re.search(r'Country code \.+ 49', (folder / 'menu-map.txt').read_text()),
              'menu map after the restart')
        check((folder / f'jobs/job-{last + 1}.prn').exists(), 'the job after the restart')

    # Values the printer would not take load as never set, and a state folder that cannot hold
    # jobs stops the printer before it says it listens.
    with tempfile.TemporaryDirectory() as state:
        folder = pathlib.Path(state)
        (folder / 'printer-state.txt').write_text(
            'country_code=x81\ndaylight_saving=MAYBE\ntime_zone_offset=99999999999\n'
            'clock=9223372036854775807\nclock_set_at=0\n')
        process, port = start(printer, state, '--jobs', '1')
        send(port, command(b'@PJL KYVINFOPRINT MENU=CUMENU'))
        check(process.wait(10) == 0, 'exit code with a corrupt state file')
        menu = (folder / 'menu-map.txt').read_text(encoding='utf-8')
        check(menu.count('(not set)') == 4, f'menu map of a corrupt state:\n{menu}')
        on_a_file = subprocess.run(
            [printer, '--port', '0', '--state', str(folder / 'menu-map.txt')],
            capture_output=True, text=True, timeout=10)
        check(on_a_file.returncode == 1 and not on_a_file.stdout, f'state on a file: {on_a_file}')

    for failure in failures:
        print('FAILED:', failure)
    return 1 if failures else 0


sys.exit(main())
