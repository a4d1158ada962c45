#include "settingsfile.h"

#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

namespace tapwell {

Q_LOGGING_CATEGORY(lcSettings, "tapwell.settings")

namespace {
// Far larger than any settings line; a bigger file is not ours.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;
} // namespace

QString userSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/") + QString::fromLatin1(kSettingsFileName);
}

void loadSettings(Module1& m) {
    QString path = userSettingsPath();
    if (!QFileInfo::exists(path)) path = QString::fromStdString(m.AppFile(kSettingsFileName));
    applyDefaultSettings(m);
    if (!QFileInfo::exists(path)) return;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        qCWarning(lcSettings).noquote()
            << "cannot read" << path << ":" << f.errorString() << "- using the defaults";
        return;
    }
    const QByteArray bytes = f.read(kMaxSettingsBytes);
    std::string error;
    if (!parseSettings(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       m, error)) {
        applyDefaultSettings(m);
        qCWarning(lcSettings).noquote()
            << "the settings file" << path << "is not valid:" << QString::fromStdString(error)
            << "- using the defaults";
    }
}

bool saveSettings(const Module1& m, QString& path, QString& reason) {
    path = userSettingsPath();
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir)) {
        reason = QStringLiteral("the folder %1 cannot be made").arg(dir);
        return false;
    }
    QSaveFile f(path);
    const std::string line = formatSettings(m);
    // Unbuffered: a buffered write that fails (a full disk) would only show at commit,
    // and commit does not see it, putting an empty file in place of the old one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        f.write(line.data(), static_cast<qint64>(line.size())) !=
            static_cast<qint64>(line.size()) ||
        !f.commit()) {
        reason = f.errorString();
        f.cancelWriting();
        return false;
    }
    return true;
}

std::string findAppPath() {
    const QString exeDir = QCoreApplication::applicationDirPath();
    QString dir = exeDir;
    const QString installed = QDir::cleanPath(exeDir + QStringLiteral("/../share/tapwell"));
    if (!QFileInfo::exists(exeDir + QStringLiteral("/key.dat")) &&
        QFileInfo::exists(installed + QStringLiteral("/key.dat")))
        dir = installed;
    return QDir::toNativeSeparators(dir).toStdString() + "/";
}

} // namespace tapwell
