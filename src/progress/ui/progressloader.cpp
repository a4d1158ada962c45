#include "progress/ui/progresshost.h"
#include "shell/parts.h"

#include <QLoggingCategory>

namespace tapwell {

Q_LOGGING_CATEGORY(lcProgressWindow, "tapwell.progresswindow")

namespace {
constexpr const char* kLibraryName = "tapwell-progress.so";
} // namespace

ProgressView* loadProgressView(const ProgressHost& host, QString& error, const QString& path) {
    QString why;
    const auto make = reinterpret_cast<MakeProgressView>(
        loadPart(kLibraryName, kMakeProgressViewSymbol, path, why));
    if (make) return make(host);
    qCDebug(lcProgressWindow).noquote() << why;
    error = QStringLiteral("Tapwell cannot load the part of it that draws \"My Progress\": %1. "
                           "Installing Tapwell again will mend it.")
                .arg(why);
    return nullptr;
}

} // namespace tapwell
