// The progress record: one SQLite file per account (progress.sqlite in the user's data
// folder) holding each child, every finished line, run, practice finger and lesson
// practice, and every judged key of them. One connection, owned here; WAL journal,
// foreign keys on, a busy timeout so two Tapwell windows on one account share the file.
// The same tables, with the same statements, live on a school's PostgreSQL server (see
// engine.h for what differs, classroom.h for the server's classes and rights); there the
// schema is the administrator's to make (setUp()), and a child's Tapwell only checks it.
//
// The tables, their names and columns, are an interface parents, teachers and tests
// may query; keep them:
//   child(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, picture TEXT, created TEXT)
//   line(id INTEGER PRIMARY KEY, child_id INTEGER NOT NULL REFERENCES child(id),
//        started TEXT NOT NULL, activity TEXT NOT NULL, rows TEXT, shift INTEGER,
//        chars INTEGER, right_keys INTEGER, wrong_keys INTEGER, ms INTEGER, wpm REAL,
//        accuracy REAL)
//   keystroke(line_id INTEGER NOT NULL REFERENCES line(id), seq INTEGER NOT NULL,
//             expected INTEGER NOT NULL, typed INTEGER NOT NULL, ms INTEGER NOT NULL)
//   line.uuid TEXT UNIQUE: each line's own name, the same on this computer and the server,
//        so a line sent twice is kept once
//   unsent(line_id PRIMARY KEY REFERENCES line(id)): the lines still to go to the server
// keystroke is a WITHOUT ROWID table keyed by (line_id, seq): that key is the index a line's
// keys are read by, and a year of keys takes half the room a rowid table and a separate
// index would.
// The schema's version is PRAGMA user_version (on the server, the schema_version table);
// each step up has its own migration, the same on both engines.
//
// wpm and accuracy are stored as the results show them: whole numbers, halves rounded
// away from zero ("61 words per minute", "97% accuracy"), so a parent reading the record
// sees the numbers the child saw.
//
// A file that cannot be used never stops a child from typing: the store says what went
// wrong (problem(), which the windows put in words for a parent) and every write then
// does nothing. A damaged or foreign file
// is never deleted or overwritten: it is moved aside with the date in its name and a
// fresh record is started.
#pragma once

#include "core/events.h"
#include "engine.h"

#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tapwell::progress {

inline constexpr int kSchemaVersion = 5;

// What is read from a record is bounded, so a file made to be huge cannot freeze a
// window: the keys of a line beyond these (a lesson's practice has a few hundred), and a
// speed beyond any child's.
inline constexpr int kMostKeysPerLine = 10000;
inline constexpr int kMostRecentKeys = 1000000; // two years of daily practice
inline constexpr double kMostWpm = 1000;
// The lines whose keys the statistics read: about three months of daily practice.
inline constexpr int kRecentLines = 5000;

// What kept the record from being used or written.
enum class StoreFault {
    None,
    DiskFull,
    Busy,     // another program holds the file
    ReadOnly, // the file cannot be written to
    CannotOpen,
    WriteFailed, // an input/output error: the disk may be full or failing
    Damaged,
    Unusable,         // any other error of the database
    NewerVersion,     // made by a newer Tapwell; kept as it is
    NotOurs,          // not one of Tapwell's files
    CannotMoveAside,  // damaged, and cannot be moved out of the way
    CannotUpdate,     // its schema could not be brought up to date
    PathIsFolder,     // `where` is a folder
    CannotMakeFolder, // the folder `where` cannot be made
    ServerAway,       // the school's server cannot be reached
    NoRight,          // the server refused: this account has no right to do it
    NotSetUp,         // the server has no record yet, or an older one: --setup-server
};

struct StoreProblem {
    StoreFault fault = StoreFault::None;
    QString where;  // the path the fault is about, where it names one
    QString detail; // for diagnostics: the database's own words
    bool isEmpty() const { return fault == StoreFault::None; }
};

