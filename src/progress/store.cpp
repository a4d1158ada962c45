#include "store.h"
#include "logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <array>
#include <cmath>

namespace tapwell::progress {

// Off unless QT_LOGGING_RULES asks: the parent hears of faults through problem().
namespace {

QVariant value(const std::optional<int>& v) {
    return v ? QVariant(*v) : QVariant();
}
QVariant value(const std::optional<qint64>& v) {
    return v ? QVariant(*v) : QVariant();
}
QVariant value(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant();
}
template <typename T> std::optional<T> optionalOf(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    return v.value<T>();
}

// A line's columns from rows to keyboard, in the record's order, from column `at` on.
void readCounts(const QSqlQuery& q, int at, LineRecord& l) {
    l.rows = q.value(at).toString();
    l.shift = optionalOf<int>(q.value(at + 1));
    l.chars = optionalOf<int>(q.value(at + 2));
    l.right = optionalOf<int>(q.value(at + 3));
    l.wrong = optionalOf<int>(q.value(at + 4));
    l.ms = optionalOf<qint64>(q.value(at + 5));
    l.wpm = optionalOf<double>(q.value(at + 6));
    l.accuracy = optionalOf<double>(q.value(at + 7));
    l.keyboard = q.value(at + 8).toString();
}

QString nowIso() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

// A file up to this size is checked whole at every start (a few milliseconds).
constexpr qint64 kAlwaysCheckedBytes = 1024 * 1024;

// The first sixteen bytes of every SQLite database.
const QByteArray kSqliteMagic("SQLite format 3\0", 16);

// ------------------------------------------------------------------ the schema steps

bool execAll(QSqlDatabase& db, const QStringList& statements) {
    for (const QString& sql : statements) {
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            qCWarning(lcProgress).noquote() << "schema:" << q.lastError().text();
            return false;
        }
    }
    return true;
}

// 0 -> 1: the children, their lines and the lines' keys.
bool createTables(QSqlDatabase& db, const Dialect& d) {
    return execAll(
        db, {QStringLiteral("CREATE TABLE child(id %1, name TEXT NOT NULL UNIQUE, picture TEXT, "
                            "created TEXT)")
                 .arg(d.idColumn()),
             QStringLiteral("CREATE TABLE line(id %1, child_id %2 NOT NULL REFERENCES "
                            "child(id), started TEXT NOT NULL, activity TEXT NOT NULL, rows TEXT, "
                            "shift INTEGER, chars INTEGER, right_keys INTEGER, wrong_keys INTEGER, "
                            "ms INTEGER, wpm REAL, accuracy REAL)")
                 .arg(d.idColumn(), d.idReference()),
             QStringLiteral("CREATE INDEX line_child_started ON line(child_id, started)"),
             QStringLiteral("CREATE TABLE keystroke(line_id %1 NOT NULL REFERENCES line(id), "
                            "seq INTEGER NOT NULL, expected INTEGER NOT NULL, typed INTEGER NOT "
                            "NULL, ms INTEGER NOT NULL, PRIMARY KEY(line_id, seq))%2")
                 .arg(d.idReference(), d.clusteredTable())});
}

// 1 -> 2: the keyboard each child types on (none: the one in use), whether they are asked
// for accents and AltGr, and the keyboard each line was typed on (none in the lines of
// before: the US keyboard, the only one there was).
bool addKeyboards(QSqlDatabase& db, const Dialect&) {
    return execAll(db, {
                           QStringLiteral("ALTER TABLE child ADD COLUMN keyboard TEXT"),
                           QStringLiteral("ALTER TABLE child ADD COLUMN accents INTEGER NOT NULL "
                                          "DEFAULT 0"),
                           QStringLiteral("ALTER TABLE line ADD COLUMN keyboard TEXT"),
                       });
}

// 2 -> 3: the language each child reads (none: the desktop's).
bool addLanguages(QSqlDatabase& db, const Dialect&) {
    return execAll(db, {QStringLiteral("ALTER TABLE child ADD COLUMN language TEXT")});
}

// 3 -> 4: whether Tapwell talks to each child (off until a parent or child ticks it).
bool addTalk(QSqlDatabase& db, const Dialect&) {
    return execAll(
        db, {QStringLiteral("ALTER TABLE child ADD COLUMN talk INTEGER NOT NULL DEFAULT 0")});
}

// 4 -> 5: each line's own name, so that a line sent to a school's server twice (the
// network gone before the answer came) is kept once; and the queue of lines still to go.
// The lines of before have none, and are never sent.
bool addLineNames(QSqlDatabase& db, const Dialect& d) {
    return execAll(db, {QStringLiteral("ALTER TABLE line ADD COLUMN uuid TEXT"),
                        QStringLiteral("CREATE UNIQUE INDEX line_uuid ON line(uuid)"),
                        QStringLiteral("CREATE TABLE unsent(line_id %1 PRIMARY KEY "
                                       "REFERENCES line(id))")
                            .arg(d.idReference())});
}

// One step per version: kSteps[v] brings version v to v + 1. A new version adds its
// step here and raises kSchemaVersion.
using Step = bool (*)(QSqlDatabase&, const Dialect&);
constexpr std::array<Step, kSchemaVersion> kSteps = {createTables, addKeyboards, addLanguages,
                                                     addTalk, addLineNames};

// The tables every version from 1 on has; a file at such a version without them is not
// ours.
const QStringList kOurTables = {QStringLiteral("child"), QStringLiteral("keystroke"),
                                QStringLiteral("line")};

} // namespace

