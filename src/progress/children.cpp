#include "progress/children.h"

#include <QDateTime>
#include <QSet>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>

namespace tapwell::progress {

bool isChildPicture(const QString& name) {
    return std::any_of(kChildPictures.begin(), kChildPictures.end(),
                       [&](const char* p) { return name == QLatin1String(p); });
}

QString cleanName(const QString& name) {
    const QString s = name.simplified();
    return s.size() > kMaxNameLength ? QString() : s;
}

QString childNameFromAccount(const QString& gecos, const QString& login) {
    // "Anna Berg,Room 2,,": the full name is the field before the first comma.
    const QString fullName = gecos.section(QLatin1Char(','), 0, 0).simplified();
    QString first = fullName.section(QLatin1Char(' '), 0, 0);
    if (first.size() > kMaxNameLength) first.truncate(kMaxNameLength);
    if (!first.isEmpty()) return first;
    const QString l = cleanName(login);
    return l.isEmpty() ? QStringLiteral("Me") : l;
}

QString accountLogin() {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QString accountChildName() {
    QString gecos, login;
    if (const passwd* pw = getpwuid(getuid())) {
        if (pw->pw_gecos) gecos = QString::fromLocal8Bit(pw->pw_gecos);
        if (pw->pw_name) login = QString::fromLocal8Bit(pw->pw_name);
    }
    if (login.isEmpty()) login = qEnvironmentVariable("USER");
    return childNameFromAccount(gecos, login);
}

QString freePicture(const QList<Child>& children) {
    for (const char* p : kChildPictures) {
        const QString name = QLatin1String(p);
        if (std::none_of(children.begin(), children.end(),
                         [&](const Child& c) { return c.picture == name; }))
            return name;
    }
    return QLatin1String(kChildPictures[0]);
}

QList<Child> childrenOrFirst(Store& store) {
    QList<Child> children = store.usable() ? store.children() : QList<Child>();
    if (!children.isEmpty()) return children;
    const QString name = accountChildName();
    const QString picture = QLatin1String(kChildPictures[0]);
    if (store.usable() && store.addChild(name, picture)) children = store.children();
    if (children.isEmpty()) children.append(Child{0, name, picture, QString(), QString(), false});
    return children;
}

Summary summarize(const std::vector<Store::StoredLine>& lines) {
    Summary s;
    QSet<QDate> days;
    const auto best = [](std::optional<double>& b, const std::optional<double>& v) {
        if (v && (!b || *v > *b)) b = v;
    };
    for (const Store::StoredLine& l : lines) {
        ++s.lines;
        const QDateTime started = QDateTime::fromString(l.line.started, Qt::ISODateWithMs);
        if (started.isValid()) days.insert(started.toLocalTime().date());
        if (l.line.activity == Activity::Word) best(s.bestWord, l.line.wpm);
        if (l.line.activity == Activity::Timed) best(s.bestTimed, l.line.wpm);
    }
    s.days = static_cast<int>(days.size());
    return s;
}

} // namespace tapwell::progress
