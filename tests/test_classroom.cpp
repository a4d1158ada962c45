// The record on a school's server: the same cases on both engines, and lines sent from a
// computer's record to the server exactly once, in order, while the server is stopped
// and started again. The server is a private PostgreSQL started by pg/pgcluster.py;
// without one installed the test is skipped.
#include "progress/classroom.h"
#include "progress/classview.h"
#include "progress/sender.h"
#include "progress/store.h"
#include "progresswindow/reader.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "shipped.h"

using namespace tapwell;
using namespace tapwell::progress;

namespace {

constexpr char kChild[] = "tapwell-child";
constexpr char kTeacher[] = "tapwell-teacher";

// The private server, through pgcluster.py's command line.
class Server {
public:
    bool start(const QString& folder) {
        folder_ = folder;
        QStringList out;
        if (!run({QStringLiteral("start"), QStringLiteral("--watch-pid"),
                  QString::number(QCoreApplication::applicationPid())},
                 &out))
            return false;
        for (const QString& line : out)
            if (line.startsWith(QLatin1String("conninfo=")))
                admin_ = line.mid(9).replace(QLatin1String("dbname=postgres"),
                                             QLatin1String("dbname=tapwell"));
        return !admin_.isEmpty() && run({QStringLiteral("database"), QStringLiteral("tapwell")}) &&
               run({QStringLiteral("account"), QStringLiteral("--no-os-account"),
                    QString::fromLatin1(kChild)}) &&
               run({QStringLiteral("account"), QStringLiteral("--no-os-account"),
                    QString::fromLatin1(kTeacher)}) &&
               run({QStringLiteral("account"), QStringLiteral("--no-os-account"),
                    QStringLiteral("tapwell-outsider")});
    }
    bool stop() { return run({QStringLiteral("stop")}); }
    bool restart() { return run({QStringLiteral("start")}); }
    ~Server() {
        if (!folder_.isEmpty()) run({QStringLiteral("stop"), QStringLiteral("--remove")});
    }
    QString admin() const { return admin_; }
    QString as(const char* role) const {
        return QString(admin_).replace(QLatin1String("user=tapwell_admin"),
                                       QStringLiteral("user=") + QLatin1String(role));
    }
    static int exitCode;

private:
    bool run(QStringList args, QStringList* out = nullptr) {
        QProcess p;
        args.insert(1, QStringLiteral("--dir"));
        args.insert(2, folder_);
        p.start(QStringLiteral("python3"),
                QStringList{QStringLiteral(TAPWELL_TEST_SOURCE_DIR "/pg/pgcluster.py")} + args);
        if (!p.waitForFinished(120000)) return false;
        exitCode = p.exitCode();
        if (out) *out = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
        if (exitCode != 0) qWarning("pgcluster: %s", p.readAllStandardError().constData());
        return exitCode == 0;
    }
    QString folder_, admin_;
};
int Server::exitCode = 0;

LineRecord lineOf(Activity activity, int keys, const QString& started) {
    LineRecord l;
    l.started = started;
    l.activity = activity;
    l.rows = QStringLiteral("home");
    l.shift = 0;
    l.chars = keys;
    l.right = keys - 1;
    l.wrong = 1;
    l.ms = 1000 * keys;
    l.wpm = 24;
    l.accuracy = 96;
    for (int i = 0; i < keys; ++i)
        l.keys.push_back({'a' + i % 26, 'a' + i % 26, 100 + i});
    return l;
}

// The server's lines of the child, as "started" in the order of their ids, and how many
// there are of each uuid at most.
QStringList serverLines(const QString& admin, int* mostOfOne = nullptr) {
    QStringList out;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("look"));
    QString why;
    {
        applyConninfo(db, admin, why);
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT started FROM line ORDER BY id"));
            while (q.next())
                out << q.value(0).toString();
            if (mostOfOne &&
                q.exec(QStringLiteral("SELECT coalesce(max(n), 0) FROM (SELECT "
                                      "count(*) AS n FROM line GROUP BY uuid) c")) &&
                q.next())
                *mostOfOne = q.value(0).toInt();
        }
        db.close();
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("look"));
    return out;
}

} // namespace

class TestClassroom : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyActivityReadsBackAlikeOnBothEngines_data();
    void everyActivityReadsBackAlikeOnBothEngines();
    void linesReachTheServerOnceAndInOrderAcrossAStop();
    void theTeacherSeesTheClassOneRowPerChild();
    void myProgressReadsTheChildsLinesFromTheServer();
    void aServerThatRefusesKeepsTheLinesAndSaysWhy();

private:
    // Under /tmp, whatever the test's own temporary folder: every folder above the
    // server's must be open to its account.
    QTemporaryDir dir_{QStringLiteral("/tmp/tapwell-classroom-XXXXXX")};
    Server server_;
};