bool migrateStep(const QString& connectionName, int from, Engine engine) {
    if (from < 0 || from >= kSchemaVersion) return false;
    const Dialect d(engine);
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (!db.isOpen()) return false;
    QSqlQuery q(db);
    // The write lock first, then the version again: two Tapwells that open a new record
    // at once both find version 0, and the second must find the first one's work done
    // rather than fail on a table that is there already.
    if (!q.exec(d.beginWrite())) return false;
    const auto rollback = [&] {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (d.server() &&
        !q.exec(QStringLiteral("LOCK TABLE schema_version IN SHARE ROW EXCLUSIVE MODE")))
        return rollback();
    if (!q.exec(d.readVersion()) || !q.next()) return rollback();
    const int now = q.value(0).toInt();
    q.finish();
    if (now > from) return QSqlQuery(db).exec(QStringLiteral("COMMIT")) || rollback();
    if (now != from || !kSteps[static_cast<std::size_t>(from)](db, d) ||
        !q.exec(d.writeVersion(from + 1)) || !q.exec(QStringLiteral("COMMIT")))
        return rollback();
    return true;
}

QString defaultStorePath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir + QStringLiteral("/progress.sqlite");
}

// ------------------------------------------------------------------ opening

namespace {
constexpr std::array<std::pair<Activity, const char*>, 6> kActivityNames = {{
    {Activity::Character, "character"},
    {Activity::Word, "word"},
    {Activity::Timed, "timed"},
    {Activity::Practice, "practice"},
    {Activity::Lesson, "lesson"},
    {Activity::Tricky, "tricky"},
}};
} // namespace

QString activityName(Activity activity) {
    for (const auto& [a, name] : kActivityNames)
        if (a == activity) return QLatin1String(name);
    return {};
}

std::optional<Activity> activityNamed(const QString& name) {
    for (const auto& [a, n] : kActivityNames)
        if (name == QLatin1String(n)) return a;
    return std::nullopt;
}

Store::Store(QString path, QString connectionName, Engine engine)
    : path_(std::move(path)), connection_(std::move(connectionName)), dialect_(engine) {}

Store::~Store() {
    closeConnection();
}

bool Store::fail(StoreFault fault, const QString& detail, const QString& where) {
    problem_ = {fault, where, detail};
    qCWarning(lcProgress).noquote() << path_ << ":" << static_cast<int>(fault) << "-" << detail;
    return false;
}

bool Store::openConnection() {
    QSqlDatabase db = QSqlDatabase::addDatabase(dialect_.driver(), connection_);
    if (dialect_.server()) {
        QString why;
        if (!applyConninfo(db, path_, why)) return fail(StoreFault::CannotOpen, why);
    } else {
        db.setDatabaseName(path_);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_);
        if (readOnly_) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
    }
    if (!db.open()) {
        const QSqlError e = db.lastError();
        damaged_ = dialect_.damaged(e);
        return fail(dialect_.faultFor(e), e.text());
    }
    if (dialect_.server()) startSession(db);
    return true;
}

