// The children who share the computer, as a parent changes them: every window that adds,
// renames or removes a child does it here, and hears of every change through changed().
// No window writes children to the record itself.
#pragma once

#include "progress/children.h"
#include "progress/store.h"

#include <QList>
#include <QObject>

#include <optional>

namespace tapwell::progress {

enum class ChildFault {
    None,
    NoName,    // nothing left of the name, or longer than kMaxNameLength
    NameTaken, // another child has it (case aside): `name` is theirs
    LastChild, // the last child stays
    Record,    // the record could not be written: `record` says why
};

struct ChildError {
    ChildFault fault = ChildFault::None;
    QString name;
    StoreProblem record;
};

class ChildrenService final : public QObject {
    Q_OBJECT
public:
    explicit ChildrenService(Store& store);

    // The children of the record as of the last change (childrenOrFirst).
    const QList<Child>& children() const { return children_; }
    // Reads them again from the record, and tells of them.
    void reload();
    // Whether the record can take changes at all.
    bool canChange() const { return store_.usable(); }

    // The name as it would be kept for child `id` (-1: a new child); empty with the fault
    // when it cannot be.
    QString usableName(const QString& name, qint64 id, ChildError& error) const;

    std::optional<qint64> add(const QString& name, const QString& picture, ChildError& error);
    bool change(qint64 id, const QString& name, const QString& picture, ChildError& error);
    // The keyboard the child types on (as XKB names it; empty: the one in use) and whether
    // they are asked for accents and AltGr.
    bool setKeyboard(qint64 id, const QString& keyboard, bool accents, ChildError& error);
    // The language the child reads ("de"; empty: the desktop's).
    bool setLanguage(qint64 id, const QString& language, ChildError& error);
    // Whether Tapwell talks to the child.
    bool setTalk(qint64 id, bool talk, ChildError& error);
    // The child and everything recorded for them.
    bool remove(qint64 id, ChildError& error);

signals:
    void changed(const QList<tapwell::progress::Child>& children);

private:
    Store& store_;
    QList<Child> children_;
};

} // namespace tapwell::progress
