// Where the settings file lives and how it is read and written. An installed
// program's directory is read-only, so the user's own copy is kept in the user's
// configuration directory; the copy shipped beside key.dat is the first-start default.
#pragma once

#include "state/options.h"

#include <QString>

namespace tapwell {

QString userSettingsPath();

// The user's file when there is one, else the shipped default in the data directory,
// else the built-in defaults. A file that cannot be read (among them anything but a plain
// file of a few KB) or makes no sense gives the defaults, and a line on stderr says why.
void loadSettings(Module1& m);

// Removes what a save killed half way left beside the user's file: the temporary
// copy that is renamed over the file once it is whole ("tapwell1.ini.aBcDeF"). The
// user's file itself is never touched. Run once at start-up, before the first save.
void removeUnfinishedSaves();

// Writes the whole line to the user's file, atomically: the old file stays whole when
// the write fails. On failure, reason says why.
bool saveSettings(const Module1& m, QString& path, QString& reason);

// The directory of the program's data, with a trailing separator: beside the
// executable in the build tree, <prefix>/share/tapwell once installed.
std::string findAppPath();

} // namespace tapwell