void Store::closeConnection() {
    if (!QSqlDatabase::contains(connection_)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

bool Store::prepare() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    // A query that fails on a damaged file marks it for moving aside.
    auto run = [&](const QString& sql) {
        if (q.exec(sql)) return true;
        const QSqlError e = q.lastError();
        damaged_ = dialect_.damaged(e);
        return fail(dialect_.faultFor(e), sql + QStringLiteral(": ") + e.text());
    };
    auto single = [&](const QString& sql, QVariant& out) {
        if (!run(sql)) return false;
        out = q.next() ? q.value(0) : QVariant();
        return true;
    };

    QVariant v;
    if (dialect_.server()) {
        // The administrator makes the server's schema (setUp()); a child's Tapwell only
        // checks that it is the one it writes.
        if (!single(QStringLiteral("SELECT to_regclass('schema_version') IS NOT NULL"), v))
            return false;
        if (!v.toBool()) return fail(StoreFault::NotSetUp, QStringLiteral("no schema_version"));
        if (!single(dialect_.readVersion(), v)) return false;
        const int version = v.toInt();
        if (version > kSchemaVersion)
            return fail(StoreFault::NewerVersion, QStringLiteral("schema version %1").arg(version));
        if (version < kSchemaVersion)
            return fail(StoreFault::NotSetUp, QStringLiteral("schema version %1").arg(version));
        return true;
    }
    if (!single(dialect_.readVersion(), v)) return false;
    const int version = v.toInt();
    if (version > kSchemaVersion)
        return fail(StoreFault::NewerVersion, QStringLiteral("schema version %1").arg(version));

    QStringList tables;
    if (!run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                            "LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name")))
        return false;
    while (q.next())
        tables << q.value(0).toString();
    const bool ours = version == 0
                          ? tables.isEmpty()
                          : std::all_of(kOurTables.begin(), kOurTables.end(),
                                        [&](const QString& t) { return tables.contains(t); });
    if (!ours) {
        damaged_ = true;
        return fail(StoreFault::NotOurs,
                    QStringLiteral("tables: ") + tables.join(QLatin1Char(',')));
    }

    // quick_check reads every page: a file cut short or scribbled over shows here rather
    // than as a write that fails while a child types. On a year's record that is some
    // 30 ms of start-up, so it runs while the file is small, and after a session that
    // did not end cleanly (its WAL is still there); otherwise damage shows as the error
    // of a read or write, and writeLine moves the file aside then.
    if (checkWhole_) {
        if (!single(QStringLiteral("PRAGMA quick_check"), v)) return false;
        if (v.toString() != QLatin1String("ok")) {
            damaged_ = true;
            return fail(StoreFault::Damaged, v.toString());
        }
    }

    if (!readOnly_) {
        // WAL: a write in progress when the program is killed is simply not there on the
        // next start; the file itself stays whole. NORMAL is safe with WAL.
        if (!single(QStringLiteral("PRAGMA journal_mode = WAL"), v)) return false;
        if (!run(QStringLiteral("PRAGMA synchronous = NORMAL"))) return false;
    }
    if (!run(QStringLiteral("PRAGMA foreign_keys = ON"))) return false;

    for (int from = version; from < kSchemaVersion; ++from) {
        if (!migrateStep(connection_, from)) {
            const QSqlError e = db.lastError();
            damaged_ = dialect_.damaged(e);
            return fail(e.isValid() ? dialect_.faultFor(e) : StoreFault::CannotUpdate,
                        QStringLiteral("migration from version %1: %2").arg(from).arg(e.text()));
        }
    }
    return true;
}

bool Store::moveAside() {
    const QFileInfo info(path_);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHHmmss"));
    const QString base = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                         QStringLiteral(".damaged-") + stamp;
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString target = base + suffix;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo::exists(target + QStringLiteral("-wal"));
         ++n)
        target = base + QStringLiteral("-%1").arg(n) + suffix;
    // QFile::rename never replaces a file: nothing is overwritten.
    if (!QFile::rename(path_, target)) {
        usable_ = false;
        return fail(StoreFault::CannotMoveAside, target);
    }
    for (const char* side : {"-wal", "-shm"}) {
        const QString from = path_ + QLatin1String(side);
        if (QFileInfo::exists(from)) QFile::rename(from, target + QLatin1String(side));
    }
    movedAside_ = target;
    qCWarning(lcProgress).noquote() << "moved the damaged" << path_ << "to" << target;
    return true;
}