// A keyboard layout's name ("de"; empty for US) as a small tag a key carries in memory
// (a year's keys are half a million): 0 for US, the same tag for the same name.
inline std::uint32_t keyboardTag(const QString& name) {
    return name.isEmpty() ? 0 : static_cast<std::uint32_t>(qHash(name, 0)) | 1u;
}

// Each activity's name in the record's activity column: "character", "word", "timed",
// "practice", "lesson", "tricky". The one place the names are written.
QString activityName(Activity activity);
// The activity of a name in the record; none for a name that is not one of ours.
std::optional<Activity> activityNamed(const QString& name);

struct Child {
    qint64 id = 0;
    QString name;
    QString picture; // the name of one of our child pictures ("fox", "owl"...)
    QString created; // ISO 8601 UTC
    // The keyboard layout they type on, as XKB names it ("de", "us(dvorak)"); empty for
    // the keyboard in use.
    QString keyboard;
    bool accents = false; // asked for what needs a dead key or AltGr
    QString language{};   // the language they read ("de", "pt_BR"); empty: the desktop's
    bool talk = false;    // Tapwell says aloud what to do
};

struct KeyRecord {
    int expected = 0;
    int typed = 0;
    qint64 ms = 0; // since the line's previous key; the first since the line was ready
};

// One finished Character or Word Drill line, Timed Drill run, Keyboard Practice finger,
// lesson practice (or Tricky Keys line), with its keys.
struct LineRecord {
    QString started; // ISO 8601 UTC, e.g. "2026-12-08T09:15:02.250Z"
    Activity activity = Activity::Character;
    QString rows; // the rows as words, "home,top"
    std::optional<int> shift;
    std::optional<int> chars;
    std::optional<int> right;
    std::optional<int> wrong;
    std::optional<qint64> ms;       // after the allowance
    std::optional<double> wpm;      // as the result showed it; none where none is shown
    std::optional<double> accuracy; // 0..100, likewise
    QString keyboard;               // the layout typed on ("de"); empty: the US keyboard
    QString uuid;                   // made when the line is first written
    std::vector<KeyRecord> keys;
};

class Store {
public:
    // path: the database file (on the server: a libpq connection string); connectionName:
    // unique per Store in the process.
    explicit Store(QString path, QString connectionName = QStringLiteral("tapwell.progress"),
                   Engine engine = Engine::SQLite);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Opens the file, creating it and its folder when missing, and brings its schema up
    // to date. A damaged or foreign file is moved aside ("progress.damaged-2026-12-08
    // T091502.sqlite") and a fresh one made. False when no record can be kept at all;
    // problem() then says why.
    bool open();
    // The server's schema made or brought up to date (an administrator's connection),
    // after open() found it missing or older. Idempotent.
    bool setUp();
    const Dialect& dialect() const { return dialect_; }
    // Each line written is also queued in unsent, for the server.
    void setQueueForServer(bool queue) { queue_ = queue; }
    // How long a write waits for another Tapwell window that is writing (5 s unless set
    // before open()).
    void setBusyTimeout(int ms) { busyTimeoutMs_ = ms; }
    // Opens the file for reading only (a viewer of the record); every write then fails
    // as on a read-only file. Set before open().
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool usable() const { return usable_; }
    // Why progress is not being saved; empty when all is well. Set by open() and by the
    // first write that fails.
    const StoreProblem& problem() const { return problem_; }
    // Where a damaged file was moved, when open() moved one.
    QString movedAside() const { return movedAside_; }
    QString path() const { return path_; }

    QList<Child> children();
    std::optional<qint64> addChild(const QString& name, const QString& picture);
    // A child's new name and picture, together.
    bool changeChild(qint64 id, const QString& name, const QString& picture);
    // The keyboard a child types on (empty: the one in use) and whether they are asked
    // for accents and AltGr.
    bool setKeyboard(qint64 id, const QString& keyboard, bool accents);
    // The language a child reads: empty for the desktop's.
    bool setLanguage(qint64 id, const QString& language);
    // Whether Tapwell talks to the child.
    bool setTalk(qint64 id, bool talk);
    // The child and everything recorded for them.
    bool removeChild(qint64 id);

