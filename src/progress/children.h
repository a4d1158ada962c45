// The children who share the computer, and what their records add up to. Plain
// functions over the store's rows; the windows only show them.
#pragma once

#include "progress/store.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace tapwell::progress {

// Our own drawings a child picks as theirs, by name (data/pictures/child_<name>.svg).
inline constexpr std::array<const char*, 6> kChildPictures = {"fox",  "owl",  "cat",
                                                              "frog", "bear", "fish"};
bool isChildPicture(const QString& name);

// The first child's name, from the account: the first word of the full name (the
// GECOS field up to its first comma or space), else the login name, else "Me". Never
// empty, and never longer than a name may be.
QString childNameFromAccount(const QString& gecos, const QString& login);
// The account's login name: a child's name in a school's record.
QString accountLogin();
// The same, for the account this program runs under.
QString accountChildName();

inline constexpr int kMaxNameLength = 40;
// The name as kept: spaces at either end and inside runs taken out. Empty when nothing
// is left or it is too long.
QString cleanName(const QString& name);

// A picture no child has yet, or the first one when all are taken.
QString freePicture(const QList<Child>& children);

// The children of the record; on the first start (none yet) one is made from the
// account's name. With a record that cannot be kept, that one child stands alone with
// id 0, so the menu can still say who is typing.
QList<Child> childrenOrFirst(Store& store);

// What "My Progress" shows until the progress window is built.
struct Summary {
    int lines = 0;                   // finished lines, runs, practice fingers and lessons
    int days = 0;                    // days (local time) with at least one of them
    std::optional<double> bestWord;  // best Word Drill line, words per minute
    std::optional<double> bestTimed; // best Timed Drill run, words per minute
};
Summary summarize(const std::vector<Store::StoredLine>& lines);

} // namespace tapwell::progress
