// Small file helpers for the tests that write settings and data files.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace tapwell::test {

// Writes bytes to path, making its folder first; false when that fails.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The whole file, or ifMissing when it cannot be read.
inline QByteArray readFile(const QString& path, const QByteArray& ifMissing = {}) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : ifMissing;
}

// What may stand where one of our files should be without being a plain file of a
// sensible size, one test row each: a reader must refuse it at once, saying what it is,
// and never wait on it or read it whole.
inline void addNotPlainFileRows() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // in the reader's error
    QTest::newRow("named pipe") << "fifo"
                                << "it is a named pipe, not a regular file";
    QTest::newRow("link to /dev/zero") << "zero"
                                       << "it is a device, not a regular file";
    QTest::newRow("folder") << "folder"
                            << "it is a folder, not a regular file";
    QTest::newRow("sparse file of a gigabyte") << "huge"
                                               << "it is larger than";
}

// Makes at path what a row above names; false when that cannot be done.
inline bool makeNotPlainFile(const QString& path, const QString& kind) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (kind == QLatin1String("fifo")) return ::mkfifo(QFile::encodeName(path), 0600) == 0;
    if (kind == QLatin1String("zero")) return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("folder")) return QDir().mkpath(path);
    if (kind == QLatin1String("huge")) { // sparse: it takes no room on the disk
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.resize(qint64{1} << 30);
    }
    return false;
}

// Files that grow past this many bytes make the write fail, as on a full disk; it stops
// root too, which a read-only folder does not.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

} // namespace tapwell::test
