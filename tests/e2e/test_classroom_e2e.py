"""A classroom on one PostgreSQL server: two children, each signed in as their own
account, type a line through the X server; the server keeps both lines, each child's
under their name, and the teacher's export holds both. The server is a private one
(../pg/pgcluster.py); the accounts are made by it, and tapwell runs as each of them."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "pg"))
import pgcluster  # noqa: E402
from tapwell_e2e import Layout, Session, ok_shown, type_line_by_guide, wait_until  # noqa: E402

CHILDREN = ("tapwell-child", "tapwell-child2")
TEACHER = "tapwell-teacher"


def tapwell(*args, account=None, env=None):
    binary = os.environ["TAPWELL_BINARY"]
    command = [binary, *args] if not account else ["runuser", "-u", account, "--", binary, *args]
    return subprocess.run(command, capture_output=True, text=True, timeout=60, env=env)


@unittest.skipUnless(os.geteuid() == 0, "the children's accounts need root to be made")
class Classroom(unittest.TestCase):
    def test_two_children_type_on_one_server_and_the_teacher_exports_both(self):
        pg = pgcluster.Cluster().start()
        self.addCleanup(pg.stop)
        pg.create_database("tapwell")
        for login in CHILDREN + (TEACHER,):
            pg.create_account(login)
        admin = pg.conninfo(db="tapwell")
        for args in (["--setup-server"], ["--class", "3B", "--teacher", TEACHER],
                     ["--class", "3B", "--child", CHILDREN[0]],
                     ["--class", "3B", "--child", CHILDREN[1]]):
            r = tapwell(*args, "--server", admin)
            self.assertEqual((r.returncode, r.stderr), (0, ""), args)

        # The lab's configuration: the server by its socket, each account by peer.
        conf = tempfile.mkdtemp(prefix="tapwell-classroom-conf-")
        self.addCleanup(shutil.rmtree, conf, True)
        os.chmod(conf, 0o755)
        os.makedirs(os.path.join(conf, "tapwell"), mode=0o755)
        server = " ".join(p for p in admin.split() if not p.startswith("user="))
        with open(os.path.join(conf, "tapwell", "tapwell.conf"), "w") as f:
            f.write("[record]\nserver=%s\n" % server)
        os.chmod(os.path.join(conf, "tapwell", "tapwell.conf"), 0o644)

        def lines_of(login):
            return pg.psql("SELECT count(*) FROM line JOIN child ON child.id = child_id "
                           "WHERE child.name = '%s'" % login, db="tapwell")[1].strip()

        for login in CHILDREN:
            with Session(settings="1,0,0,0,0,0\r\n", name=self.id() + "." + login,
                         account=login, config_dirs=conf) as s:
                s.wait_log("classroom: typing as " + login, 20)
                s.click_about_ok()
                s.click(Layout.menu_button(2))
                wait_until(lambda: ok_shown(s), 10, "the drill's OK")
                s.click(Layout.ok_button())
                typed = type_line_by_guide(s)
                self.assertEqual(typed[-1][0], "\n")
                # On the server within seconds, under the child's own name.
                wait_until(lambda: lines_of(login) == "1", 15, "%s's line on the server" % login)

        # The teacher, signed in as themselves, exports the class.
        private = tempfile.mkdtemp(prefix="tapwell-teacher-")
        self.addCleanup(shutil.rmtree, private, True)
        os.chmod(private, 0o755)
        for f in ("tapwell", "libtapwell-private.so"):
            shutil.copy2(os.path.join(os.path.dirname(os.environ["TAPWELL_BINARY"]), f), private)
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "XDG_CONFIG_DIRS": conf,
               "LD_LIBRARY_PATH": private, "HOME": private, "LANG": "C.UTF-8",
               "ASAN_OPTIONS": "detect_leaks=0"}
        r = subprocess.run(["runuser", "-u", TEACHER, "--", os.path.join(private, "tapwell"),
                            "--export-progress", "-"], capture_output=True, text=True,
                           timeout=60, env=env)
        self.assertEqual((r.returncode, r.stderr), (0, ""))
        rows = r.stdout.strip().splitlines()
        self.assertEqual(len(rows), 3, r.stdout)  # the header and one line of each child
        for login in CHILDREN:
            self.assertEqual(sum(row.startswith(login + ",") for row in rows[1:]), 1, r.stdout)


if __name__ == "__main__":
    try:
        pgcluster.find_bindir()
    except pgcluster.NoServer:
        sys.exit(77)
    unittest.main()
