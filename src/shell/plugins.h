// The parts of the program kept in Qt plug-ins of their own and loaded on first use, so a
// start does not pay for what it may never need: the sound (Qt Multimedia and the sound
// server's libraries) and "My Progress" (Qt Charts). They are found beside the program in
// the build tree and in <prefix>/lib/tapwell once installed.
#pragma once

#include "progresswindow/progressplugin.h"
#include "services/soundservice.h"
#include "services/voice.h"

#include <QString>

#include <memory>

namespace tapwell {

// The sound from its plug-in (from `path` when given); when it cannot be loaded, a silent
// one, and why says why.
std::unique_ptr<SoundService> loadSoundService(QString& why, const QString& path = {});

// The voice from its plug-in; null (silence) when it cannot be loaded, and why says why.
std::unique_ptr<Voice> loadVoice(QString& why, const QString& path = {});

// Loads the plug-in and makes the window; null with a reason in words when the plug-in is
// missing or is not ours. Looked for beside the program (the build tree), then in
// ../lib/tapwell (installed), unless path names the file.
ProgressView* loadProgressView(const ProgressHost& host, QString& error, const QString& path = {});

} // namespace tapwell
