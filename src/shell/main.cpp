#include "progress/classroom.h"
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
#include <optional>

namespace {

// `tapwell --export-progress FILE.csv`: the whole record as CSV, for a parent or a
// teacher, with no window (it runs where there is no display, too). Silent on success.
// The commands with no window: the program's name, no diagnostics, and what went wrong on
// stderr with the exit status 1.
void startCommand() {
    tapwell::quietDiagnostics();
    QCoreApplication::setApplicationName(QStringLiteral("tapwell"));
}

int fail(const QString& text) {
    std::fprintf(stderr, "tapwell: %s\n", text.toLocal8Bit().constData());
    return 1;
}

int exportProgress(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    startCommand();
    if (argc != 3 || argv[2][0] == '\0')
        //: The command line's usage; the option's name stays as it is.
        return fail(QCoreApplication::translate(
            "Main", "usage: tapwell --export-progress FILE.csv (or - for standard output)"));
    // With a school's server, what this account may read there: a child's own lines, a
    // teacher's classes'.
    const QString server = tapwell::progress::configuredServer();
    tapwell::progress::Store store(server.isEmpty() ? tapwell::progress::defaultStorePath()
                                                    : server,
                                   QStringLiteral("tapwell.progress"),
                                   server.isEmpty() ? tapwell::progress::Engine::SQLite
                                                    : tapwell::progress::Engine::PostgreSQL);
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

// The administrator's commands for a school's server, with no window:
//   tapwell --setup-server [--server CONNINFO]
//   tapwell --class NAME --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]
// The server is --server's, else the system-wide configuration's. Silent on success.
int classroomCommand(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    startCommand();
    //: The command line's usage; the options' names stay as they are.
    const QString usage = QCoreApplication::translate(
        "Main", "usage: tapwell --setup-server [--server CONNINFO]\n"
                "       tapwell --class NAME --teacher LOGIN|--child LOGIN [--remove] "
                "[--server CONNINFO]");
    bool setup = false, remove = false;
    QString server, className, login;
    std::optional<tapwell::progress::Member> member;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const auto value = [&](QString& out) {
            if (i + 1 >= args.size() || !out.isEmpty()) return false;
            out = args.at(++i);
            return !out.isEmpty();
        };
        if (a == QLatin1String("--setup-server")) {
            setup = true;
        } else if (a == QLatin1String("--remove")) {
            remove = true;
        } else if (a == QLatin1String("--server")) {
            if (!value(server)) return fail(usage);
        } else if (a == QLatin1String("--class")) {
            if (!value(className)) return fail(usage);
        } else if (a == QLatin1String("--teacher") || a == QLatin1String("--child")) {
            if (member || !value(login)) return fail(usage);
            member = a == QLatin1String("--child") ? tapwell::progress::Member::Child
                                                   : tapwell::progress::Member::Teacher;
        } else {
            return fail(usage);
        }
    }
    if (setup == (!className.isEmpty() || member || remove) || (!setup && !member))
        return fail(usage);
    if (server.isEmpty()) server = tapwell::progress::configuredServer();
    if (server.isEmpty())
        //: On the command line: no server was given or configured.
        return fail(QCoreApplication::translate(
            "Main", "no server: give --server, or set server in the [record] group of "
                    "/etc/xdg/tapwell/tapwell.conf"));
    QString why;
    const bool done =
        setup ? tapwell::progress::setUpServer(server, why)
              : tapwell::progress::changeClass(server, className, *member, login, remove, why);
    return done ? 0 : fail(why);
}

bool isClassroomCommand(const char* arg) {
    return std::strcmp(arg, "--setup-server") == 0 || std::strcmp(arg, "--class") == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--export-progress") == 0)
        return exportProgress(argc, argv);
    if (argc >= 2 && isClassroomCommand(argv[1])) return classroomCommand(argc, argv);
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
