#!/usr/bin/env python3
"""The classroom server of the tests (pgcluster.py): a private PostgreSQL server reached
only through its socket, where each account signs in as itself by peer, which keeps its
data over a stop in the middle of a test and leaves no process behind. Exits with 77
(skipped) when the PostgreSQL server is not installed."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pgcluster  # noqa: E402

CHILD, TEACHER = "tapwell-child", "tapwell-teacher"


def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def server_processes(pid):
    """The server's main process and its children."""
    found = [pid]
    for p in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{p}/stat") as f:
                if int(f.read().rsplit(")", 1)[1].split()[1]) == pid:
                    found.append(int(p))
        except OSError:
            pass
    return found


class ClassroomServer(unittest.TestCase):
    def test_accounts_sign_in_as_themselves_through_the_socket_only(self):
        root = os.geteuid() == 0
        pg = pgcluster.Cluster().start()
        self.addCleanup(pg.stop)
        pg.create_database("classroom")
        for login in (CHILD, TEACHER):
            pg.create_account(login)
            # The test process, mapped to the role.
            self.assertEqual(pg.psql("SELECT current_user", role=login, db="classroom")[1],
                             login + "\n")
            if root:  # really run as the account: peer authentication proper
                self.assertEqual(
                    pg.psql("SELECT current_user", as_account=login, db="classroom")[1],
                    login + "\n")
        self.assertEqual(pg.psql("SELECT current_user, rolsuper FROM pg_roles "
                                 "WHERE rolname = current_user")[1], f"{pg.admin}|t\n")

        if root:
            # A child's account signs in as no one else, and not as the administrator.
            for other in (TEACHER, pg.admin):
                r = subprocess.run(["runuser", "-u", CHILD, "--", pg.binary("psql"), "-X",
                                    "-d", pg.conninfo(other), "-c", "SELECT 1"],
                                   capture_output=True, text=True, cwd="/")
                self.assertNotEqual(r.returncode, 0)
                self.assertIn("Peer authentication failed", r.stderr)

        # A child's own SQL comes back refused, with the server's words.
        with self.assertRaises(pgcluster.PsqlError) as refused:
            pg.psql("CREATE DATABASE mine", role=CHILD)
        self.assertIn("permission denied to create database", refused.exception.stderr)

        # No TCP at all: not on the port the socket is named after, not anywhere.
        self.assertEqual(pg.psql("SHOW listen_addresses")[1], "\n")
        for host in ("127.0.0.1", "::1"):
            r = subprocess.run([pg.binary("psql"), "-X", "-d",
                                f"host={host} port={pg.port} user={pg.admin} connect_timeout=5",
                                "-c", "SELECT 1"], capture_output=True, text=True)
            self.assertNotEqual(r.returncode, 0)
            self.assertRegex(r.stderr, "Connection refused|Cannot assign requested address")

        # The server stopped in the middle of a test, and started again on the same socket.
        pg.psql("CREATE TABLE keys (child text, key text); INSERT INTO keys VALUES ('a', 'f')",
                db="classroom")
        pg.stop_server()
        self.assertFalse(pg.running())
        self.assertNotEqual(pg.psql("SELECT 1", role=CHILD, check=False)[0], 0)
        pg.start_server()
        self.assertEqual(pg.psql("SELECT child || key FROM keys", db="classroom")[1], "af\n")
        self.assertEqual(pg.psql("SELECT current_user", role=CHILD)[1], CHILD + "\n")

        # Stopped: no process of the server left, and the folder gone.
        processes = server_processes(pg.postmaster_pid())
        self.assertGreater(len(processes), 1)
        pg.stop()
        self.assertEqual([p for p in processes if alive(p)], [])
        self.assertFalse(os.path.exists(pg.folder))

    def test_the_command_line_starts_once_and_stops(self):
        tool = [sys.executable, pgcluster.__file__]
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        self.addCleanup(subprocess.run, tool + ["stop", "--dir", folder])

        def run(*args):
            return subprocess.run(tool + list(args) + ["--dir", folder],
                                  capture_output=True, text=True, check=True).stdout
        first = dict(line.split("=", 1) for line in run("start").splitlines())
        self.assertEqual(first["socket"], folder)
        again = dict(line.split("=", 1) for line in run("start").splitlines())
        self.assertEqual(first, again)
        run("account", CHILD)
        self.assertEqual(run("psql", "--role", CHILD, "-c", "SELECT current_user"),
                         CHILD + "\n")
        pid = pgcluster.Cluster(folder, detach=True).postmaster_pid()
        run("stop")
        self.assertFalse(alive(pid))

if __name__ == "__main__":
    try:
        pgcluster.find_bindir()
    except pgcluster.NoServer as e:
        print(f"skipped: {e}")
        sys.exit(pgcluster.NO_SERVER)
    unittest.main()
