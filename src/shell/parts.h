// The parts of the program kept in libraries of their own and loaded on first use, so a
// start does not pay for what it may never need: the sound (Qt Multimedia and the sound
// server's libraries) and "My Progress" (Qt Charts). They are found beside the program in
// the build tree and in <prefix>/lib/tapwell once installed.
#pragma once

#include <QString>

namespace tapwell {

// The factory function `symbol` of the library `fileName` ("tapwell-sound.so"), from
// `path` when one is given, else from the usual places. The library stays loaded for the
// rest of the run. nullptr when it cannot be had; why then says so in words.
void* loadPart(const char* fileName, const char* symbol, const QString& path, QString& why);

} // namespace tapwell
