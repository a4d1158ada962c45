#include "logging.h"

#include <QLoggingCategory>
#include <QString>

#include <cstring>

namespace tapwell {

Q_LOGGING_CATEGORY(lcShell, "tapwell.shell")
Q_LOGGING_CATEGORY(lcPlugins, "tapwell.parts")

namespace {

Q_LOGGING_CATEGORY(lcSoundBackend, "tapwell.sound.backend")

QtMessageHandler previousHandler = nullptr;

// Qt Multimedia reports a machine without a sound server as a warning of its own, outside
// any category; we say the same on tapwell.sound when asked.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool uncategorised = !context.category || std::strcmp(context.category, "default") == 0;
    if (type == QtWarningMsg && uncategorised &&
        message.startsWith(QLatin1String("PulseAudioService:"))) {
        qCDebug(lcSoundBackend).noquote() << message;
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

void quietDiagnostics() {
    // QT_LOGGING_RULES is applied after these rules, so it still turns any of them on.
    QLoggingCategory::setFilterRules(QStringLiteral("tapwell.*.debug=false\n"
                                                    "tapwell.*.info=false\n"
                                                    "tapwell.*.warning=false"));
    if (!previousHandler) previousHandler = qInstallMessageHandler(filterMessages);
}

} // namespace tapwell