void TestClassroom::initTestCase() {
    QVERIFY(dir_.isValid());
    // The server runs as an account of its own, which must reach its folder.
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                           QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                           QFileDevice::ExeGroup);
    if (!server_.start(dir_.filePath(QStringLiteral("pg")))) {
        if (Server::exitCode == 77) QSKIP("no PostgreSQL server installed");
        QFAIL("the test server did not start");
    }
    QString why;
    QVERIFY2(setUpServer(server_.admin(), why), qPrintable(why));
    QVERIFY2(changeClass(server_.admin(), QStringLiteral("3B"), Member::Child,
                         QString::fromLatin1(kChild), false, why),
             qPrintable(why));
    QVERIFY2(changeClass(server_.admin(), QStringLiteral("3B"), Member::Teacher,
                         QString::fromLatin1(kTeacher), false, why),
             qPrintable(why));
}

void TestClassroom::everyActivityReadsBackAlikeOnBothEngines_data() {
    QTest::addColumn<bool>("server");
    QTest::newRow("SQLite") << false;
    QTest::newRow("PostgreSQL") << true;
}

void TestClassroom::everyActivityReadsBackAlikeOnBothEngines() {
    QFETCH(bool, server);
    Store store(server ? server_.as(kChild) : dir_.filePath(QStringLiteral("alike.sqlite")),
                QStringLiteral("alike"), server ? Engine::PostgreSQL : Engine::SQLite);
    QVERIFY2(store.open(), qPrintable(store.problem().detail));
    const std::optional<qint64> child = store.childNamed(QString::fromLatin1(kChild));
    QVERIFY(child);
    const qint64 before = store.lines(*child).empty() ? 0 : store.lines(*child).back().id;
    std::vector<LineRecord> written;
    for (Activity a : {Activity::Character, Activity::Word, Activity::Timed, Activity::Practice,
                       Activity::Lesson, Activity::Tricky}) {
        LineRecord l =
            lineOf(a, a == Activity::Timed ? 0 : 3, QStringLiteral("2026-12-08T09:00:00Z"));
        if (a == Activity::Timed) l.wpm = 31, l.accuracy.reset();
        l.keyboard = a == Activity::Word ? QStringLiteral("de") : QString();
        QVERIFY2(store.writeLine(*child, l), qPrintable(store.problem().detail));
        written.push_back(l);
    }
    const auto read = store.lines(*child, before);
    QCOMPARE(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        const LineRecord& r = read[i].line;
        QCOMPARE(r.activity, written[i].activity);
        QCOMPARE(r.wpm, written[i].wpm);
        QCOMPARE(r.accuracy, written[i].accuracy);
        QCOMPARE(r.keyboard, written[i].keyboard);
        QCOMPARE(store.keys(read[i].id).size(), written[i].keys.size());
    }
    // A line written again under its uuid is kept once.
    LineRecord again = written.front();
    again.uuid = QStringLiteral("00000000-0000-4000-8000-000000000001");
    QVERIFY(store.writeLine(*child, again));
    QVERIFY(!store.writeLine(*child, again));
    QVERIFY(store.problem().isEmpty());
}

void TestClassroom::linesReachTheServerOnceAndInOrderAcrossAStop() {
    const QString local = dir_.filePath(QStringLiteral("local.sqlite"));
    Store store(local, QStringLiteral("typing"));
    store.setQueueForServer(true);
    QVERIFY(store.open());
    const qint64 child = store.childNamed(QString::fromLatin1(kChild)).value_or(0);
    const int onServer = static_cast<int>(serverLines(server_.admin()).size());

    Sender sender(local, server_.as(kChild), QString::fromLatin1(kChild));
    sender.setRetryInterval(300);
    QSignalSpy told(&sender, &Sender::statusChanged);
    sender.start();
    QStringList typed;
    const auto type = [&](int n) {
        for (int i = 0; i < n; ++i) {
            typed << QStringLiteral("2026-12-08T10:%1:00Z")
                         .arg(typed.size(), 2, 10, QLatin1Char('0'));
            QVERIFY(store.writeLine(child, lineOf(Activity::Word, 5, typed.back())));
            sender.lineWritten();
        }
    };
    const auto arrived = [&] { return serverLines(server_.admin()).mid(onServer); };

    type(3);
    QTRY_COMPARE_WITH_TIMEOUT(arrived(), typed, 10000);
    QVERIFY(server_.stop());
    type(4); // the school's network is away: the lines wait here
    QTRY_VERIFY_WITH_TIMEOUT(
        sender.status().state == SendStatus::State::Away && sender.status().waiting == 4, 10000);
    QCOMPARE(store.unsentCount(), 4);
    QVERIFY(server_.restart()); // and no line typed since: they go all the same
    QTRY_COMPARE_WITH_TIMEOUT(arrived(), typed, 10000);
    int most = 0;
    serverLines(server_.admin(), &most);
    QCOMPARE(most, 1);
    QTRY_COMPARE_WITH_TIMEOUT(store.unsentCount(), 0, 5000);
    QVERIFY(told.size() >= 2);
}

