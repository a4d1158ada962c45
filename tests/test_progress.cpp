// The progress record on real files: what each activity leaves in it, a writer killed
// half way, files that are damaged, foreign, locked, read-only, full or newer, the
// schema steps, and the CSV export.
#include "core/typingcore.h"
#include "drills/results.h"
#include "files.h"
#include "progress/export.h"
#include "progress/recordcache.h"
#include "progress/recorder.h"
#include "progress/store.h"
#include "shipped.h"
#include "support/corerig.h"
#include "support/fakes.h"
#include "ui/recordwords.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <qplatformdefs.h>

#include <sys/stat.h>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace tapwell;
using namespace tapwell::progress;
using namespace tapwell::test;

namespace {

// What a parent is told of the store's problem.
QString said(const Store& s) {
    return recordProblemText(s.problem());
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// A connection of the test's own, beside the store's, as a parent's SQLite tool would be.
struct Raw {
    QString name = QStringLiteral("raw-%1").arg(++count);
    QSqlDatabase db;
    explicit Raw(const QString& path) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~Raw() {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant one(const QString& sql) {
        QSqlQuery q(db);
        if (!q.exec(sql) || !q.next()) return {};
        return q.value(0);
    }
    bool exec(const QString& sql) { return QSqlQuery(db).exec(sql); }
    static inline int count = 0;
};

// The lines whose keys are not all there.
int halfLines(Raw& r) {
    return r
        .one(QStringLiteral("SELECT count(*) FROM line WHERE chars != "
                            "(SELECT count(*) FROM keystroke WHERE line_id = line.id)"))
        .toInt();
}

LineRecord lineWithKeys(int keys) {
    LineRecord l;
    l.started = QStringLiteral("2026-12-08T09:15:02.250Z");
    l.activity = Activity::Character;
    l.rows = QStringLiteral("home");
    l.chars = keys;
    for (int i = 0; i < keys; ++i)
        l.keys.push_back({'a' + i % 26, 'a' + i % 26, 100 + i});
    return l;
}

// A store in a temporary folder with one child, Ada, and a recorder writing for her.
struct Record {
    explicit Record(const QString& path) : store(path), recorder(store) {
        store.open();
        child = store.addChild(QStringLiteral("Ada"), QStringLiteral("fox")).value_or(0);
        recorder.setChild(child);
        recorder.now = [] { return QDateTime(QDate(2026, 12, 8), QTime(9, 15, 2, 250), Qt::UTC); };
    }
    Store store;
    Recorder recorder;
    qint64 child = 0;
};

// The typing core with fakes, reporting to the recorder and to a recording sink, so the
// two can be compared.
struct Typing : Record, CoreRig {
    explicit Typing(const QString& path, const std::string& rows = "1,1,0,0", bool shift = true)
        : Record(path), CoreRig(rows, shift, 7, &recorder) {}
    // Types what is asked for, a wrong key first every fifth key, at an uneven pace.
    void typeAsked(int keys) { CoreRig::typeAsked(keys, 180, 7); }
    // The keys judged since the last "ready".
    std::vector<KeyJudged> keysSinceReady() const {
        return {events.keys.begin() + mark, events.keys.end()};
    }
    void markReady() { mark = static_cast<std::ptrdiff_t>(events.keys.size()); }
    std::ptrdiff_t mark = 0;
};

void compareKeys(const std::vector<KeyRecord>& stored, const std::vector<KeyJudged>& judged) {
    QCOMPARE(stored.size(), judged.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        QCOMPARE(stored[i].expected, judged[i].expected);
        QCOMPARE(stored[i].typed, judged[i].typed);
        QCOMPARE(stored[i].ms, qint64(judged[i].msSincePrevious));
    }
}

} // namespace

class TestProgress : public QObject {
    Q_OBJECT
private slots:
    void init();
    void drillLinesKeepWhatTheirResultsShowed_data();
    void drillLinesKeepWhatTheirResultsShowed();
    void aTimedRunKeepsItsSpeedAndNoKeys();
    void eachPracticeFingerIsARow();
    void aLessonPracticeIsOneRowWithAllItsKeys();
    void keysOfALineLeftByStopAreDropped();
    void withNoChildNothingIsWritten();
    void killedWhileWritingLeavesWholeLines();
    void twoTapwellsStartingANewRecordBothKeepIt();
    void unusableFilesAreMovedAsideAndAFreshOneStarted_data();
    void unusableFilesAreMovedAsideAndAFreshOneStarted();
    void damageFoundWhileWritingStartsAFreshFile();
    void aFileFromANewerTapwellIsKept();
    void aFolderInPlaceOfTheFile();
    void aLockedFileFailsTheWriteAndTheNextOneSucceeds();
    void aReadOnlyFileIsToldOnce();
    void aFullDiskLosesOnlyTheLine();
    void migratesFromEachOldVersion_data();
    void migratesFromEachOldVersion();
    void removingAChildRemovesTheirRecord();
    void recentKeysAreTheLatestLinesNewestFirst();
    void whatWasReadIsBroughtUpToDateWithTheNewLinesOnly();
    void exportQuotesAndGuardsCells();
    void exportToABadPathSaysWhy();
    void aRecordIsTheUsersAloneAndReadWithinBounds();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void TestProgress::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath(QStringLiteral("progress.sqlite"));
}

void TestProgress::drillLinesKeepWhatTheirResultsShowed_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("Character Drill") << int(kCharacterDrill);
    QTest::newRow("Word Drill") << int(kWordDrill);
}

void TestProgress::drillLinesKeepWhatTheirResultsShowed() {
    QFETCH(int, mode);
    Typing t(path_);
    t.core->chooseMode(mode);
    for (int line = 0; line < 2; ++line) {
        t.core->ok();
        t.markReady();
        t.typeAsked(300);
    }
    QCOMPARE(t.events.lines.size(), std::size_t(2));
    const auto rows = t.store.lines(t.child);
    QCOMPARE(rows.size(), std::size_t(2));
    const LineFinished& e = t.events.lines.back();
    const LineRecord& r = rows.back().line;
    QCOMPARE(activityName(r.activity),
             mode == kWordDrill ? QStringLiteral("word") : QStringLiteral("character"));
    QCOMPARE(r.started, QStringLiteral("2026-12-08T09:15:02.250Z"));
    QCOMPARE(r.rows, QStringLiteral("home,top"));
    QCOMPARE(r.shift, 1);
    QCOMPARE(r.chars, e.characters);
    QCOMPARE(r.right, e.right);
    QCOMPARE(r.wrong, e.wrong);
    QCOMPARE(r.ms, qint64(e.ms));
    // The numbers the result label showed, as it showed them.
    const QString caption = QString::fromStdString(t.view.result);
    QVERIFY(r.accuracy);
    QVERIFY2(caption.contains(QStringLiteral("%1% accuracy").arg(*r.accuracy)),
             qPrintable(caption));
    if (mode == kWordDrill) {
        QVERIFY(r.wpm);
        QVERIFY2(caption.startsWith(QStringLiteral("%1 words per minute").arg(*r.wpm)),
                 qPrintable(caption));
    } else {
        QVERIFY(!r.wpm); // the Character Drill shows no speed
    }
    compareKeys(t.store.keys(rows.back().id), t.keysSinceReady());
    QCOMPARE(t.recorder.written(), 2);
}

void TestProgress::aTimedRunKeepsItsSpeedAndNoKeys() {
    Typing t(path_);
    t.core->chooseMode(kTimedDrill);
    t.core->ok();
    t.view.timedText = std::string(151, 'a');
    t.clock.now += 30'750;
    t.core->timedKey(kEnter);
    const auto rows = t.store.lines();
    QCOMPARE(rows.size(), std::size_t(1));
    const LineRecord& r = rows[0].line;
    QCOMPARE(activityName(r.activity), QStringLiteral("timed"));
    QCOMPARE(r.chars, 151);
    QCOMPARE(r.ms, qint64(30'000));
    QCOMPARE(t.view.result, std::string("60 words per minute")); // 60.4
    QCOMPARE(r.wpm, 60.0);
    QVERIFY(!r.accuracy && !r.right && !r.wrong);
    QVERIFY(t.store.keys(rows[0].id).empty());
}

void TestProgress::eachPracticeFingerIsARow() {
    Typing t(path_, "1,1,1,1", true);
    t.core->chooseMode(kKeyboardPractice);
    t.core->ok();
    // Each finger's keys, noted as its row is written.
    std::vector<std::vector<KeyJudged>> perFinger;
    std::size_t fingers = 0;
    t.markReady();
    for (int i = 0; i < 400 && fingers < 5; ++i) {
        t.typeAsked(1);
        if (t.events.fingers.size() > fingers) {
            ++fingers;
            perFinger.push_back(t.keysSinceReady());
            t.markReady();
        }
    }
    const auto rows = t.store.lines(t.child);
    QCOMPARE(rows.size(), t.events.fingers.size());
    QVERIFY(rows.size() >= 5);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PracticeFingerFinished& f = t.events.fingers[i];
        const LineRecord& r = rows[i].line;
        QCOMPARE(activityName(r.activity), QStringLiteral("practice"));
        QCOMPARE(r.rows, rowWord(f.row));
        QCOMPARE(r.shift, f.shifted ? 1 : 0);
        QCOMPARE(r.right, f.right);
        QCOMPARE(r.chars, f.right);
        QCOMPARE(r.wrong, f.wrong);
        QCOMPARE(r.ms, qint64(f.ms));
        QVERIFY(!r.wpm && !r.accuracy);
        compareKeys(t.store.keys(rows[i].id), perFinger[i]);
    }
}

void TestProgress::aLessonPracticeIsOneRowWithAllItsKeys() {
    Typing t(path_, "1,0,0,0", false);
    t.core->chooseMode(kLearnKeyboard);
    t.core->learn(kTopRow);
    for (int page = 0; page < 12 && t.events.readies.empty(); ++page)
        t.core->next(1);
    QCOMPARE(t.events.readies.size(), std::size_t(1));
    t.markReady();
    for (int i = 0; i < 1000 && t.s().LessonOn == 1; ++i) {
        if (t.view.okPractice)
            t.core->okPractice();
        else
            t.typeAsked(1);
    }
    QCOMPARE(t.events.lessons.size(), std::size_t(1));
    const auto rows = t.store.lines();
    QCOMPARE(rows.size(), std::size_t(1)); // the fingers are not rows of their own
    const LessonPracticeFinished& e = t.events.lessons[0];
    const LineRecord& r = rows[0].line;
    QCOMPARE(activityName(r.activity), QStringLiteral("lesson"));
    QCOMPARE(r.rows, QStringLiteral("top"));
    QCOMPARE(r.right, e.right);
    QCOMPARE(r.wrong, e.wrong);
    QCOMPARE(r.ms, qint64(e.ms));
    const auto keys = t.store.keys(rows[0].id);
    QCOMPARE(qint64(keys.size()), qint64(e.right) + e.wrong);
    compareKeys(keys, t.keysSinceReady());
}

void TestProgress::keysOfALineLeftByStopAreDropped() {
    Typing t(path_);
    t.core->chooseMode(kCharacterDrill);
    t.core->ok();
    t.typeAsked(4);
    t.core->stop(1);
    t.core->ok();
    t.markReady();
    t.typeAsked(300);
    const auto rows = t.store.lines();
    QCOMPARE(rows.size(), std::size_t(1));
    compareKeys(t.store.keys(rows[0].id), t.keysSinceReady());
    // A lesson left half way leaves nothing either.
    t.core->chooseMode(kLearnKeyboard);
    t.core->learn(kHomeRow);
    for (int page = 0; page < 8 && t.events.readies.size() < 3; ++page)
        t.core->next(1);
    t.typeAsked(10);
    t.core->stop(0);
    QCOMPARE(t.events.left.size(), std::size_t(1));
    QCOMPARE(t.store.lines().size(), std::size_t(1));
}

void TestProgress::withNoChildNothingIsWritten() {
    Typing t(path_);
    t.recorder.setChild(0);
    t.core->chooseMode(kWordDrill);
    t.core->ok();
    t.typeAsked(300);
    QCOMPARE(t.events.lines.size(), std::size_t(1));
    QVERIFY(t.store.lines().empty());
    QCOMPARE(t.recorder.written(), 0);
}

void TestProgress::killedWhileWritingLeavesWholeLines() {
    const QString writer =
        QCoreApplication::applicationDirPath() + QStringLiteral("/progress_writer");
    QVERIFY(QFileInfo::exists(writer));
    int before = 0;
    for (int round = 0; round < 8; ++round) {
        QProcess p;
        p.setProgram(writer);
        p.setArguments({path_});
        p.start();
        QVERIFY(p.waitForReadyRead(20000)); // it has written a line
        QTest::qWait(QRandomGenerator::global()->bounded(1, 60));
        p.kill();
        QVERIFY(p.waitForFinished(10000));

        Raw r(path_);
        QCOMPARE(r.one(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        QCOMPARE(halfLines(r), 0);
        const int lines = r.one(QStringLiteral("SELECT count(*) FROM line")).toInt();
        QVERIFY2(lines > before, qPrintable(QString::number(lines)));
        before = lines;
    }
}

void TestProgress::twoTapwellsStartingANewRecordBothKeepIt() {
    const QString writer =
        QCoreApplication::applicationDirPath() + QStringLiteral("/progress_writer");
    for (int round = 0; round < 5; ++round) {
        const QString path = dir_->filePath(QStringLiteral("new-%1.sqlite").arg(round));
        std::vector<std::unique_ptr<QProcess>> writers;
        for (int i = 0; i < 3; ++i) {
            writers.push_back(std::make_unique<QProcess>());
            // A line every 20 ms: a child is slower, and a writer that never lets go
            // would starve the others of the write lock, which is not what this is about.
            writers.back()->start(writer, {path, QStringLiteral("20")});
        }
        // Each of them makes or finds the schema, and writes.
        for (auto& p : writers) {
            QVERIFY2(p->waitForReadyRead(20000), p->readAllStandardError().constData());
            p->kill();
            p->waitForFinished(10000);
        }
    }
}

void TestProgress::unusableFilesAreMovedAsideAndAFreshOneStarted_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("garbage bytes") << "garbage";
    QTest::newRow("a real record cut short") << "truncated";
    QTest::newRow("another program's database") << "foreign";
    QTest::newRow("another program's database at our version") << "foreign at 1";
}

void TestProgress::unusableFilesAreMovedAsideAndAFreshOneStarted() {
    QFETCH(QString, kind);
    if (kind == QLatin1String("garbage")) {
        QByteArray bytes(70000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        writeAll(path_, bytes);
    } else if (kind == QLatin1String("truncated")) {
        {
            Store s(path_);
            QVERIFY(s.open());
            const qint64 child = s.addChild(QStringLiteral("Ada"), {}).value_or(0);
            for (int i = 0; i < 60; ++i)
                QVERIFY(s.writeLine(child, lineWithKeys(200)));
        } // the last connection closed: the WAL is in the file
        QVERIFY(!QFileInfo::exists(path_ + QStringLiteral("-wal")));
        const QByteArray whole = readAll(path_);
        writeAll(path_, whole.left(whole.size() / 2));
    } else {
        Raw r(path_);
        QVERIFY(r.exec(QStringLiteral("CREATE TABLE contacts(name TEXT, phone TEXT)")));
        QVERIFY(r.exec(QStringLiteral("INSERT INTO contacts VALUES('Grandma', '555')")));
        if (kind.endsWith(QLatin1String("1")))
            QVERIFY(r.exec(QStringLiteral("PRAGMA user_version = 1")));
    }
    const QByteArray original = readAll(path_);

    Store s(path_);
    QVERIFY(s.open());
    QVERIFY(s.usable());
    QVERIFY(s.problem().isEmpty());
    const QString aside = s.movedAside();
    QVERIFY(!aside.isEmpty());
    QVERIFY2(QFileInfo(aside).fileName().contains(QRegularExpression(
                 QStringLiteral("^progress\\.damaged-\\d{4}-\\d\\d-\\d\\dT\\d{6}\\.sqlite$"))),
             qPrintable(aside));
    QCOMPARE(readAll(aside), original); // byte for byte as it was
    const qint64 child = s.addChild(QStringLiteral("Ada"), {}).value_or(0);
    QVERIFY(child > 0);
    QVERIFY(s.writeLine(child, lineWithKeys(30)));
    QCOMPARE(s.lines().size(), std::size_t(1));

    // A second damaged file the same second does not take the first one's place.
    Store again(path_, QStringLiteral("again"));
    QVERIFY(again.open());
    QVERIFY(again.movedAside().isEmpty()); // the fresh one is fine
}

void TestProgress::damageFoundWhileWritingStartsAFreshFile() {
    {
        Store s(path_);
        QVERIFY(s.open());
        const qint64 child = s.addChild(QStringLiteral("Ada"), QStringLiteral("fox")).value_or(0);
        for (int i = 0; i < 80; ++i)
            QVERIFY(s.writeLine(child, lineWithKeys(1000)));
    }
    // Big enough not to be checked whole at the start; its last pages scribbled over.
    QByteArray bytes = readAll(path_);
    QVERIFY(bytes.size() > 1024 * 1024);
    for (qsizetype i = bytes.size() * 6 / 10; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7919 % 251);
    writeAll(path_, bytes);

    Store s(path_);
    QVERIFY(s.open());
    const qint64 child = s.children().value(0).id;
    const auto id = s.writeLine(child, lineWithKeys(1000));
    QVERIFY2(id, qPrintable(said(s)));
    QVERIFY(!s.movedAside().isEmpty());
    QCOMPARE(readAll(s.movedAside()), bytes);
    QCOMPARE(s.lines().size(), std::size_t(1)); // the new line, in the fresh file
    QCOMPARE(s.children().value(0).name, QStringLiteral("Ada"));
    QCOMPARE(s.keys(*id).size(), std::size_t(1000));
}

void TestProgress::aFileFromANewerTapwellIsKept() {
    {
        Store s(path_);
        QVERIFY(s.open());
        QVERIFY(s.addChild(QStringLiteral("Ada"), {}));
    }
    {
        Raw r(path_);
        QVERIFY(r.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion + 1)));
    }
    const QByteArray original = readAll(path_);
    Store s(path_);
    QVERIFY(!s.open());
    QVERIFY(!s.usable());
    QVERIFY2(said(s).contains(QStringLiteral("newer Tapwell")), qPrintable(said(s)));
    QVERIFY(s.movedAside().isEmpty());
    QVERIFY(!s.writeLine(1, lineWithKeys(3)));
    QVERIFY(s.children().isEmpty());
    QCOMPARE(readAll(path_), original);
    QVERIFY(QDir(dir_->path()).entryList({QStringLiteral("*damaged*")}).isEmpty());
}

void TestProgress::aFolderInPlaceOfTheFile() {
    QVERIFY(QDir().mkpath(path_));
    Store s(path_);
    QVERIFY(!s.open());
    QVERIFY2(said(s).startsWith(QStringLiteral("Tapwell cannot save progress: ")),
             qPrintable(said(s)));
    QVERIFY(QFileInfo(path_).isDir());
    Recorder rec(s);
    rec.setChild(1);
    int told = 0;
    rec.onProblem = [&](const StoreProblem&) { ++told; };
    rec.ready(Activity::Timed);
    rec.timedRunFinished({10, 1000, 12.0});
    QCOMPARE(told, 1);
}

void TestProgress::aLockedFileFailsTheWriteAndTheNextOneSucceeds() {
    Store s(path_);
    s.setBusyTimeout(200);
    QVERIFY(s.open());
    const qint64 child = s.addChild(QStringLiteral("Ada"), {}).value_or(0);
    {
        // Another Tapwell window in the middle of a long write.
        Raw other(path_);
        QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(other.exec(QStringLiteral("INSERT INTO child(name) VALUES('Bo')")));
        QElapsedTimer waited;
        waited.start();
        QVERIFY(!s.writeLine(child, lineWithKeys(5)));
        QVERIFY(waited.elapsed() >= 150);
        QCOMPARE(said(s),
                 QStringLiteral("Tapwell cannot save progress: another program is using the "
                                "progress file."));
        // Through the recorder, a parent is told once that it failed ...
        Recorder rec(s);
        rec.setChild(child);
        int failed = 0, recovered = 0;
        rec.onProblem = [&](const StoreProblem&) { ++failed; };
        rec.onRecovered = [&] { ++recovered; };
        rec.ready(Activity::Timed);
        rec.timedRunFinished({100, 20000, 60.0});
        QVERIFY(other.exec(QStringLiteral("COMMIT")));
        // ... and once that it is kept again.
        rec.ready(Activity::Timed);
        rec.timedRunFinished({100, 20000, 60.0});
        QCOMPARE(failed, 1);
        QCOMPARE(recovered, 1);
    }
    QVERIFY(s.writeLine(child, lineWithKeys(5)));
    QVERIFY(s.problem().isEmpty());
    QCOMPARE(s.children().size(), 2); // the other window's row is there too
    Raw r(path_);
    QCOMPARE(r.one(QStringLiteral("SELECT count(*) FROM keystroke")).toInt(), 5);
}

void TestProgress::aReadOnlyFileIsToldOnce() {
    {
        Store s(path_);
        QVERIFY(s.open());
        QVERIFY(s.addChild(QStringLiteral("Ada"), {}));
    }
    // chmod does not stop root, who runs the tests in CI: the connection is opened read-only
    // instead, which fails writes the way a read-only file does.
    Store s(path_);
    s.setReadOnly(true);
    QVERIFY(s.open());
    QCOMPARE(s.children().size(), 1);
    Recorder rec(s);
    rec.setChild(s.children().at(0).id);
    QStringList told;
    rec.onProblem = [&](const StoreProblem& p) { told << recordProblemText(p); };
    for (int i = 0; i < 3; ++i) {
        rec.ready(Activity::Timed);
        rec.timedRunFinished({100, 20000, 60.0});
    }
    QCOMPARE(told, QStringList{QStringLiteral(
                       "Tapwell cannot save progress: the progress file cannot be written to.")});
    QCOMPARE(rec.written(), 3);

    if (geteuid() != 0) {
        QFile::setPermissions(path_, QFileDevice::ReadOwner);
        Store plain(path_, QStringLiteral("plain"));
        plain.open();
        QVERIFY(!plain.writeLine(1, lineWithKeys(2)));
        QVERIFY(!plain.problem().isEmpty());
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

void TestProgress::aFullDiskLosesOnlyTheLine() {
    Store s(path_);
    QVERIFY(s.open());
    const qint64 child = s.addChild(QStringLiteral("Ada"), {}).value_or(0);
    QVERIFY(s.writeLine(child, lineWithKeys(40)));
    {
        FileSizeLimit limit(96 * 1024);
        QVERIFY(!s.writeLine(child, lineWithKeys(20000)));
    }
    QVERIFY2(said(s).contains(QStringLiteral("full")) ||
                 said(s).contains(QStringLiteral("could not be written")),
             qPrintable(said(s)));
    // Room again: the next line is kept, and nothing of the lost one is there.
    QVERIFY(s.writeLine(child, lineWithKeys(40)));
    QVERIFY(s.problem().isEmpty());
    Raw r(path_);
    QCOMPARE(r.one(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(r.one(QStringLiteral("SELECT count(*) FROM line")).toInt(), 2);
    QCOMPARE(halfLines(r), 0);
}

void TestProgress::migratesFromEachOldVersion_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("emptyFile");
    QTest::newRow("an empty file") << 0 << true;
    for (int v = 0; v < kSchemaVersion; ++v)
        QTest::newRow(qPrintable(QStringLiteral("version %1").arg(v))) << v << false;
}

void TestProgress::migratesFromEachOldVersion() {
    QFETCH(int, version);
    QFETCH(bool, emptyFile);
    if (emptyFile) {
        writeAll(path_, {});
    } else {
        Raw r(path_);
        QVERIFY(r.exec(QStringLiteral("PRAGMA user_version = 0")));
        for (int v = 0; v < version; ++v)
            QVERIFY(migrateStep(r.name, v));
        if (version >= 1) QVERIFY(r.exec(QStringLiteral("INSERT INTO child(name) VALUES('Ada')")));
    }
    Store s(path_);
    QVERIFY(s.open());
    QVERIFY(s.movedAside().isEmpty());
    QCOMPARE(s.children().size(), version >= 1 ? 1 : 0);
    const qint64 bo = s.addChild(QStringLiteral("Bo"), {}).value_or(0);
    // A child of before, and a new one, type on the keyboard in use until one is chosen.
    for (const Child& c : s.children())
        QVERIFY(c.keyboard.isEmpty() && !c.accents);
    QVERIFY(s.setKeyboard(bo, QStringLiteral("us(dvorak)"), true));
    QCOMPARE(s.children().back().keyboard, QStringLiteral("us(dvorak)"));
    QVERIFY(s.children().back().accents);
    LineRecord typed = lineWithKeys(2);
    typed.keyboard = QStringLiteral("de");
    QVERIFY(s.writeLine(bo, typed));

    Raw r(path_);
    QCOMPARE(r.one(QStringLiteral("PRAGMA user_version")).toInt(), kSchemaVersion);
    QCOMPARE(r.one(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    // The columns parents and teachers may query.
    const QList<QPair<QString, QString>> tables = {
        {QStringLiteral("child"),
         QStringLiteral("id,name,picture,created,keyboard,accents,language,talk")},
        {QStringLiteral("line"),
         QStringLiteral("id,child_id,started,activity,rows,shift,chars,right_keys,wrong_keys,ms,"
                        "wpm,accuracy,keyboard,uuid")},
        {QStringLiteral("keystroke"), QStringLiteral("line_id,seq,expected,typed,ms")},
    };
    for (const auto& [table, columns] : tables) {
        QSqlQuery q(r.db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table)));
        QStringList names;
        while (q.next())
            names << q.value(1).toString();
        QCOMPARE(names.join(QLatin1Char(',')), columns);
    }
    QVERIFY(r.one(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND "
                                 "name = 'line_child_started'"))
                .toInt() == 1);
    QCOMPARE(r.one(QStringLiteral("SELECT keyboard FROM line")).toString(), QStringLiteral("de"));
    QCOMPARE(r.one(QStringLiteral("SELECT length(uuid) FROM line")).toInt(), 36);
    // The keys of a line are found by their key, not by reading the whole table.
    QSqlQuery q(r.db);
    QVERIFY(q.exec(QStringLiteral("EXPLAIN QUERY PLAN SELECT * FROM keystroke WHERE line_id = 3")));
    QVERIFY(q.next());
    const QString plan = q.value(3).toString();
    QVERIFY2(plan.startsWith(QStringLiteral("SEARCH")), qPrintable(plan));
}

void TestProgress::removingAChildRemovesTheirRecord() {
    Store s(path_);
    QVERIFY(s.open());
    const qint64 ada = s.addChild(QStringLiteral("Ada"), QStringLiteral("fox")).value_or(0);
    const qint64 bo = s.addChild(QStringLiteral("Bo"), QStringLiteral("owl")).value_or(0);
    QVERIFY(!s.addChild(QStringLiteral("Bo"), {})); // names are one child each
    QVERIFY(s.problem().isEmpty());                 // and that is no fault of the file
    QVERIFY(s.writeLine(ada, lineWithKeys(3)));
    QVERIFY(s.writeLine(bo, lineWithKeys(4)));
    QVERIFY(!s.writeLine(999, lineWithKeys(4))); // no such child
    QVERIFY(s.changeChild(bo, QStringLiteral("Bonnie"), QStringLiteral("cat")));
    QVERIFY(s.removeChild(ada));
    QVERIFY(!s.removeChild(ada));
    const auto kids = s.children();
    QCOMPARE(kids.size(), 1);
    QCOMPARE(kids[0].name, QStringLiteral("Bonnie"));
    QCOMPARE(kids[0].picture, QStringLiteral("cat"));
    const auto rows = s.lines();
    QCOMPARE(rows.size(), std::size_t(1));
    QCOMPARE(rows[0].childName, QStringLiteral("Bonnie"));
    Raw r(path_);
    QCOMPARE(r.one(QStringLiteral("SELECT count(*) FROM keystroke")).toInt(), 4);
}

void TestProgress::recentKeysAreTheLatestLinesNewestFirst() {
    Store s(path_);
    QVERIFY(s.open());
    const qint64 ada = s.addChild(QStringLiteral("Ada"), QStringLiteral("fox")).value_or(0);
    const qint64 bo = s.addChild(QStringLiteral("Bo"), QStringLiteral("owl")).value_or(0);
    for (int day = 1; day <= 3; ++day) {
        LineRecord l = lineWithKeys(2);
        l.started = QStringLiteral("2026-12-0%1T09:00:00.000Z").arg(day);
        l.keys[1].typed = 'a' + day; // the second key of each line, missed as a day's letter
        QVERIFY(s.writeLine(ada, l));
    }
    QVERIFY(s.writeLine(bo, lineWithKeys(5))); // another child's keys are not Ada's
    const auto keys = s.recentKeys(ada, 2);
    QCOMPARE(keys.size(), std::size_t(4)); // the two latest lines only
    QCOMPARE(keys[0].started, QStringLiteral("2026-12-03T09:00:00.000Z"));
    QCOMPARE(keys[0].typed, 'a' + 3); // the line's last key first
    QCOMPARE(keys[3].started, QStringLiteral("2026-12-02T09:00:00.000Z"));
    QCOMPARE(keys[3].expected, int('a'));
}

void TestProgress::whatWasReadIsBroughtUpToDateWithTheNewLinesOnly() {
    Store s(path_);
    QVERIFY(s.open());
    const qint64 ada = s.addChild(QStringLiteral("Ada"), QStringLiteral("fox")).value_or(0);
    const Child child = s.children().front();
    const auto write = [&](int day, int hour) {
        LineRecord l = lineWithKeys(3);
        l.started = QStringLiteral("2026-12-%1T%2:00:00.000Z")
                        .arg(day, 2, 10, QLatin1Char('0'))
                        .arg(hour, 2, 10, QLatin1Char('0'));
        l.keys[1].typed = 'z'; // missed, then typed again: one time asked for
        l.keys.insert(l.keys.begin() + 2, KeyRecord{l.keys[1].expected, l.keys[1].expected, 90});
        QVERIFY(s.writeLine(ada, l));
    };
    const auto same = [&](const ChildRecord& a) {
        ChildRecord whole;
        update(s, child, whole);
        QCOMPARE(a.lines.size(), whole.lines.size());
        for (std::size_t i = 0; i < a.lines.size(); ++i)
            QCOMPARE(a.lines[i].started, whole.lines[i].started);
        QCOMPARE(a.presses.size(), whole.presses.size());
        for (std::size_t i = 0; i < a.presses.size(); ++i) {
            QCOMPARE(a.presses[i].line, whole.presses[i].line);
            QCOMPARE(a.presses[i].retry, whole.presses[i].retry);
            QCOMPARE(a.presses[i].typed, whole.presses[i].typed);
        }
    };
    write(1, 9);
    write(2, 9);
    ChildRecord r;
    update(s, child, r);
    QVERIFY(r.readAll);
    QCOMPARE(r.linesRead, 2);
    write(3, 9);
    write(3, 10);
    update(s, child, r);
    QVERIFY(!r.readAll);
    QCOMPARE(r.linesRead, 2);
    same(r);
    update(s, child, r); // nothing new
    QCOMPARE(r.linesRead, 0);
    same(r);
    // A line dated before the newest (a clock set back) is put in its place: all again.
    write(2, 12);
    update(s, child, r);
    QVERIFY(r.readAll);
    same(r);
    // Another child under the same number (removed and added again) is read whole.
    Child other = child;
    other.created = QStringLiteral("2026-12-09T00:00:00.000Z");
    update(s, other, r);
    QVERIFY(r.readAll);
}

void TestProgress::exportQuotesAndGuardsCells() {
    Store s(path_);
    QVERIFY(s.open());
    const QStringList names = {
        QStringLiteral("Ada"),        QStringLiteral("Lee, Jr"),           QStringLiteral("\"Bo\""),
        QStringLiteral("Two\nlines"), QStringLiteral("=HYPERLINK(\"x\")"), QStringLiteral("-1+2"),
        QStringLiteral("\t=1+2")};
    for (const QString& n : names) {
        const qint64 id = s.addChild(n, {}).value_or(0);
        QVERIFY(id > 0);
        LineRecord l = lineWithKeys(2);
        l.started = QStringLiteral("2026-12-08T09:15:0%1.000Z").arg(id);
        l.activity = Activity::Word;
        l.rows = QStringLiteral("home,top");
        l.shift = 0;
        l.right = 2;
        l.wrong = 0;
        l.ms = 1500;
        l.wpm = 16;
        l.accuracy = 100;
        l.keyboard = QStringLiteral("de");
        QVERIFY(s.writeLine(id, l));
    }
    const QString csv = dir_->filePath(QStringLiteral("out.csv"));
    ExportError error;
    QVERIFY2(exportCsv(s, csv, error), qPrintable(exportErrorText(error)));
    const QString tail = QStringLiteral(",word,\"home,top\",0,2,2,0,1500,16,100,de\r\n");
    const QString expected =
        QStringLiteral("child,started,activity,rows,shift,chars,right_keys,wrong_keys,ms,wpm,"
                       "accuracy,keyboard\r\n") +
        QStringLiteral("Ada,2026-12-08T09:15:01.000Z") + tail +
        QStringLiteral("\"Lee, Jr\",2026-12-08T09:15:02.000Z") + tail +
        QStringLiteral("\"\"\"Bo\"\"\",2026-12-08T09:15:03.000Z") + tail +
        QStringLiteral("\"Two\nlines\",2026-12-08T09:15:04.000Z") + tail +
        QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\",2026-12-08T09:15:05.000Z") + tail +
        QStringLiteral("'-1+2,2026-12-08T09:15:06.000Z") + tail +
        QStringLiteral("'\t=1+2,2026-12-08T09:15:07.000Z") + tail;
    QCOMPARE(QString::fromUtf8(readAll(csv)), expected);
    // A new export is the user's alone.
    QCOMPARE(QFile::permissions(csv) & 0x0077, QFileDevice::Permissions());

    // A line with no speed or accuracy leaves those cells empty.
    LineRecord timed;
    timed.started = QStringLiteral("2026-12-09T10:00:00.000Z");
    timed.activity = Activity::Timed;
    timed.chars = 150;
    timed.ms = 30000;
    timed.wpm = 60;
    QVERIFY(s.writeLine(1, timed));
    QVERIFY(exportCsv(s, csv, error));
    QVERIFY(
        QString::fromUtf8(readAll(csv))
            .endsWith(QStringLiteral("Ada,2026-12-09T10:00:00.000Z,timed,,,150,,,30000,60,,\r\n")));
}

void TestProgress::exportToABadPathSaysWhy() {
    Store s(path_);
    QVERIFY(s.open());
    ExportError error;
    const QString bad = dir_->filePath(QStringLiteral("no/such/folder/out.csv"));
    QVERIFY(!exportCsv(s, bad, error));
    QVERIFY2(exportErrorText(error).contains(bad), qPrintable(exportErrorText(error)));
    QVERIFY(!exportCsv(s, dir_->path(), error));
    QCOMPARE(error.fault, ExportFault::FileIsFolder);
    QVERIFY2(exportErrorText(error).contains(QStringLiteral("folder")),
             qPrintable(exportErrorText(error)));
    // A named pipe is left a named pipe: opening it would wait for a reader for ever, and
    // replacing it would break what it is for.
    const QString pipe = dir_->filePath(QStringLiteral("pipe"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!exportCsv(s, pipe, error));
    QCOMPARE(error.fault, ExportFault::NotAPlainFile);
    QT_STATBUF st;
    QCOMPARE(QT_STAT(QFile::encodeName(pipe).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
}

void TestProgress::aRecordIsTheUsersAloneAndReadWithinBounds() {
    const QString path = dir_->filePath(QStringLiteral("new/progress.sqlite"));
    {
        Store s(path);
        QVERIFY(s.open());
        QVERIFY(s.writeLine(s.addChild(QStringLiteral("Ada"), {}).value_or(0), lineWithKeys(3)));
    }
    QCOMPARE(QFile::permissions(path) & 0x0077, QFileDevice::Permissions());
    QCOMPARE(QFile::permissions(dir_->filePath(QStringLiteral("new"))) & 0x0077,
             QFileDevice::Permissions());
    {
        // What no Tapwell writes: a speed beyond numbers, a huge string, a line of too many
        // keys. Left out, or cut to the bound, without freezing anyone.
        Raw r(path);
        QVERIFY(r.exec(QStringLiteral("INSERT INTO line(child_id, started, activity, wpm) "
                                      "VALUES(1, '2026-12-08T10:00:00.000Z', 'word', 9e999)")));
        QVERIFY(r.exec(QStringLiteral("INSERT INTO line(child_id, started, activity) "
                                      "VALUES(1, '2026-12-08T11:00:00.000Z' || "
                                      "hex(zeroblob(100000)), 'word')")));
        QVERIFY(r.exec(QStringLiteral("INSERT INTO line(id, child_id, started, activity) "
                                      "VALUES(99, 1, '2026-12-08T12:00:00.000Z', 'character')")));
        QVERIFY(r.exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
            "INSERT INTO keystroke(line_id, seq, expected, typed, ms) SELECT 99, i, 97, 97, 1 "
            "FROM n")));
    }
    Store s(path);
    QVERIFY(s.open());
    const auto lines = s.lines();
    QCOMPARE(int(lines.size()), 2); // the first line and the long one's neighbour of keys
    QCOMPARE(int(s.keys(99).size()), kMostKeysPerLine);
    QCOMPARE(int(s.recentKeys(1).size()), kMostKeysPerLine + 3);
}

QTEST_GUILESS_MAIN(TestProgress)
#include "test_progress.moc"