bool Store::open() {
    closeConnection();
    usable_ = false;
    damaged_ = false;
    problem_ = {};
    movedAside_.clear();
    if (dialect_.server()) {
        // Nothing of the server's is ever moved aside or made anew here.
        usable_ = openConnection() && prepare();
        if (!usable_) closeConnection();
        return usable_;
    }

    const QFileInfo info(path_);
    if (info.isDir()) return fail(StoreFault::PathIsFolder, QStringLiteral("a folder"), path_);
    // A child's name and typing are for their own account alone: a folder made here is
    // the user's only, and so is a new record (SQLite gives its -wal and -shm files the
    // record's own permissions).
    const bool newFolder = !info.absoluteDir().exists();
    if (!QDir().mkpath(info.absolutePath()))
        return fail(StoreFault::CannotMakeFolder, QStringLiteral("mkpath"), info.absolutePath());
    if (newFolder)
        QFile::setPermissions(info.absolutePath(), QFileDevice::ReadOwner |
                                                       QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner);
    if (!info.exists() && !readOnly_) {
        QFile fresh(path_);
        if (fresh.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            fresh.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    // A file that is not SQLite at all; an empty one is a record not yet begun.
    if (info.exists() && info.size() > 0) {
        QFile f(path_);
        if (f.open(QIODevice::ReadOnly) && f.read(kSqliteMagic.size()) != kSqliteMagic) {
            damaged_ = true;
            fail(StoreFault::NotOurs, QStringLiteral("no SQLite header"));
        }
    }

    // Two Tapwells started together on a record that does not exist yet would both make
    // its tables, and both switch it to WAL while the other reads it the old way (SQLite
    // then answers "locked" without waiting). Opening is one at a time: the other waits
    // here until the first has the record made, and then finds it ready. A lock left by
    // a program that was killed is taken over.
    QLockFile opening(path_ + QStringLiteral(".lock"));
    if (!readOnly_) opening.tryLock(2 * busyTimeoutMs_);

    // Looked at before the connection opens: opening a WAL database makes its WAL file.
    // A reader does not look: it moves nothing aside, and what it cannot read it leaves.
    checkWhole_ = !readOnly_ && (info.size() <= kAlwaysCheckedBytes ||
                                 QFileInfo::exists(path_ + QStringLiteral("-wal")));
    if (!damaged_ && openConnection() && prepare()) {
        usable_ = true;
        return true;
    }
    closeConnection();
    if (!damaged_ || readOnly_) return false;

    if (!moveAside()) return false;
    damaged_ = false;
    checkWhole_ = true;
    problem_ = {};
    if (openConnection() && prepare()) {
        usable_ = true;
        return true;
    }
    closeConnection();
    return false;
}

bool Store::setUp() {
    if (!dialect_.server()) return open(); // a file is made and brought up to date on open
    if (usable_) return true;
    problem_ = {};
    if (!QSqlDatabase::contains(connection_) && !openConnection()) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    // The version's table first, with its one row; two administrators at once both
    // find it made.
    if (!q.exec(QStringLiteral("BEGIN")) ||
        !q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version(version INTEGER NOT "
                               "NULL)")) ||
        !q.exec(QStringLiteral("LOCK TABLE schema_version IN SHARE ROW EXCLUSIVE MODE")) ||
        !q.exec(QStringLiteral("INSERT INTO schema_version SELECT 0 WHERE NOT EXISTS (SELECT 1 "
                               "FROM schema_version)")) ||
        !q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError e = q.lastError();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return fail(dialect_.faultFor(e), e.text());
    }
    if (!q.exec(dialect_.readVersion()) || !q.next())
        return fail(dialect_.faultFor(q.lastError()), q.lastError().text());
    const int version = q.value(0).toInt();
    q.finish();
    if (version > kSchemaVersion)
        return fail(StoreFault::NewerVersion, QStringLiteral("schema version %1").arg(version));
    for (int from = version; from < kSchemaVersion; ++from)
        if (!migrateStep(connection_, from, Engine::PostgreSQL))
            return fail(StoreFault::CannotUpdate, QStringLiteral("migration from version %1: %2")
                                                      .arg(from)
                                                      .arg(db.lastError().text()));
    usable_ = true;
    return true;
}

// ------------------------------------------------------------------ children

QList<Child> Store::children() {
    QList<Child> out;
    if (!usable_) return out;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    // A name longer than any Tapwell keeps is a file someone made: that child is left out.
    if (!q.exec(
            QStringLiteral("SELECT id, name, CASE WHEN length(picture) <= 32 THEN picture "
                           "END, CASE WHEN length(created) <= 64 THEN created END, "
                           "CASE WHEN length(keyboard) <= 100 THEN keyboard END, accents, "
                           "CASE WHEN length(language) <= 16 THEN language END, talk FROM child "
                           "WHERE length(name) <= 200 ORDER BY id")))
        return out;
    while (q.next())
        out.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                    q.value(3).toString(), q.value(4).toString(), q.value(5).toInt() != 0,
                    q.value(6).toString(), q.value(7).toInt() != 0});
    return out;
}

