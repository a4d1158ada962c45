#include "parts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QLoggingCategory>

namespace tapwell {

Q_LOGGING_CATEGORY(lcParts, "tapwell.parts")

void* loadPart(const char* fileName, const char* symbol, const QString& path, QString& why) {
    const QString here = QCoreApplication::applicationDirPath();
    const QString name = QLatin1String(fileName);
    const QStringList places =
        !path.isEmpty()
            ? QStringList{path}
            : QStringList{QDir(here).filePath(name),
                          QDir(here).filePath(QStringLiteral("../lib/tapwell/") + name)};
    why.clear();
    for (const QString& place : places) {
        if (!QFile::exists(place)) continue;
        QLibrary library(place);
        // Every name resolved now: a library from another build of Tapwell fails here, in
        // words, rather than at its first call.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (QFunctionPointer make = library.resolve(symbol)) {
            qCDebug(lcParts).noquote() << "loaded" << QDir::cleanPath(place);
            return reinterpret_cast<void*>(make);
        }
        why = library.errorString();
        qCDebug(lcParts).noquote() << "cannot load" << place << why;
    }
    if (why.isEmpty()) why = QStringLiteral("%1 is not installed").arg(name);
    return nullptr;
}

} // namespace tapwell
