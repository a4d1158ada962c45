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
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
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

bool exportCsv(Store& store, const QString& file, ExportError& error) {
    error = {};
    error.file = file;
    if (!store.usable()) {
        error.fault = ExportFault::RecordUnreadable;
        error.record = store.problem();
        return false;
    }
    if (QFileInfo(file).isDir()) {
        error.fault = ExportFault::FileIsFolder;
        return false;
    }
    // Lines end with CR LF, as RFC 4180 has them.
    QString text = QStringLiteral(
        "child,started,activity,rows,shift,chars,right_keys,wrong_keys,ms,wpm,accuracy\r\n");
    for (const Store::StoredLine& s : store.lines()) {
        const LineRecord& l = s.line;
        const QStringList cells = {
            cell(s.childName), cell(l.started),   cell(activityName(l.activity)),
            cell(l.rows),      number(l.shift),   number(l.chars),
            number(l.right),   number(l.wrong),   number(l.ms),
            number(l.wpm),     number(l.accuracy)};
        text += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    const QByteArray bytes = text.toUtf8();
    QSaveFile f(file);
    // Unbuffered, so a write that fails (a full disk) fails here and not unseen at commit.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || f.write(bytes) != bytes.size() ||
        !f.commit()) {
        error.fault = ExportFault::CannotWrite;
        error.detail = f.errorString();
        return false;
    }
    return true;
}

} // namespace tapwell::progress
