#include "io/settingsfile.h"
#include "logging.h"

#include "io/regularfile.h"
#include "io/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace tapwell {

namespace {
// Far larger than any settings line; a bigger file is not ours, and is not read.
constexpr std::size_t kMaxSettingsBytes = 4 * 1024;
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
    std::string bytes, error;
    if (!readRegularFile(QFile::encodeName(path).toStdString(), kMaxSettingsBytes, bytes, error)) {
        qCWarning(lcSettings).noquote() << "cannot read" << path << ":"
                                        << QString::fromStdString(error) << "- using the defaults";
        return;
    }
    if (!parseSettings(bytes, m, error)) {
        applyDefaultSettings(m);
        qCWarning(lcSettings).noquote()
            << "the settings file" << path << "is not valid:" << QString::fromStdString(error)
            << "- using the defaults";
    }
}

void removeUnfinishedSaves() {
    const QFileInfo user(userSettingsPath());
    // QSaveFile names its temporary copy after the file with six letters or digits
    // added, writes it, and renames it over the file only once it is whole.
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(user.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDir dir = user.absoluteDir();
    const QFileInfoList candidates =
        dir.entryInfoList({user.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& f : candidates) {
        if (!leftover.match(f.fileName()).hasMatch()) continue;
        if (QFile::remove(f.absoluteFilePath()))
            qCDebug(lcSettings).noquote() << "removed an unfinished save" << f.absoluteFilePath();
        else
            qCWarning(lcSettings).noquote()
                << "cannot remove the unfinished save" << f.absoluteFilePath();
    }
}

bool saveSettings(const Module1& m, QString& path, QString& reason) {
    path = userSettingsPath();
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir)) {
        //: Why the options cannot be saved. %1 is a folder's path.
        reason =
            QCoreApplication::translate("SettingsFile", "the folder %1 cannot be made").arg(dir);
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
