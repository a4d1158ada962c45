#include "shell/app.h"
#include "shell/logging.h"
#include "ui/twips.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tapwell::quietDiagnostics();
    QApplication::setApplicationName(QStringLiteral("tapwell"));
    // No display name: on X11 the toolkit would append it to every window title, and the
    // titles are the program's own ("Try Again!", "Tapwell Help"), exactly as they stand.
    // Ties the windows to the menu entry and its icon (example.brightnook.tapwell.desktop).
    QApplication::setDesktopFileName(QStringLiteral("example.brightnook.tapwell"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    tapwell::installFontSubstitutes();
    if (!tapwell::checkFontsCanShowText()) return 1;
    tapwell::App tapwellApp;
    return tapwellApp.run();
}
