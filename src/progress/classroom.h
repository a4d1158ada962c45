// A classroom on the school's own PostgreSQL server: the record's tables (store.h) with
// the classes beside them, and who may see what, enforced by the server itself:
//   classroom(id, name UNIQUE)
//   class_member(class_id REFERENCES classroom(id), login, role 'child' | 'teacher')
// Every child and teacher signs in as their own PostgreSQL role, of the same name as
// their account; the group roles tapwell_child and tapwell_teacher carry the rights. A
// child reads and writes only their own rows; a teacher reads the rows of the children
// of their classes and writes none; only the administrator changes classes.
#pragma once

#include <QString>
#include <QStringList>

namespace tapwell::progress {

inline constexpr char kChildRole[] = "tapwell_child";
inline constexpr char kTeacherRole[] = "tapwell_teacher";

// The server of the system-wide configuration (/etc/xdg/tapwell/tapwell.conf, [record]
// server): a libpq connection string; empty when the record is this computer's file.
QString configuredServer();

// Makes or brings up to date the server's record, its classes, the two group roles and
// their rights, on an administrator's connection. Running it again changes nothing.
bool setUpServer(const QString& conninfo, QString& why);

enum class Member { Child, Teacher };

// Puts a login into a class (making the class, the login's role with the group's rights
// and, for a child, their child row), or with remove takes it out (and the group's rights
// with it once the login is in no class as that). An administrator's connection.
bool changeClass(const QString& conninfo, const QString& className, Member member,
                 const QString& login, bool remove, QString& why);

} // namespace tapwell::progress
