#!/usr/bin/python3
# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The companion's calendar file read back by an independent parser.

Usage: calendar_test.py INDICE_UV_CALC

Each row runs the companion with --calendario and --json, reads the file with
python3-icalendar and checks it against the stay as typed (its start and end
in UT, worked out by hand from the zone's offset) and against the JSON's
reminders; then the file's own rules: CRLF, lines folded at 75 octets, no
character cut, the same UID for the same stay.
"""

import datetime
import json
import os
import subprocess
import sys
import tempfile
import unittest

from icalendar import Calendar

COMPANION = None
UTC = datetime.timezone.utc

MADRID = ["--curva", "sol", "--latitud", "40.42", "--longitud", "-3.70", "--fecha", "2026-06-21",
          "--zona", "Europe/Madrid", "--indice-maximo", "10"]
MELBOURNE = ["--curva", "sol", "--latitud", "-37.73", "--longitud", "145.10", "--fecha", "2026-01-15",
             "--zona", "Australia/Melbourne", "--indice-maximo", "12"]

# name, arguments, the stay's start and end in UT (Madrid is UT+2 in June,
# Melbourne UT+11 in January), the reminders' count at least.
ROWS = [
    ("MadridMorning", MADRID, datetime.datetime(2026, 6, 21, 9, 0, tzinfo=UTC),
     datetime.datetime(2026, 6, 21, 11, 0, tzinfo=UTC), 1),
    ("MadridLongStayWithSunscreen", MADRID + ["--hora-exposicion", "10", "--duracion", "5", "--tipo-piel", "1",
                                              "--fps", "30", "--cantidad", "habitual"],
     datetime.datetime(2026, 6, 21, 8, 0, tzinfo=UTC), datetime.datetime(2026, 6, 21, 13, 0, tzinfo=UTC), 3),
    ("MelbourneAcrossUtcMidnight", MELBOURNE + ["--hora-exposicion", "10", "--duracion", "3"],
     datetime.datetime(2026, 1, 14, 23, 0, tzinfo=UTC), datetime.datetime(2026, 1, 15, 2, 0, tzinfo=UTC), 1),
]


def run_companion(arguments, folder):
    path = os.path.join(folder, "estancia.ics")
    done = subprocess.run([COMPANION, *arguments, "--json", "--calendario", path], capture_output=True,
                          check=True, env={**os.environ, "LC_ALL": "C.UTF-8"})
    with open(path, "rb") as file:
        return file.read(), json.loads(done.stdout)


class CalendarFile(unittest.TestCase):
    def test_rows(self):
        for name, arguments, start, end, least in ROWS:
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                raw, report = run_companion(arguments, folder)
                calendar = Calendar.from_ical(raw)
                events = [c for c in calendar.walk() if c.name == "VEVENT"]
                self.assertEqual(len(events), 1)
                event = events[0]
                self.assertEqual(event.decoded("dtstart"), start)
                self.assertEqual(event.decoded("dtend"), end)
                self.assertEqual(str(event["summary"]), "Al sol — Indice UV")
                self.assertIn(report["proteccion"]["texto"], str(event["description"]))

                alarms = [c for c in event.walk() if c.name == "VALARM"]
                reminders = report["recordatorios"]
                self.assertGreaterEqual(len(reminders), least)
                self.assertEqual(len(alarms), len(reminders))
                for alarm, reminder in zip(alarms, reminders):
                    self.assertEqual(str(alarm["action"]), "DISPLAY")
                    when = alarm.decoded("trigger")
                    self.assertEqual(when.astimezone(UTC).strftime("%Y-%m-%dT%H:%M:%SZ"), reminder["horaUTC"])
                    self.assertEqual(str(alarm["description"]), reminder["texto"])
                self.assertEqual(reminders[0]["horaUTC"], start.strftime("%Y-%m-%dT%H:%M:%SZ"))

    def test_lines_are_crlf_folded_at_75_octets_with_whole_characters(self):
        with tempfile.TemporaryDirectory() as folder:
            raw, _ = run_companion(ROWS[1][1], folder)
        self.assertTrue(raw.endswith(b"\r\n"))
        lines = raw[:-2].split(b"\r\n")
        self.assertNotIn(b"\n", b"".join(lines))
        folded = 0
        for line in lines:
            self.assertLessEqual(len(line), 75, line)
            line.decode("utf-8")  # a cut character fails here
            folded += line.startswith(b" ")
        self.assertGreater(folded, 0)

    def test_the_same_stay_keeps_its_uid_and_is_stamped_now(self):
        with tempfile.TemporaryDirectory() as folder:
            first, _ = run_companion(ROWS[0][1], folder)
            second, _ = run_companion(ROWS[0][1], folder)
            other, _ = run_companion(ROWS[2][1], folder)
        uid = lambda raw: str(Calendar.from_ical(raw).walk("VEVENT")[0]["uid"])
        self.assertEqual(uid(first), uid(second))
        self.assertNotEqual(uid(first), uid(other))
        stamp = Calendar.from_ical(first).walk("VEVENT")[0].decoded("dtstamp")
        self.assertLess(abs((datetime.datetime.now(UTC) - stamp).total_seconds()), 600)


if __name__ == "__main__":
    COMPANION = sys.argv.pop(1)
    unittest.main()
