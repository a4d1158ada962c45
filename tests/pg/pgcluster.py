#!/usr/bin/env python3
"""A private PostgreSQL server for the classroom tests: Debian's server binaries, a cluster
in a folder of its own, reached only through a Unix socket in that folder, with peer
authentication only. Standard library only.

From Python:

    from pgcluster import Cluster
    with Cluster() as pg:                     # a fresh temporary folder; start()ed
        pg.create_database("classroom")
        pg.create_account("anna")             # role "anna"; as root also the OS account
        pg.psql("SELECT current_user", role="anna", db="classroom")    # -> (0, "anna\\n", "")
        pg.psql("SELECT 1", as_account="anna", db="classroom")         # really run as anna
        pg.conninfo("anna", db="classroom")   # host=<folder> port=... dbname=... user=anna
        pg.stop_server(); pg.start_server()   # the same folder and socket; the data kept
    # left: the server stopped, the folder removed (also at exit, on SIGTERM and SIGINT,
    # and by a watchdog if this process is killed outright)

From C++ (or a shell), through the command line; start prints key=value lines (dir,
socket, port, admin, data, log, conninfo) and leaves the server running:

    python3 tests/pg/pgcluster.py start --dir DIR [--watch-pid PID]
    python3 tests/pg/pgcluster.py account --dir DIR LOGIN [--no-os-account]
    python3 tests/pg/pgcluster.py database --dir DIR NAME [--owner ROLE]
    python3 tests/pg/pgcluster.py psql --dir DIR [--role R | --as-account A] [--db D] -c SQL
    python3 tests/pg/pgcluster.py stop --dir DIR [--remove]

start on a folder that holds a cluster starts it again (or does nothing if it runs), so it
is safe to repeat; --watch-pid stops the server when that process ends, however it ends.
Exit status 77 means there are no PostgreSQL server binaries here.

Who signs in as whom: the server runs as an unprivileged account (the system account
tapwell-pg when run as root, which is created if missing; else the current user). Every
connection comes through the socket and is checked by peer authentication with the
user-name map "tapwell": an account made by create_account() signs in as the role of
its own name, and the process that runs the tests (root in CI) may sign in as the
administrator role and as every role the harness made, so a test running as root reaches
a child's or a teacher's role without changing its OS user.
"""

import argparse
import atexit
import fcntl
import glob
import json
import os
import pwd
import re
import select
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SERVER_ACCOUNT = "tapwell-pg"
ADMIN = "tapwell_admin"
MAP = "tapwell"
STATE = "tapwell-cluster.json"
NO_SERVER = 77  # the exit status of the command line when PostgreSQL is missing
ACCOUNT_LOCK = "/tmp/tapwell-pg-accounts.lock"
# Both an OS account name and a PostgreSQL role without surprises.
NAME = re.compile(r"^[a-z_][a-z0-9_-]{0,30}$")
ENV = {"PATH": "/usr/sbin:/usr/bin:/sbin:/bin", "LC_ALL": "C.UTF-8"}


class ClusterError(RuntimeError):
    pass


class NoServer(ClusterError):
    """No PostgreSQL server binaries on this machine."""


class PsqlError(ClusterError):
    def __init__(self, returncode, stdout, stderr):
        super().__init__(f"psql failed ({returncode}): {stderr.strip() or stdout.strip()}")
        self.returncode, self.stdout, self.stderr = returncode, stdout, stderr


def find_bindir():
    """Debian's newest /usr/lib/postgresql/<version>/bin holding initdb, pg_ctl, postgres."""
    found = []
    for d in glob.glob("/usr/lib/postgresql/*/bin"):
        version = os.path.basename(os.path.dirname(d))
        if version.isdigit() and all(os.access(os.path.join(d, b), os.X_OK)
                                     for b in ("initdb", "pg_ctl", "postgres", "psql")):
            found.append((int(version), d))
    if not found:
        raise NoServer("no PostgreSQL server in /usr/lib/postgresql/*/bin "
                       "(apt-get install postgresql)")
    return max(found)[1]


def is_root():
    return os.geteuid() == 0


def me():
    return pwd.getpwuid(os.geteuid()).pw_name