std::optional<qint64> Store::addChild(const QString& name, const QString& picture) {
    if (!usable_) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(
        QStringLiteral("INSERT INTO child(name, picture, created) VALUES(?, ?, ?) RETURNING id"));
    q.addBindValue(name);
    q.addBindValue(picture);
    q.addBindValue(nowIso());
    if (!q.exec() || !q.next()) {
        // A name already taken is the caller's to say, not a fault of the file.
        if (!dialect_.duplicate(q.lastError()))
            fail(dialect_.faultFor(q.lastError()), q.lastError().text());
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}

std::optional<qint64> Store::childId(const QString& name) {
    if (!usable_) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT id FROM child WHERE name = ?"));
    q.addBindValue(name);
    if (!q.exec() || !q.next()) return std::nullopt;
    return q.value(0).toLongLong();
}

std::optional<qint64> Store::childNamed(const QString& name) {
    if (!usable_) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("INSERT INTO child(name, picture, created) VALUES(?, '', ?) "
                             "ON CONFLICT (name) DO NOTHING"));
    q.addBindValue(name);
    q.addBindValue(nowIso());
    if (!q.exec()) {
        fail(dialect_.faultFor(q.lastError()), q.lastError().text());
        return std::nullopt;
    }
    q.prepare(QStringLiteral("SELECT id FROM child WHERE name = ?"));
    q.addBindValue(name);
    if (!q.exec() || !q.next()) {
        fail(dialect_.faultFor(q.lastError()), q.lastError().text());
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}

bool Store::changeChild(qint64 id, const QString& name, const QString& picture) {
    if (!usable_) return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("UPDATE child SET name = ?, picture = ? WHERE id = ?"));
    q.addBindValue(name);
    q.addBindValue(picture);
    q.addBindValue(id);
    return q.exec() && q.numRowsAffected() == 1;
}

bool Store::setKeyboard(qint64 id, const QString& keyboard, bool accents) {
    if (!usable_) return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("UPDATE child SET keyboard = ?, accents = ? WHERE id = ?"));
    q.addBindValue(keyboard.isEmpty() ? QVariant() : QVariant(keyboard));
    q.addBindValue(accents ? 1 : 0);
    q.addBindValue(id);
    return q.exec() && q.numRowsAffected() == 1;
}

bool Store::setLanguage(qint64 id, const QString& language) {
    if (!usable_) return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("UPDATE child SET language = ? WHERE id = ?"));
    q.addBindValue(language.isEmpty() ? QVariant() : QVariant(language));
    q.addBindValue(id);
    return q.exec() && q.numRowsAffected() == 1;
}

bool Store::setTalk(qint64 id, bool talk) {
    if (!usable_) return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("UPDATE child SET talk = ? WHERE id = ?"));
    q.addBindValue(talk ? 1 : 0);
    q.addBindValue(id);
    return q.exec() && q.numRowsAffected() == 1;
}