void TestClassroom::theTeacherSeesTheClassOneRowPerChild() {
    // Another child, of no class of the teacher's, types too.
    QString why;
    QVERIFY(changeClass(server_.admin(), QStringLiteral("4A"), Member::Child,
                        QStringLiteral("tapwell-child2"), false, why));
    Store teacher(server_.as(kTeacher), QStringLiteral("teacher"), Engine::PostgreSQL);
    QVERIFY2(teacher.open(), qPrintable(teacher.problem().detail));
    QVERIFY(teacher.teaches());
    const auto t = test::stateWithKeyData();
    const auto rows = classRows(teacher, *t, QDate(2026, 12, 8));
    QCOMPARE(rows.size(), std::size_t{1});
    const ClassRow& r = rows.front();
    QCOMPARE(r.child.name, QString::fromLatin1(kChild));
    // The lines the tests before typed on Tuesday 8 December: all this week, all within
    // the last 7 days.
    QCOMPARE(r.linesThisWeek, int(teacher.lines(r.child.id).size()));
    QVERIFY(r.minutesThisWeek > 0);
    QCOMPARE(r.medianWpm, std::optional<double>(24));
    QCOMPARE(r.lastDay, QDate(2026, 12, 8));
    // A week later the speed and accuracy of the last 7 days are none.
    const auto later = classRows(teacher, *t, QDate(2026, 12, 16));
    QCOMPARE(later.front().linesThisWeek, 0);
    QVERIFY(!later.front().medianWpm);
    // A child of the class reads no class.
    Store child(server_.as(kChild), QStringLiteral("child"), Engine::PostgreSQL);
    QVERIFY(child.open());
    QVERIFY(!child.teaches());
}

void TestClassroom::myProgressReadsTheChildsLinesFromTheServer() {
    // This computer's record knows the child (under its own id) and none of their lines.
    const QString local = dir_.filePath(QStringLiteral("reader.sqlite"));
    Child child;
    {
        Store store(local, QStringLiteral("reader-local"));
        QVERIFY(store.open());
        store.addChild(QStringLiteral("someone else"), {});
        child.id = store.childNamed(QString::fromLatin1(kChild)).value_or(0);
        child.name = QString::fromLatin1(kChild);
    }
    Store server(server_.as(kChild), QStringLiteral("reader-server"), Engine::PostgreSQL);
    QVERIFY(server.open());
    const std::size_t onServer = server.lines(*server.childId(child.name)).size();
    QVERIFY(onServer > 0);

    const auto t = test::stateWithKeyData();
    RecordReader reader(local, t.get());
    reader.readFromServer(server_.as(kChild));
    QSignalSpy read(&reader, &RecordReader::read);
    reader.request(child, QDate(2026, 12, 8));
    QVERIFY(read.wait(20000));
    const auto data = read.takeFirst().at(0).value<std::shared_ptr<const ProgressData>>();
    QCOMPARE(data->lines.size(), onServer);
}

void TestClassroom::aServerThatRefusesKeepsTheLinesAndSaysWhy() {
    // An account in no class: the server lets it sign in and keep nothing.
    const QString local = dir_.filePath(QStringLiteral("outsider.sqlite"));
    Store store(local, QStringLiteral("outsider"));
    store.setQueueForServer(true);
    QVERIFY(store.open());
    const qint64 child = store.childNamed(QStringLiteral("tapwell-outsider")).value_or(0);
    QVERIFY(
        store.writeLine(child, lineOf(Activity::Word, 4, QStringLiteral("2026-12-08T11:00:00Z"))));
    Sender sender(local,
                  QString(server_.as(kChild))
                      .replace(QLatin1String(kChild), QLatin1String("tapwell-outsider")),
                  QStringLiteral("tapwell-outsider"));
    sender.setRetryInterval(300);
    sender.start();
    QTRY_VERIFY_WITH_TIMEOUT(sender.status().state == SendStatus::State::Refused, 10000);
    QCOMPARE(sender.status().fault, StoreFault::NoRight);
    QVERIFY(!sender.status().why.isEmpty());
    QCOMPARE(sender.status().waiting, 1);
    QCOMPARE(store.unsentCount(), 1);
}

QTEST_GUILESS_MAIN(TestClassroom)
#include "test_classroom.moc"
