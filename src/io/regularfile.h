// Reading one of our data files: key.dat, the settings file, the wave sounds, the help.
// Each of them is a small plain file, so anything else found under its name is refused
// before it is read: a folder, a named pipe (opening one would wait for a writer for
// ever), a device such as /dev/zero (which never ends), or a file far larger than any
// real one. Always read our files through this function rather than opening them.
#pragma once

#include <cstddef>
#include <string>

namespace tapwell {

// Reads the file at path (a symbolic link to a plain file is followed) into bytes when
// it is a regular file of at most limit bytes. Otherwise bytes is left empty and error
// says why in a few words that follow "cannot read <file>: ", e.g. "it is a named pipe,
// not a regular file" or "No such file or directory".
bool readRegularFile(const std::string& path, std::size_t limit, std::string& bytes,
                     std::string& error);

} // namespace tapwell
