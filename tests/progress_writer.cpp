// Writes lines of the progress record, each with its keys, over and over until it is
// killed: the progress test kills it at random moments and checks what is left.
// Usage: progress_writer FILE [PAUSE_MS]   (PAUSE_MS between lines, as a child types them)
#include "progress/store.h"
#include "ui/recordwords.h"

#include <QCoreApplication>

#include <QThread>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    tapwell::progress::Store store(QString::fromLocal8Bit(argv[1]));
    if (!store.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(tapwell::recordProblemText(store.problem())));
        return 1;
    }
    // Another writer started at the same moment may add the child first.
    qint64 child = 0;
    for (int tries = 0; child == 0 && tries < 3; ++tries) {
        const QList<tapwell::progress::Child> children = store.children();
        child = children.isEmpty() ? store.addChild(QStringLiteral("Writer"), {}).value_or(0)
                                   : children.first().id;
    }
    const int pauseMs = argc > 2 ? std::atoi(argv[2]) : 0;
    for (long i = 0;; ++i) {
        if (pauseMs > 0 && i > 0) QThread::msleep(static_cast<unsigned long>(pauseMs));
        // chars holds the number of keys, so a line missing some of them shows.
        tapwell::progress::LineRecord line;
        line.started = QStringLiteral("2026-12-08T09:15:02.250Z");
        line.activity = tapwell::Activity::Character;
        const int keys = 1 + static_cast<int>(i * 37 % 300);
        line.chars = keys;
        for (int k = 0; k < keys; ++k)
            line.keys.push_back({'a' + k % 26, 'a' + (k + 1) % 26, 150 + k});
        if (!store.writeLine(child, line)) {
            std::fprintf(stderr, "%s\n", qPrintable(tapwell::recordProblemText(store.problem())));
            return 1;
        }
        if (i == 0) {
            std::printf("writing\n");
            std::fflush(stdout);
        }
    }
}