bool Store::removeChild(qint64 id) {
    if (!usable_) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) return false;
    QSqlQuery q(db);
    bool ok = true;
    for (const char* sql :
         {"DELETE FROM keystroke WHERE line_id IN "
          "(SELECT id FROM line WHERE child_id = ?)",
          "DELETE FROM line WHERE child_id = ?", "DELETE FROM child WHERE id = ?"}) {
        ok = ok && q.prepare(QString::fromLatin1(sql));
        q.addBindValue(id);
        ok = ok && q.exec();
    }
    const bool removed = ok && q.numRowsAffected() == 1;
    if (!removed || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

// ------------------------------------------------------------------ lines

std::optional<qint64> Store::writeLine(qint64 childId, const LineRecord& line) {
    const std::optional<qint64> id = insertLine(childId, line);
    if (id || !damaged_) return id;
    // Damage found while writing: the file is moved aside, a fresh one started, and the
    // line goes there. The child's name and picture come along; the lines stay in the
    // damaged file, for whoever can mend it.
    const QList<Child> known = children();
    closeConnection();
    usable_ = false;
    if (!moveAside() || !openConnection() || !prepare()) {
        closeConnection();
        return std::nullopt;
    }
    usable_ = true;
    damaged_ = false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("INSERT INTO child(id, name, picture, created) VALUES(?, ?, ?, ?)"));
    for (const Child& c : known) {
        q.addBindValue(c.id);
        q.addBindValue(c.name);
        q.addBindValue(c.picture);
        q.addBindValue(c.created);
        q.exec();
    }
    return insertLine(childId, line);
}

std::optional<qint64> Store::insertLine(qint64 childId, const LineRecord& line) {
    if (!usable_) return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    // A server that went away closed the connection under us.
    if (!db.isOpen()) {
        fail(dialect_.server() ? StoreFault::ServerAway : StoreFault::Unusable,
             QStringLiteral("the connection was closed"));
        return std::nullopt;
    }
    QSqlQuery q(db);
    auto failed = [&](const QSqlError& e) -> std::optional<qint64> {
        if (db.isOpen()) QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        damaged_ = dialect_.damaged(e);
        fail(dialect_.faultFor(e), e.text());
        return std::nullopt;
    };
    // IMMEDIATE takes the write lock at once, waiting out another window's write by the
    // busy timeout, rather than failing half way through.
    if (!q.exec(dialect_.beginWrite())) return failed(q.lastError());

    // A line this record has already (sent again after an answer that was lost) is
    // left as it is.
    q.prepare(QStringLiteral(
        "INSERT INTO line(child_id, started, activity, rows, shift, chars, right_keys, "
        "wrong_keys, ms, wpm, accuracy, keyboard, uuid) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?) ON CONFLICT (uuid) DO NOTHING RETURNING id"));
    q.addBindValue(childId);
    q.addBindValue(line.started);
    q.addBindValue(activityName(line.activity));
    q.addBindValue(line.rows.isNull() ? QVariant() : QVariant(line.rows));
    q.addBindValue(value(line.shift));
    q.addBindValue(value(line.chars));
    q.addBindValue(value(line.right));
    q.addBindValue(value(line.wrong));
    q.addBindValue(value(line.ms));
    q.addBindValue(value(line.wpm));
    q.addBindValue(value(line.accuracy));
    q.addBindValue(line.keyboard.isEmpty() ? QVariant() : QVariant(line.keyboard));
    q.addBindValue(line.uuid.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces)
                                       : line.uuid);
    if (!q.exec()) return failed(q.lastError());
    if (!q.next()) {
        q.finish();
        if (!q.exec(QStringLiteral("COMMIT"))) return failed(q.lastError());
        problem_ = {};
        return std::nullopt;
    }
    const qint64 id = q.value(0).toLongLong();
    q.finish();

    QSqlQuery k(db);
    k.prepare(QStringLiteral(
        "INSERT INTO keystroke(line_id, seq, expected, typed, ms) VALUES(?, ?, ?, ?, ?)"));
    int seq = 0;
    for (const KeyRecord& key : line.keys) {
        k.bindValue(0, id);
        k.bindValue(1, ++seq);
        k.bindValue(2, key.expected);
        k.bindValue(3, key.typed);
        k.bindValue(4, key.ms);
        if (!k.exec()) return failed(k.lastError());
    }
    if (queue_) {
        k.prepare(QStringLiteral("INSERT INTO unsent(line_id) VALUES(?)"));
        k.addBindValue(id);
        if (!k.exec()) return failed(k.lastError());
    }
    if (!q.exec(QStringLiteral("COMMIT"))) return failed(q.lastError());
    problem_ = {};
    return id;
}

