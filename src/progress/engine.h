// The two engines a progress record lives on: the SQLite file of one computer (the
// default, which needs no setting up) and a school's PostgreSQL server. The store's
// statements are written once for both; every way in which the two differ is here.
#pragma once

#include <QString>

class QSqlDatabase;
class QSqlError;

namespace tapwell::progress {

enum class StoreFault;

enum class Engine { SQLite, PostgreSQL };

class Dialect {
public:
    explicit Dialect(Engine engine = Engine::SQLite) : engine_(engine) {}
    Engine engine() const { return engine_; }
    bool server() const { return engine_ == Engine::PostgreSQL; }
    // Qt SQL's driver: QSQLITE or QPSQL.
    QString driver() const;

    // A transaction that holds the write lock from its start (SQLite's BEGIN IMMEDIATE):
    // another writer is waited out at the start, not half way through.
    QString beginWrite() const;
    // The schema's version: SQLite's user_version, the server's schema_version table.
    QString readVersion() const;
    QString writeVersion(int version) const;

    // The schema's words that differ: a table's own id, and a table kept in the order of
    // its primary key.
    QString idColumn() const;
    QString idReference() const; // the type of a column that holds another table's id
    QString clusteredTable() const;

    // What a failed statement means.
    StoreFault faultFor(const QSqlError& e) const;
    bool damaged(const QSqlError& e) const;     // the file is damaged (SQLite only)
    bool duplicate(const QSqlError& e) const;   // a unique value already taken
    bool unreachable(const QSqlError& e) const; // the server could not be reached
    bool refused(const QSqlError& e) const;     // no right to do it, or a newer schema

private:
    Engine engine_;
};

// Applies a libpq connection string ("host=school-server dbname=tapwell", values in
// single quotes where they hold spaces) to a QPSQL connection: host, port, dbname, user
// and password to their setters, every other keyword to the connect options. A
// connect_timeout is added when it has none, so that a server away never hangs. False
// with why on a string that is not one.
bool applyConninfo(QSqlDatabase& db, const QString& conninfo, QString& why);
// A server connection's settings: its notices ("already exists, skipping") are not for
// stderr, where libpq prints them unless told to keep them back; and no statement may
// hang on a server that stopped answering.
void startSession(QSqlDatabase& db);

} // namespace tapwell::progress
