// Writes the settings file over and over, alternating two lines, until it is killed:
// the robustness test kills it at random moments and reads what is left.
#include "io/settingsfile.h"
#include "state/options.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tapwell"));
    tapwell::Module1 a, b;
    a.RowSetting(0) = 1;
    a.KeySound = 1;
    b.RowSetting.fill(1);
    b.UseShift = 1;
    for (long i = 0;; ++i) {
        QString path, reason;
        if (!tapwell::saveSettings(i % 2 ? b : a, path, reason)) {
            std::fprintf(stderr, "%s\n", qPrintable(reason));
            return 1;
        }
        if (i == 0) {
            std::printf("writing\n");
            std::fflush(stdout);
        }
    }
}