def ensure_os_account(name):
    """The system account name, made if missing (root only); an existing one is reused."""
    check_name(name)
    try:
        return pwd.getpwnam(name)
    except KeyError:
        pass
    if not is_root():
        raise ClusterError(f"the OS account {name} is missing and only root can make it")
    # Tests running side by side may make the same account at once; useradd also refuses
    # while another holds /etc/passwd.
    with open(ACCOUNT_LOCK, "a") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        for _ in range(20):
            try:
                return pwd.getpwnam(name)
            except KeyError:
                pass
            r = subprocess.run(["useradd", "--system", "--no-create-home",
                                "--shell", "/usr/sbin/nologin", name],
                               env=ENV, capture_output=True, text=True)
            if r.returncode == 0:
                return pwd.getpwnam(name)
            time.sleep(0.2)
    raise ClusterError(f"useradd {name} failed: {r.stderr.strip()}")


def check_name(name):
    if not NAME.match(name or ""):
        raise ValueError(f"{name!r} is not a usable account name "
                         "(lower-case letters, digits, _ and -, at most 31)")


def ident(name):
    return '"' + name.replace('"', '""') + '"'


def lit(text):
    return "'" + text.replace("'", "''") + "'"


def conn_value(v):
    v = str(v)
    if v and not re.search(r"[\s'\\]", v):
        return v
    return "'" + v.replace("\\", "\\\\").replace("'", "\\'") + "'"


def free_port():
    # Only names the socket (.s.PGSQL.<port>): nothing listens on TCP. A port no one
    # listens on now, so that a TCP attempt meets nothing at all, not another server.
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def reachable_by_others(path):
    """True when every folder above path lets other accounts through."""
    p = os.path.dirname(os.path.abspath(path))
    while True:
        if not os.stat(p).st_mode & 0o001:
            return False
        if p == "/":
            return True
        p = os.path.dirname(p)


_live = set()
_handlers_installed = False


def _stop_all():
    for c in list(_live):
        try:
            c.stop()
        except Exception as e:  # at exit, say so and go on with the others
            print(f"pgcluster: {e}", file=sys.stderr)


def _on_signal(signum, frame):
    _stop_all()
    signal.signal(signum, _previous.get(signum) or signal.SIG_DFL)
    signal.raise_signal(signum)


_previous = {}


def _install_handlers():
    global _handlers_installed
    if _handlers_installed:
        return
    _handlers_installed = True
    atexit.register(_stop_all)
    for s in (signal.SIGTERM, signal.SIGINT):
        try:
            if signal.getsignal(s) != signal.SIG_IGN:  # an ignored signal stays ignored
                _previous[s] = signal.signal(s, _on_signal)
        except ValueError:  # not the main thread: atexit and the watchdog remain
            pass


