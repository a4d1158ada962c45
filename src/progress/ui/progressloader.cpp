#include "progress/ui/progresshost.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>

namespace tapwell {

Q_LOGGING_CATEGORY(lcProgressWindow, "tapwell.progresswindow")

namespace {
constexpr const char* kLibraryName = "tapwell-progress.so";
} // namespace

ProgressView* loadProgressView(const ProgressHost& host, QString& error, const QString& path) {
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList places =
        !path.isEmpty() ? QStringList{path}
                        : QStringList{QDir(here).filePath(QLatin1String(kLibraryName)),
                                      QDir(here).filePath(QStringLiteral("../lib/tapwell/") +
                                                          QLatin1String(kLibraryName))};
    QString why;
    for (const QString& place : places) {
        if (!QFile::exists(place)) continue;
        // Kept loaded for the rest of the run: the window is made from it.
        QLibrary library(place);
        // Every name resolved now: a library from another build of Tapwell fails here, in
        // words, rather than at its first call.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        const auto make =
            reinterpret_cast<MakeProgressView>(library.resolve(kMakeProgressViewSymbol));
        if (!make) {
            why = library.errorString();
            qCDebug(lcProgressWindow).noquote() << "cannot load" << place << why;
            continue;
        }
        qCDebug(lcProgressWindow).noquote() << "loaded" << QDir::cleanPath(place);
        return make(host);
    }
    error = why.isEmpty() ? QStringLiteral("Tapwell cannot find %1, the part of it that draws \"My "
                                           "Progress\". Installing Tapwell again will mend it.")
                                .arg(QLatin1String(kLibraryName))
                          : QStringLiteral("Tapwell cannot load the part of it that draws \"My "
                                           "Progress\": %1")
                                .arg(why);
    return nullptr;
}

} // namespace tapwell
