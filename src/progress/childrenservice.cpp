#include "childrenservice.h"

namespace tapwell::progress {

ChildrenService::ChildrenService(Store& store) : store_(store) {
    children_ = childrenOrFirst(store_);
}

void ChildrenService::reload() {
    children_ = childrenOrFirst(store_);
    emit changed(children_);
}

QString ChildrenService::usableName(const QString& name, qint64 id, ChildError& error) const {
    const QString n = cleanName(name);
    if (n.isEmpty()) {
        error = {ChildFault::NoName, {}, {}};
        return {};
    }
    for (const Child& c : children_)
        if (c.id != id && c.name.compare(n, Qt::CaseInsensitive) == 0) {
            error = {ChildFault::NameTaken, c.name, {}};
            return {};
        }
    return n;
}

std::optional<qint64> ChildrenService::add(const QString& name, const QString& picture,
                                           ChildError& error) {
    const QString n = usableName(name, -1, error); // no child is exempt
    if (n.isEmpty()) return std::nullopt;
    const std::optional<qint64> id = store_.addChild(n, picture);
    if (!id) {
        error = {ChildFault::Record, {}, store_.problem()};
        return std::nullopt;
    }
    reload();
    return id;
}

bool ChildrenService::change(qint64 id, const QString& name, const QString& picture,
                             ChildError& error) {
    const QString n = usableName(name, id, error);
    if (n.isEmpty()) return false;
    if (!store_.changeChild(id, n, picture)) {
        error = {ChildFault::Record, {}, store_.problem()};
        return false;
    }
    reload();
    return true;
}

bool ChildrenService::setKeyboard(qint64 id, const QString& keyboard, bool accents,
                                  ChildError& error) {
    if (!store_.setKeyboard(id, keyboard, accents)) {
        error = {ChildFault::Record, {}, store_.problem()};
        return false;
    }
    reload();
    return true;
}

bool ChildrenService::setLanguage(qint64 id, const QString& language, ChildError& error) {
    if (!store_.setLanguage(id, language)) {
        error = {ChildFault::Record, {}, store_.problem()};
        return false;
    }
    reload();
    return true;
}

bool ChildrenService::setTalk(qint64 id, bool talk, ChildError& error) {
    if (!store_.setTalk(id, talk)) {
        error = {ChildFault::Record, {}, store_.problem()};
        return false;
    }
    reload();
    return true;
}

bool ChildrenService::remove(qint64 id, ChildError& error) {
    if (children_.size() < 2) {
        error = {ChildFault::LastChild, {}, {}};
        return false;
    }
    if (!store_.removeChild(id)) {
        error = {ChildFault::Record, {}, store_.problem()};
        return false;
    }
    reload();
    return true;
}

} // namespace tapwell::progress