class Cluster:
    """A PostgreSQL cluster in folder (a fresh temporary one when None).

    A folder that already holds a cluster made here is taken up again as it is. The
    folder is removed by stop() when it was made here, or when remove is True.
    detach=True leaves the server running when this process ends (the command line)."""

    def __init__(self, folder=None, remove=None, detach=False, timeout=30):
        self.timeout = timeout
        self.detach = detach
        self._watch_w = self._watchdog = None
        self.tester = me()
        self.admin = ADMIN
        state = folder and os.path.join(folder, STATE)
        if state and os.path.exists(state):
            with open(state) as f:
                s = json.load(f)
            self.bindir, self.owner, self.port = s["bindir"], s["owner"], s["port"]
            self.roles = s["roles"]
        else:
            self.bindir = find_bindir()
            self.owner = SERVER_ACCOUNT if is_root() else self.tester
            self.port = free_port()
            self.roles = []
        made = folder is None
        if made:
            folder = tempfile.mkdtemp(prefix="tapwell-pg-")
        self.folder = os.path.abspath(folder)
        self.remove = made if remove is None else remove
        self.data = os.path.join(self.folder, "data")
        self.log = os.path.join(self.folder, "server.log")

    # The socket folder is the cluster's folder.
    @property
    def socket_dir(self):
        return self.folder

    def info(self):
        return {"dir": self.folder, "socket": self.socket_dir, "port": self.port,
                "admin": self.admin, "data": self.data, "log": self.log,
                "conninfo": self.conninfo()}

    # --- the whole cluster -------------------------------------------------------------

    def start(self):
        """Makes the cluster if the folder holds none, and starts its server (waits until
        it takes connections). Nothing happens to a server that runs already."""
        if not self.detach:
            _live.add(self)
            _install_handlers()
            self._start_watchdog()
        if not os.path.exists(os.path.join(self.data, "PG_VERSION")):
            self._init()
        if not self.running():
            self.start_server()
        return self

    def stop(self):
        """Stops the server and, if it is to go, removes the folder."""
        _live.discard(self)
        try:
            if os.path.isdir(self.data):
                self.stop_server()
        finally:
            if self.remove:
                shutil.rmtree(self.folder, ignore_errors=True)
            if self._watch_w is not None:
                os.close(self._watch_w)
                self._watch_w = None
                try:
                    self._watchdog.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    pass

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.stop()

    # --- the server alone, e.g. in the middle of a test --------------------------------

    def running(self):
        return self._owner_run([self.binary("pg_ctl"), "status", "-D", self.data]).returncode == 0

    def start_server(self):
        r = self._owner_run([self.binary("pg_ctl"), "start", "-w", "-t", str(self.timeout),
                             "-D", self.data, "-l", self.log], timeout=self.timeout + 10)
        if r.returncode != 0:
            raise ClusterError(f"the server did not start: {r.stdout}{r.stderr}\n{self.log_tail()}")

    def stop_server(self):
        """Stops the server (fast: the sessions are ended) and waits until it has gone."""
        if not self.running():
            return
        pg_ctl = [self.binary("pg_ctl"), "stop", "-w", "-t", str(self.timeout), "-D", self.data]
        r = self._owner_run(pg_ctl + ["-m", "fast"], timeout=self.timeout + 10)
        if r.returncode != 0 and self.running():
            r = self._owner_run(pg_ctl + ["-m", "immediate"], timeout=self.timeout + 10)
            if r.returncode != 0:
                raise ClusterError(f"the server did not stop: {r.stdout}{r.stderr}")

    def restart(self):
        self.stop_server()
        self.start_server()

    def postmaster_pid(self):
        """The server's main process, or None when it does not run."""
        try:
            with open(os.path.join(self.data, "postmaster.pid")) as f:
                return int(f.readline())
        except (OSError, ValueError):
            return None

    def binary(self, name):
        """The path of one of the server's programs (psql, pg_ctl, ...)."""
        return os.path.join(self.bindir, name)

    def log_tail(self, lines=20):
        try:
            with open(self.log, errors="replace") as f:
                return "".join(f.readlines()[-lines:])
        except OSError:
            return ""

    # --- roles, accounts, databases ----------------------------------------------------

    def create_account(self, login, os_account=True):
        """A LOGIN role login (no password) that signs in by peer: by an OS account of its
        name (made as root when os_account is set, unless it exists) and by the test
        process. An existing role is kept."""
        check_name(login)
        if os_account and is_root():
            ensure_os_account(login)
        self.psql(f"DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = "
                  f"{lit(login)}) THEN CREATE ROLE {ident(login)} LOGIN; END IF; END $$;")
        if login not in self.roles:
            self.roles.append(login)
            self._write_ident()
            self._save()
            self._reload()
        self._wait_until_signable(login)

    def create_database(self, name, owner=None):
        """The database name owned by owner (the administrator when None); kept if it exists."""
        owner = owner or self.admin
        if not self.psql(f"SELECT 1 FROM pg_database WHERE datname = {lit(name)}")[1]:
            self.psql(f"CREATE DATABASE {ident(name)} OWNER {ident(owner)}")

    def conninfo(self, role=None, db="postgres"):
        """The libpq connection string a client of role uses (the administrator when None)."""
        return " ".join(f"{k}={conn_value(v)}" for k, v in (
            ("host", self.socket_dir), ("port", self.port), ("dbname", db),
            ("user", role or self.admin)))

    def psql(self, sql, role=None, as_account=None, db="postgres", check=True, timeout=60):
        """Runs sql through psql, either as this process signed in as role (the
        administrator when None), or run as the OS account as_account, signed in as the
        role of its name. Returns (returncode, stdout, stderr); raises PsqlError on
        failure when check is set."""
        if role and as_account:
            raise ValueError("psql: role or as_account, not both")
        cmd = [self.binary("psql"), "-X", "-q", "-v", "ON_ERROR_STOP=1", "-At",
               "-d", self.conninfo(as_account or role, db), "-f", "-"]
        if as_account and as_account != self.tester:
            if not is_root():
                raise ClusterError(f"only root can run psql as {as_account}")
            cmd = ["runuser", "-u", as_account, "--"] + cmd
        r = subprocess.run(cmd, input=sql, capture_output=True, text=True, env=ENV,
                           cwd=self.folder, timeout=timeout)
        if check and r.returncode != 0:
            raise PsqlError(r.returncode, r.stdout, r.stderr)
        return r.returncode, r.stdout, r.stderr

    # --- inside --------------------------------------------------------------------------

    def _owner_run(self, cmd, timeout=60):
        if is_root():
            cmd = ["runuser", "-u", self.owner, "--"] + cmd
        return subprocess.run(cmd, capture_output=True, text=True, env=ENV, cwd=self.folder,
                              timeout=timeout)

    def _write(self, path, text):
        with open(path, "w") as f:
            f.write(text)
        os.chmod(path, 0o600)
        if is_root():
            a = pwd.getpwnam(self.owner)
            os.chown(path, a.pw_uid, a.pw_gid)

    def _init(self):
        if len(os.path.join(self.socket_dir, f".s.PGSQL.{self.port}")) > 100:
            raise ClusterError(f"{self.folder} is too long a path for the server's socket")
        os.makedirs(self.folder, exist_ok=True)
        os.chmod(self.folder, 0o755)
        if is_root():
            # The server runs as its account, and the children's accounts reach the socket.
            if not reachable_by_others(self.folder):
                raise ClusterError(f"{self.folder}: a folder above it is closed to other "
                                   "accounts, so the server could not reach it (use /tmp)")
            a = ensure_os_account(self.owner)
            os.chown(self.folder, a.pw_uid, a.pw_gid)
        r = self._owner_run([self.binary("initdb"), "-D", self.data, "-U", self.admin,
                             "-E", "UTF8", "--locale=C.UTF-8", "--auth=reject", "--no-sync",
                             "--no-instructions"], timeout=120)
        if r.returncode != 0:
            raise ClusterError(f"initdb failed: {r.stdout}{r.stderr}")
        with open(os.path.join(self.data, "postgresql.conf"), "a") as f:
            f.write(f"""
# The test harness's own settings (tests/pg/pgcluster.py).
listen_addresses = ''
port = {self.port}
unix_socket_directories = '{self.socket_dir}'
unix_socket_permissions = 0777
max_connections = 30
shared_buffers = 16MB
fsync = off
synchronous_commit = off
full_page_writes = off
logging_collector = off
log_line_prefix = '%m [%p] %q%u@%d '
log_connections = on
log_disconnections = on
""")
        self._write(os.path.join(self.data, "pg_hba.conf"),
                    "# Through the socket, by peer with the user-name map; nothing else.\n"
                    f"local all all peer map={MAP}\n"
                    "host all all 0.0.0.0/0 reject\n"
                    "host all all ::/0 reject\n")
        self._write_ident()
        self._save()

    def _write_ident(self):
        lines = ["# MAPNAME OS-ACCOUNT ROLE",
                 f"{MAP} {self.tester} {self.admin}",
                 f"{MAP} {self.owner} {self.admin}"]
        for r in self.roles:
            lines += [f"{MAP} {r} {r}", f"{MAP} {self.tester} {r}"]
        self._write(os.path.join(self.data, "pg_ident.conf"),
                    "\n".join(dict.fromkeys(lines)) + "\n")

    def _save(self):
        with open(os.path.join(self.folder, STATE), "w") as f:
            json.dump({"bindir": self.bindir, "owner": self.owner, "port": self.port,
                       "roles": self.roles}, f)

    def _reload(self):
        if self.running():
            self._owner_run([self.binary("pg_ctl"), "reload", "-D", self.data])

    def _wait_until_signable(self, role):
        # pg_ctl reload only signals the server, which reads the map a moment later.
        if not self.running():
            return
        deadline = time.monotonic() + self.timeout
        while True:
            r = self.psql("SELECT 1", role=role, check=False)
            if r[0] == 0:
                return
            if time.monotonic() > deadline:
                raise PsqlError(*r)
            time.sleep(0.05)

    def _start_watchdog(self):
        # A process of its own session that stops the server once this one has gone, even
        # when it was killed outright (the end of the pipe closes with it).
        if self._watch_w is not None:
            return
        r, self._watch_w = os.pipe()
        cmd = [sys.executable, os.path.abspath(__file__), "_watch", "--dir", self.folder,
               "--fd", str(r)] + (["--remove"] if self.remove else [])
        self._watchdog = subprocess.Popen(cmd, pass_fds=(r,), start_new_session=True, env=ENV,
                                          stdin=subprocess.DEVNULL,
                                          stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL, cwd="/")
        os.close(r)