    // The line and its keys, in one transaction. Returns the line's id. A file found
    // damaged here is moved aside and the line written to a fresh one (movedAside()).
    // A line with a uuid the record has already is not written again: its id is then
    // none, with no problem().
    std::optional<qint64> writeLine(qint64 childId, const LineRecord& line);

    // The lines queued for the server, oldest first (at most `most`), with their keys.
    std::vector<std::pair<qint64, LineRecord>> unsentLines(int most);
    // A line the server has: out of the queue.
    bool markSent(qint64 lineId);
    int unsentCount();
    // The id of the child of this name, made when missing (on the server: the account's).
    std::optional<qint64> childNamed(const QString& name);
    // The id of the child of this name; none when the record has no such child.
    std::optional<qint64> childId(const QString& name);

    // Every line of one child (or of all, childId 0), oldest first, without keys; only
    // those after the line `afterLineId` when given (the lines added since it was read).
    struct StoredLine {
        qint64 id = 0;
        qint64 childId = 0;
        QString childName;
        LineRecord line;
    };
    // With since (ISO 8601 UTC), only the lines started from then on.
    std::vector<StoredLine> lines(qint64 childId = 0, qint64 afterLineId = 0,
                                  const QString& since = {});
    // When the child's latest line started; empty without one.
    QString lastStarted(qint64 childId);
    // Whether the account signed in teaches (on the server: is a tapwell_teacher).
    bool teaches();
    // The keys of one line, in order.
    std::vector<KeyRecord> keys(qint64 lineId);

    // The judged keys of a child's latest lines, newest first: every key of the last
    // maxLines lines, about three months of daily practice at the default. Reading all of
    // a year's half a million keys would take half a second; a key's last hundred presses
    // are in there unless the key is rarely asked for.
    struct RecentKey {
        int expected = 0;
        int typed = 0;
        QString started; // of its line
        qint64 lineId = 0;
        std::uint32_t keyboard = 0; // of its line: keyboardTag of the layout's name
    };
    // Only the keys of lines after `afterLineId` when given.
    std::vector<RecentKey> recentKeys(qint64 childId, int maxLines = kRecentLines,
                                      qint64 afterLineId = 0);
    // The same for the lines started from `since` (ISO 8601 UTC) on, in one statement: one
    // round trip to a server, where a statement per line would cost one each.
    std::vector<RecentKey> keysSince(qint64 childId, const QString& since);

    // A child's lines and recent keys after the line `afterLineId` (all of them at 0),
    // read at one moment: a line another window writes meanwhile is in both or in
    // neither. newestLineId is the newest line of the child's there is, read or not.
    struct Reading {
        std::vector<StoredLine> lines;
        std::vector<RecentKey> keys;
        qint64 newestLineId = 0;
    };
    Reading readSince(qint64 childId, qint64 afterLineId = 0);

private:
    bool fail(StoreFault fault, const QString& detail, const QString& where = {});
    bool openConnection();
    void closeConnection();
    bool moveAside();
    // Checks the file is ours and whole and brings it up to date; false with problem_
    // set, or with damaged_ set when the file must be moved aside.
    bool prepare();
    std::optional<qint64> insertLine(qint64 childId, const LineRecord& line);

    QString path_;
    QString connection_;
    bool usable_ = false;
    StoreProblem problem_;
    QString movedAside_;
    int busyTimeoutMs_ = 5000;
    bool readOnly_ = false;
    bool queue_ = false;
    Dialect dialect_;
    bool damaged_ = false;
    bool checkWhole_ = true; // run quick_check on open
};

// The schema steps, for the tests: brings a database at version `from` to from + 1.
bool migrateStep(const QString& connectionName, int from, Engine engine = Engine::SQLite);

// The record's file: QStandardPaths::AppDataLocation + "/progress.sqlite".
QString defaultStorePath();

} // namespace tapwell::progress
