// The key data we ship, for the tests that need real tables.
#pragma once

#include "state/keytables.h"
#include "state/typestate.h"

#include <QByteArray>
#include <QFile>
#include <QtGlobal>

#include <memory>

namespace tapwell::test {

// data/key.dat as it stands in the source tree.
inline QByteArray shippedKeyData() {
    QFile f(QStringLiteral(TAPWELL_TEST_DATA_DIR "/key.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// data/words/<language>.txt as it stands in the source tree.
inline QByteArray shippedWords(const char* language) {
    QFile f(QStringLiteral(TAPWELL_TEST_DATA_DIR "/words/") + QLatin1String(language) +
            QStringLiteral(".txt"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A fresh state with the shipped key data loaded.
inline std::unique_ptr<TypeState> stateWithKeyData() {
    auto s = std::make_unique<TypeState>();
    KeyDataError error;
    if (!readKeyData(shippedKeyData().toStdString(), *s, error))
        qFatal("key.dat: %s", error.message().c_str());
    return s;
}

} // namespace tapwell::test
