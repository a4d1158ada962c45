// Small file helpers for the tests that write settings and data files.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

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

} // namespace tapwell::test
