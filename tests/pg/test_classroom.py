#!/usr/bin/env python3
"""A classroom on the school's server: tapwell --setup-server and --class make it, and
the server itself keeps each account to what it may see, whatever SQL it types by hand
into psql. Exits with 77 (skipped) when the PostgreSQL server is not installed."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pgcluster  # noqa: E402

ANNA, BEN, TEACHER = "tapwell-child", "tapwell-child2", "tapwell-teacher"
REFUSED = object()

# (account, SQL typed by hand, what it gives: its output, or REFUSED)
RULES = [
    (ANNA, "INSERT INTO line(child_id, started, activity, uuid) SELECT id, '2026-12-08', "
           "'word', 'a1' FROM child WHERE name = current_user", ""),
    (ANNA, "INSERT INTO keystroke SELECT id, 1, 97, 97, 120 FROM line WHERE uuid = 'a1'", ""),
    (BEN, "INSERT INTO line(child_id, started, activity, uuid) SELECT id, '2026-12-08', "
          "'word', 'b1' FROM child WHERE name = current_user", ""),
    # A child: their own rows only, and no other child's name on a line.
    (ANNA, "SELECT count(*) FROM line", "1"),
    (ANNA, "SELECT string_agg(name, ',') FROM child", ANNA),
    (BEN, "SELECT count(*) FROM keystroke", "0"),
    (ANNA, f"INSERT INTO line(child_id, started, activity) SELECT id, 'x', 'word' FROM child "
           f"WHERE name = '{BEN}'", ""),  # Ben's row is not there to be read
    (ANNA, "INSERT INTO line(child_id, started, activity) VALUES((SELECT max(id) FROM "
           "line) + 100, 'x', 'word')", REFUSED),
    (ANNA, "DELETE FROM line", REFUSED),
    (ANNA, "UPDATE line SET wpm = 200", REFUSED),
    (ANNA, "UPDATE child SET talk = 1", ""),
    (ANNA, "UPDATE child SET name = 'someone'", REFUSED),
    (ANNA, "INSERT INTO class_member VALUES(1, 'tapwell-child', 'teacher')", REFUSED),
    # A teacher: the children of their class, read only.
    (TEACHER, "SELECT string_agg(name, ',') FROM child", ANNA),
    (TEACHER, "SELECT count(*) FROM line", "1"),
    (TEACHER, "SELECT count(*) FROM keystroke", "1"),
    (TEACHER, "SELECT string_agg(name, ',') FROM classroom", "3B"),
    (TEACHER, "INSERT INTO line(child_id, started, activity) SELECT id, 'x', 'word' FROM "
              "child", REFUSED),
    (TEACHER, "UPDATE child SET talk = 0", REFUSED),
    (TEACHER, "DELETE FROM class_member", REFUSED),
]


class Classroom(unittest.TestCase):
    def tapwell(self, *args):
        r = subprocess.run([os.environ["TAPWELL_BINARY"], *args, "--server", self.server],
                           capture_output=True, text=True, timeout=60)
        # An administrator's command says nothing when it worked.
        self.assertEqual((r.returncode, r.stdout, r.stderr), (0, "", ""), args)

    def sql(self, login, statement):
        who = {"as_account": login} if os.geteuid() == 0 else {"role": login}
        rc, out, err = self.pg.psql(statement, db="tapwell", check=False, **who)
        return REFUSED if rc else out.strip()

    def test_each_account_sees_and_writes_only_what_it_may(self):
        self.pg = pgcluster.Cluster().start()
        self.addCleanup(self.pg.stop)
        self.pg.create_database("tapwell")
        for login in (ANNA, BEN, TEACHER):
            self.pg.create_account(login)
        self.server = self.pg.conninfo(db="tapwell")
        for _ in range(2):  # again: nothing changes, nothing is said
            self.tapwell("--setup-server")
        self.tapwell("--class", "3B", "--teacher", TEACHER)
        self.tapwell("--class", "3B", "--child", ANNA)
        self.tapwell("--class", "4A", "--child", BEN)
        self.assertEqual(self.sql(TEACHER, "SELECT version FROM schema_version"), "5")

        for login, statement, expected in RULES:
            with self.subTest(login=login, sql=statement):
                self.assertEqual(self.sql(login, statement), expected)

        # Out of the class: the teacher sees none of it any more.
        self.tapwell("--class", "3B", "--teacher", TEACHER, "--remove")
        self.assertIs(self.sql(TEACHER, "SELECT count(*) FROM line"), REFUSED)


if __name__ == "__main__":
    try:
        pgcluster.find_bindir()
    except pgcluster.NoServer:
        sys.exit(77)
    unittest.main()
