// Linked into every test program, so that each one runs the same on its own from the
// build directory as under ctest: it sets up its surroundings before main() starts Qt.
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

// Folders of this process alone, removed when it ends. A test never reads or writes the
// developer's own configuration, nor a folder another test program uses at the same time.
struct PrivateFolders {
    QTemporaryDir config{QDir::tempPath() + QStringLiteral("/tapwell-test-config-XXXXXX")};
    QTemporaryDir runtime{QDir::tempPath() + QStringLiteral("/tapwell-test-runtime-XXXXXX")};
    QTemporaryDir data{QDir::tempPath() + QStringLiteral("/tapwell-test-data-XXXXXX")};
};

void setUpTestEnvironment() {
    // Offscreen unless the developer asks for a real display, to watch a window test.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Otherwise libdbus tries to start a session bus, and LeakSanitizer reports its leak.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    static PrivateFolders folders; // lives until the program's end
    qputenv("XDG_CONFIG_HOME", folders.config.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", folders.runtime.path().toLocal8Bit());
    // The progress record, too, is the test's own.
    qputenv("XDG_DATA_HOME", folders.data.path().toLocal8Bit());
#ifdef TAPWELL_TEST_FONTCONFIG_FILE
    // The font test plays a machine without the fonts we name.
    qputenv("FONTCONFIG_FILE", TAPWELL_TEST_FONTCONFIG_FILE);
#endif
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(setUpTestEnvironment)

// The sanitizers' settings, built in, so a finding fails a test run however it was started.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=1:abort_on_error=1";
}
extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