std::vector<std::pair<qint64, LineRecord>> Store::unsentLines(int most) {
    std::vector<std::pair<qint64, LineRecord>> out;
    if (!usable_) return out;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT line.id, started, activity, rows, shift, chars, right_keys, wrong_keys, ms, wpm, "
        "accuracy, coalesce(keyboard, ''), uuid FROM unsent JOIN line ON line.id = "
        "unsent.line_id ORDER BY line.id LIMIT ?"));
    q.addBindValue(most);
    if (!q.exec()) return out;
    while (q.next()) {
        LineRecord l;
        l.started = q.value(1).toString();
        l.activity = activityNamed(q.value(2).toString()).value_or(Activity::Character);
        readCounts(q, 3, l);
        l.uuid = q.value(12).toString();
        out.emplace_back(q.value(0).toLongLong(), std::move(l));
    }
    q.finish();
    for (auto& [id, line] : out)
        line.keys = keys(id);
    return out;
}

int Store::unsentCount() {
    if (!usable_) return 0;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    return q.exec(QStringLiteral("SELECT count(*) FROM unsent")) && q.next() ? q.value(0).toInt()
                                                                             : 0;
}

bool Store::markSent(qint64 lineId) {
    if (!usable_) return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("DELETE FROM unsent WHERE line_id = ?"));
    q.addBindValue(lineId);
    if (q.exec()) return true;
    fail(dialect_.faultFor(q.lastError()), q.lastError().text());
    return false;
}

QString Store::lastStarted(qint64 childId) {
    if (!usable_) return {};
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.prepare(QStringLiteral("SELECT max(started) FROM line WHERE child_id = ?"));
    q.addBindValue(childId);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

bool Store::teaches() {
    if (!usable_ || !dialect_.server()) return false;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    return q.exec(
               QStringLiteral("SELECT pg_has_role(session_user, 'tapwell_teacher', 'MEMBER')")) &&
           q.next() && q.value(0).toBool();
}

std::vector<Store::StoredLine> Store::lines(qint64 childId, qint64 afterLineId,
                                            const QString& since) {
    std::vector<StoredLine> out;
    if (!usable_) return out;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
                  "SELECT line.id, child_id, child.name, started, activity, rows, shift, chars, "
                  "right_keys, wrong_keys, ms, wpm, accuracy, "
                  "CASE WHEN length(line.keyboard) <= 100 THEN line.keyboard END "
                  "FROM line JOIN child ON child.id = child_id WHERE %1 AND line.id > ? AND "
                  "started >= ? AND "
                  "length(started) <= 64 "
                  "AND length(activity) <= 16 AND coalesce(length(rows), 0) <= 64 "
                  "AND length(child.name) <= 200 ORDER BY %2")
                  // One child's lines come in the order of their index, unsorted.
                  .arg(childId == 0 ? QStringLiteral("1 = 1") : QStringLiteral("child_id = ?"),
                       childId == 0 ? QStringLiteral("started, line.id")
                                    : QStringLiteral("child_id, started, line.id")));
    if (childId != 0) q.addBindValue(childId);
    q.addBindValue(afterLineId);
    // Every time the record keeps starts with a digit: "0" lets them all through.
    q.addBindValue(since.isEmpty() ? QStringLiteral("0") : since);
    if (!q.exec()) return out;
    while (q.next()) {
        StoredLine s;
        s.id = q.value(0).toLongLong();
        s.childId = q.value(1).toLongLong();
        s.childName = q.value(2).toString();
        LineRecord& l = s.line;
        l.started = q.value(3).toString();
        const std::optional<Activity> activity = activityNamed(q.value(4).toString());
        if (!activity) {
            // A row someone wrote by hand, or a newer Tapwell's: left out of what is read.
            qCDebug(lcProgress).noquote() << "line" << q.value(0).toLongLong()
                                          << "of an unknown activity:" << q.value(4).toString();
            continue;
        }
        l.activity = *activity;
        readCounts(q, 5, l);
        // No child types faster than this, and accuracy is a percentage: a row beyond them
        // (or not a number at all) is not one Tapwell wrote, and is left out.
        const bool sane =
            (!l.wpm || (std::isfinite(*l.wpm) && *l.wpm >= 0 && *l.wpm <= kMostWpm)) &&
            (!l.accuracy ||
             (std::isfinite(*l.accuracy) && *l.accuracy >= 0 && *l.accuracy <= 100)) &&
            (!l.ms || *l.ms >= 0);
        if (!sane) continue;
        out.push_back(std::move(s));
    }
    return out;
}

