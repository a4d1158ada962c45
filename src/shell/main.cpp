#include "progress/export.h"
#include "shell/app.h"
#include "shell/logging.h"
#include "ui/pictures.h"
#include "ui/recordwords.h"
#include "ui/twips.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>

namespace {

// `tapwell --export-progress FILE.csv`: the whole record as CSV, for a parent or a
// teacher, with no window (it runs where there is no display, too). Silent on success.
int exportProgress(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    tapwell::quietDiagnostics();
    QCoreApplication::setApplicationName(QStringLiteral("tapwell"));
    const auto fail = [](const QString& text) {
        std::fprintf(stderr, "tapwell: %s\n", text.toLocal8Bit().constData());
        return 1;
    };
    if (argc != 3 || argv[2][0] == '\0')
        //: The command line's usage; the option's name stays as it is.
        return fail(QCoreApplication::translate(
            "Main", "usage: tapwell --export-progress FILE.csv (or - for standard output)"));
    tapwell::progress::Store store(tapwell::progress::defaultStorePath());
    if (!store.open()) return fail(tapwell::recordProblemText(store.problem()));
    if (!store.movedAside().isEmpty())
        //: On the command line, exporting the record. %1 is the path the damaged file was
        //: kept at.
        return fail(QCoreApplication::translate("Main",
                                                "the progress file was damaged; it was kept as %1 "
                                                "and a new one started, so there is nothing to "
                                                "export.")
                        .arg(store.movedAside()));
    tapwell::progress::ExportError error;
    if (!tapwell::progress::exportCsv(store, QString::fromLocal8Bit(argv[2]), error))
        return fail(tapwell::exportErrorText(error));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--export-progress") == 0)
        return exportProgress(argc, argv);
    // Whether any font can show our text, found out while the toolkit connects to the
    // display; the answer is awaited before the first window is made.
    tapwell::startFontCheck();
    QApplication app(argc, argv);
    tapwell::startFontCheck();
    tapwell::quietDiagnostics();
    QApplication::setApplicationName(QStringLiteral("tapwell"));
    // No display name: on X11 the toolkit would append it to every window title, and the
    // titles are the program's own ("Try Again!", "Tapwell Help"), exactly as they stand.
    // Ties the windows to the menu entry and its icon (example.brightnook.tapwell.desktop).
    QApplication::setDesktopFileName(QStringLiteral("example.brightnook.tapwell"));
    QApplication::setWindowIcon(tapwell::programIcon());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    tapwell::installFontSubstitutes();
    if (!tapwell::checkFontsCanShowText()) return 1;
    tapwell::App tapwellApp;
    return tapwellApp.run();
}
