#include "export.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace tapwell::progress {

namespace {

// One CSV cell. A cell a spreadsheet would take for a formula gets a quote in front, so
// a child's name cannot run anything; a cell with a comma, a quote or a line break is
// quoted, its quotes doubled.
QString cell(QString text) {
    // A tab or a carriage return in front hides the rest from a spreadsheet's eye, and
    // makes a formula of it all the same.
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

template <typename T> QString number(const std::optional<T>& v) {
    return v ? QString::number(*v) : QString();
}

} // namespace

QByteArray csvOf(Store& store) {
    // Lines end with CR LF, as RFC 4180 has them.
    QString text = QStringLiteral(
        "child,started,activity,rows,shift,chars,right_keys,wrong_keys,ms,wpm,accuracy,"
        "keyboard\r\n");
    for (const Store::StoredLine& s : store.lines()) {
        const LineRecord& l = s.line;
        const QStringList cells = {
            cell(s.childName), cell(l.started),    cell(activityName(l.activity)),
            cell(l.rows),      number(l.shift),    number(l.chars),
            number(l.right),   number(l.wrong),    number(l.ms),
            number(l.wpm),     number(l.accuracy), cell(l.keyboard)};
        text += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

bool exportCsv(Store& store, const QString& file, ExportError& error) {
    error = {};
    error.file = file;
    if (!store.usable()) {
        error.fault = ExportFault::RecordUnreadable;
        error.record = store.problem();
        return false;
    }
    const QFileInfo info(file);
    if (info.isDir()) {
        error.fault = ExportFault::FileIsFolder;
        return false;
    }
    if (file == QLatin1String("-")) {
        QFile out;
        const QByteArray bytes = csvOf(store);
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size() ||
            !out.flush()) {
            error.fault = ExportFault::CannotWrite;
            error.detail = out.errorString();
            return false;
        }
        return true;
    }
    // Replacing a pipe or a device node with a file would break what it is for (as root,
    // /dev/null itself): only a plain file, or a new one.
    if (info.exists() && !info.isFile()) {
        error.fault = ExportFault::NotAPlainFile;
        return false;
    }
    const bool fresh = !info.exists();
    const QByteArray bytes = csvOf(store);
    QSaveFile f(file);
    // Unbuffered, so a write that fails (a full disk) fails here and not unseen at commit.
    const bool opened = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (opened && fresh) f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!opened || f.write(bytes) != bytes.size() || !f.commit()) {
        error.fault = ExportFault::CannotWrite;
        error.detail = f.errorString();
        return false;
    }
    return true;
}

} // namespace tapwell::progress
