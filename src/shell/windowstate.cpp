#include "windowstate.h"

#include "ui/twips.h"

#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace tapwell {

namespace {
constexpr const char* kGroup = "MainWindow";
} // namespace

QString optionsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/tapwell.conf");
}

void saveWindowSize(const QWidget* window) {
    QSettings options(optionsFilePath(), QSettings::IniFormat);
    options.beginGroup(QLatin1String(kGroup));
    // The size it has when neither maximised nor full screen, to come back to.
    options.setValue(QStringLiteral("size"), window->normalGeometry().size());
    options.setValue(QStringLiteral("maximized"), window->isMaximized());
    options.setValue(QStringLiteral("fullScreen"), window->isFullScreen());
    options.endGroup();
    options.sync();
}

void restoreWindowSize(QWidget* window) {
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