std::vector<Store::RecentKey> Store::recentKeys(qint64 childId, int maxLines, qint64 afterLineId) {
    std::vector<RecentKey> out;
    if (!usable_) return out;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    // The lines newest first, then each line's keys by its own key, last first: a year's
    // keys read this way need no sort, which takes three times as long.
    QSqlQuery lineQuery(db);
    lineQuery.setForwardOnly(true);
    lineQuery.prepare(
        QStringLiteral("SELECT id, started, coalesce(keyboard, '') FROM line WHERE child_id = ? "
                       "AND id > ? AND length(started) <= 64 ORDER BY started DESC, id DESC "
                       "LIMIT ?"));
    lineQuery.addBindValue(childId);
    lineQuery.addBindValue(afterLineId);
    lineQuery.addBindValue(maxLines);
    if (!lineQuery.exec()) return out;
    struct Recent {
        qint64 id;
        QString started;
        std::uint32_t keyboard;
    };
    std::vector<Recent> recent;
    while (lineQuery.next())
        recent.push_back({lineQuery.value(0).toLongLong(), lineQuery.value(1).toString(),
                          keyboardTag(lineQuery.value(2).toString())});
    lineQuery.finish();

    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT expected, typed FROM keystroke WHERE line_id = ? AND "
                             "seq <= ? ORDER BY seq DESC"));
    for (const auto& [id, started, keyboard] : recent) {
        q.bindValue(0, id);
        q.bindValue(1, kMostKeysPerLine);
        if (!q.exec()) return out;
        while (q.next() && out.size() < static_cast<std::size_t>(kMostRecentKeys))
            out.push_back({q.value(0).toInt(), q.value(1).toInt(), started, id, keyboard});
        if (out.size() >= static_cast<std::size_t>(kMostRecentKeys)) break;
    }
    return out;
}

std::vector<Store::RecentKey> Store::keysSince(qint64 childId, const QString& since) {
    std::vector<RecentKey> out;
    if (!usable_) return out;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT expected, typed, started, line.id, coalesce(keyboard, '') FROM line JOIN "
        "keystroke ON keystroke.line_id = line.id WHERE child_id = ? AND started >= ? AND seq <= ? "
        "AND length(started) <= 64 ORDER BY started DESC, line.id DESC, seq DESC"));
    q.addBindValue(childId);
    q.addBindValue(since);
    q.addBindValue(kMostKeysPerLine);
    if (!q.exec()) return out;
    while (q.next() && out.size() < static_cast<std::size_t>(kMostRecentKeys))
        out.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(),
                       q.value(3).toLongLong(), keyboardTag(q.value(4).toString())});
    return out;
}

Store::Reading Store::readSince(qint64 childId, qint64 afterLineId) {
    Reading out;
    if (!usable_) return out;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    // One read transaction: the reads below see the record as it was at its first.
    const bool together = QSqlQuery(db).exec(QStringLiteral("BEGIN"));
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT max(id) FROM line WHERE child_id = ?"));
        q.addBindValue(childId);
        if (q.exec() && q.next()) out.newestLineId = q.value(0).toLongLong();
    }
    if (out.newestLineId > afterLineId) {
        out.lines = lines(childId, afterLineId);
        out.keys = recentKeys(childId, kRecentLines, afterLineId);
    }
    if (together) QSqlQuery(db).exec(QStringLiteral("COMMIT"));
    return out;
}

std::vector<KeyRecord> Store::keys(qint64 lineId) {
    std::vector<KeyRecord> out;
    if (!usable_) return out;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT expected, typed, ms FROM keystroke WHERE line_id = ? AND seq <= ? "
                       "ORDER BY seq"));
    q.addBindValue(lineId);
    q.addBindValue(kMostKeysPerLine);
    if (!q.exec()) return out;
    while (q.next())
        out.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toLongLong()});
    return out;
}

} // namespace tapwell::progress
