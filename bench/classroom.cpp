// The classroom on a PostgreSQL server: a class of 30 children with a year of daily use
// each (365 days of 60 lines of about 22 keys: some 15 million keystrokes), made on the
// server by SQL; then what the children and the teacher wait for: sending one line (as
// the sender does, on its own connection), a child's record read as My Progress reads it,
// and the teacher's Class view. Prints "name<TAB>value" lines for bench/run.sh.
// Usage: tapwell_classroom ADMIN-CONNINFO CHILD-CONNINFO TEACHER-CONNINFO CHILD TEACHER
//        [--days N] [--sends N]
#include "progress/classroom.h"
#include "progress/classview.h"
#include "progress/store.h"
#include "state/keytables.h"
#include "state/typestate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace tapwell;
using namespace tapwell::progress;

namespace {

constexpr int kChildren = 30;

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "tapwell_classroom: %s\n", qPrintable(what));
    std::exit(1);
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

void run(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql)) fail(sql.left(60) + QStringLiteral(": ") + q.lastError().text());
}

LineRecord oneLine() {
    LineRecord l;
    l.started = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    l.activity = Activity::Word;
    l.rows = QStringLiteral("home,top");
    l.shift = 0;
    l.chars = 22;
    l.right = 21;
    l.wrong = 1;
    l.ms = 9000;
    l.wpm = 28;
    l.accuracy = 95;
    for (int k = 0; k < 22; ++k)
        l.keys.push_back({'a' + k, 'a' + k, 300});
    return l;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() < 6) fail(QStringLiteral("usage: see the source"));
    const QString admin = a.at(1), childInfo = a.at(2), teacherInfo = a.at(3);
    const QString childLogin = a.at(4), teacherLogin = a.at(5);
    int days = 365, sends = 200;
    for (qsizetype i = 6; i + 1 < a.size(); i += 2) {
        if (a.at(i) == QLatin1String("--days")) days = a.at(i + 1).toInt();
        if (a.at(i) == QLatin1String("--sends")) sends = a.at(i + 1).toInt();
    }

    QString why;
    if (!setUpServer(admin, why)) fail(why);
    if (!changeClass(admin, QStringLiteral("bench"), Member::Teacher, teacherLogin, false, why) ||
        !changeClass(admin, QStringLiteral("bench"), Member::Child, childLogin, false, why))
        fail(why);
    for (int c = 1; c < kChildren; ++c)
        if (!changeClass(admin, QStringLiteral("bench"), Member::Child,
                         QStringLiteral("bench-child-%1").arg(c), false, why))
            fail(why);

    // A year of each child's lines and keys, made by the server itself.
    QElapsedTimer t;
    t.start();
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("fill"));
        if (!applyConninfo(db, admin, why) || !db.open()) fail(db.lastError().text());
        run(db, QStringLiteral("SET client_min_messages = warning"));
        run(db,
            QStringLiteral(
                "INSERT INTO line(child_id, started, activity, rows, shift, chars, right_keys, "
                "wrong_keys, ms, wpm, accuracy, uuid) SELECT c.id, to_char(now() - make_interval("
                "days => d, mins => n * 3), 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), "
                "(ARRAY['character', "
                "'word', 'practice'])[1 + n % 3], 'home,top', n % 2, 22, 21, 1, 9000 + n * 10, "
                "20 + (d + n) % 20, 95, md5(c.id || '-' || d || '-' || n) FROM child c, "
                "generate_series(%1, 0, -1) d, generate_series(1, 60) n WHERE c.name LIKE "
                "'bench-child-%' OR c.name = '%2' ON CONFLICT (uuid) DO NOTHING")
                .arg(days - 1)
                .arg(childLogin));
        run(db, QStringLiteral("INSERT INTO keystroke(line_id, seq, expected, typed, ms) SELECT "
                               "l.id, s, 97 + (l.id + s) % 26, CASE WHEN (l.id + s) % 20 = 0 THEN "
                               "98 ELSE 97 + (l.id + s) % 26 END, 150 + (s * 37) % 250 FROM line "
                               "l, generate_series(1, 22) s WHERE NOT EXISTS (SELECT 1 FROM "
                               "keystroke k WHERE k.line_id = l.id)"));
        run(db, QStringLiteral("ANALYZE"));
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT pg_database_size(current_database()), (SELECT count(*) FROM "
                              "line), (SELECT count(*) FROM keystroke)"));
        q.next();
        std::printf("class of %d, %d days of 60 lines: filled in s\t%.0f\n", kChildren, days,
                    t.elapsed() / 1000.0);
        std::printf("lines\t%lld\nkeystrokes\t%lld\ndatabase size MB\t%.0f\n",
                    q.value(1).toLongLong(), q.value(2).toLongLong(), q.value(0).toDouble() / 1e6);
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));

    // Sending one line, as the sender does: its own connection, the line and its keys in
    // one transaction.
    {
        Store server(childInfo, QStringLiteral("send"), Engine::PostgreSQL);
        if (!server.open()) fail(server.problem().detail);
        const qint64 child = server.childNamed(childLogin).value_or(0);
        std::vector<double> ms;
        for (int i = 0; i < sends; ++i) {
            QElapsedTimer one;
            one.start();
            if (!server.writeLine(child, oneLine())) fail(server.problem().detail);
            ms.push_back(one.nsecsElapsed() / 1e6);
        }
        std::printf("send one line (22 keys) median ms\t%.2f\n", percentile(ms, 0.5));
        std::printf("send one line (22 keys) p99 ms\t%.2f\n", percentile(ms, 0.99));

        // A child's record as My Progress reads it: the lines and the last keys.
        t.restart();
        const Store::Reading r = server.readSince(child);
        std::printf("a child's year read from the server (%zu lines, %zu keys) ms\t%.0f\n",
                    r.lines.size(), r.keys.size(), t.nsecsElapsed() / 1e6);
    }

    // The teacher's Class view of the 30.
    {
        Store teacher(teacherInfo, QStringLiteral("teacher"), Engine::PostgreSQL);
        if (!teacher.open()) fail(teacher.problem().detail);
        TypeState keys;
        QFile file(QStringLiteral(TAPWELL_KEY_DAT));
        KeyDataError error;
        if (!file.open(QIODevice::ReadOnly) ||
            !readKeyData(file.readAll().toStdString(), keys, error))
            fail(QStringLiteral("key.dat: ") + QString::fromStdString(error.message()));
        std::vector<double> ms;
        std::size_t rows = 0;
        for (int i = 0; i < 5; ++i) {
            t.restart();
            rows = classRows(teacher, keys, QDate::currentDate()).size();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("Class view of %zu children, median of 5 ms\t%.0f\n", rows,
                    percentile(ms, 0.5));
    }
    return 0;
}