def start_watch_pid(folder, pid, remove):
    subprocess.Popen([sys.executable, os.path.abspath(__file__), "_watch", "--dir", folder,
                      "--pid", str(pid)] + (["--remove"] if remove else []),
                     start_new_session=True, env=ENV, stdin=subprocess.DEVNULL,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, cwd="/")


def watch(folder, fd=None, pid=None, remove=False):
    while True:
        if fd is not None:
            ready, _, _ = select.select([fd], [], [], 0.5)
            if ready and not os.read(fd, 1):
                break
        else:
            time.sleep(0.5)
        if pid is not None:
            try:
                os.kill(pid, 0)
            except ProcessLookupError:
                break
            except PermissionError:
                pass
    if os.path.exists(os.path.join(folder, STATE)):
        c = Cluster(folder, remove=remove, detach=True)
        c.stop()


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    sub = p.add_subparsers(dest="action", required=True)
    s = sub.add_parser("start", help="make the cluster if need be, start it, print key=value")
    s.add_argument("--dir", required=True)
    s.add_argument("--watch-pid", type=int, help="stop the server when this process ends")
    s = sub.add_parser("stop", help="stop the server")
    s.add_argument("--dir", required=True)
    s.add_argument("--remove", action="store_true", help="and remove the folder")
    s = sub.add_parser("account", help="a role, signable by peer (and as root an OS account)")
    s.add_argument("--dir", required=True)
    s.add_argument("login")
    s.add_argument("--no-os-account", action="store_true")
    s = sub.add_parser("database", help="a database")
    s.add_argument("--dir", required=True)
    s.add_argument("name")
    s.add_argument("--owner")
    s = sub.add_parser("psql", help="run SQL; prints psql's output, exits with its status")
    s.add_argument("--dir", required=True)
    who = s.add_mutually_exclusive_group()
    who.add_argument("--role")
    who.add_argument("--as-account")
    s.add_argument("--db", default="postgres")
    s.add_argument("-c", "--command", dest="sql", required=True)
    s = sub.add_parser("_watch")
    s.add_argument("--dir", required=True)
    s.add_argument("--fd", type=int)
    s.add_argument("--pid", type=int)
    s.add_argument("--remove", action="store_true")
    a = p.parse_args(argv)

    if a.action == "_watch":
        watch(a.dir, a.fd, a.pid, a.remove)
        return 0
    try:
        c = Cluster(a.dir, remove=getattr(a, "remove", False), detach=True)
        if a.action == "start":
            c.start()
            if a.watch_pid:
                start_watch_pid(c.folder, a.watch_pid, False)
            for k, v in c.info().items():
                print(f"{k}={v}")
        elif a.action == "stop":
            c.stop()
        elif a.action == "account":
            c.create_account(a.login, os_account=not a.no_os_account)
        elif a.action == "database":
            c.create_database(a.name, a.owner)
        elif a.action == "psql":
            rc, out, err = c.psql(a.sql, role=a.role, as_account=a.as_account, db=a.db,
                                  check=False)
            sys.stdout.write(out)
            sys.stderr.write(err)
            return rc
    except NoServer as e:
        print(f"pgcluster: {e}", file=sys.stderr)
        return NO_SERVER
    except (ClusterError, ValueError) as e:
        print(f"pgcluster: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
