#include "windowstate.h"

#include "ui/twips.h"

#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace tapwell {

namespace {
constexpr const char* kGroup = "MainWindow";
// A few lines; anything larger is not ours.
constexpr qint64 kMaxOptionsBytes = 64 * 1024;

// The options file as the other files are read: only when it is a plain file of a
// sensible size, or not there at all. A named pipe in its place would keep QSettings
// waiting for a writer for ever; a device would never end.
bool readable(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.size() <= kMaxOptionsBytes);
}
} // namespace

QString optionsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/tapwell.conf");
}

void saveWindowSize(const QWidget* window) {
    if (!readable(optionsFilePath())) return; // not ours to replace
    QSettings options(optionsFilePath(), QSettings::IniFormat);
    options.beginGroup(QLatin1String(kGroup));
    // The size it has when neither maximised nor full screen, to come back to.
    options.setValue(QStringLiteral("size"), window->normalGeometry().size());
    options.setValue(QStringLiteral("maximized"), window->isMaximized());
    options.setValue(QStringLiteral("fullScreen"), window->isFullScreen());
    options.endGroup();
    options.sync();
    // The user's own, like the rest of what Tapwell keeps.
    QFile::setPermissions(optionsFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void restoreWindowSize(QWidget* window) {
    if (!readable(optionsFilePath())) return; // the layout's own size
    QSettings options(optionsFilePath(), QSettings::IniFormat);
    options.beginGroup(QLatin1String(kGroup));
    QSize size = options.value(QStringLiteral("size")).toSize();
    if (size.isValid() && !size.isEmpty()) {
        if (const QScreen* screen = window->screen())
            size = size.boundedTo(screen->availableGeometry().size());
        window->resize(size.expandedTo(window->minimumSize()));
        centreOnScreen(window);
    }
    Qt::WindowStates state = window->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen);
    if (options.value(QStringLiteral("fullScreen")).toBool())
        state |= Qt::WindowFullScreen;
    else if (options.value(QStringLiteral("maximized")).toBool())
        state |= Qt::WindowMaximized;
    window->setWindowState(state);
}

} // namespace tapwell
