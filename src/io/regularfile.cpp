#include "io/regularfile.h"

#include "state/say.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tapwell {

namespace {

std::string notRegular(mode_t mode) {
    // Why a file cannot be read, after "Tapwell cannot read its keyboard data file …: ".
    if (S_ISDIR(mode))
        //: Why a file cannot be read, after "Tapwell cannot read its … file PATH: ".
        return say("Files", "it is a folder, not a regular file");
    if (S_ISFIFO(mode))
        //: Why a file cannot be read, after "Tapwell cannot read its … file PATH: ".
        return say("Files", "it is a named pipe, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        //: Why a file cannot be read, after "Tapwell cannot read its … file PATH: ".
        return say("Files", "it is a device, not a regular file");
    if (S_ISSOCK(mode))
        //: Why a file cannot be read, after "Tapwell cannot read its … file PATH: ".
        return say("Files", "it is a socket, not a regular file");
    //: Why a file cannot be read, after "Tapwell cannot read its … file PATH: ".
    return say("Files", "it is not a regular file");
}

std::string tooLarge(std::size_t limit) {
    //: Why a file cannot be read, after "Tapwell cannot read its … file PATH: ". %1 is a
    //: number of bytes.
    return fill(say("Files", "it is larger than %1 bytes"), std::to_string(limit));
}

std::string lastError() {
    return std::system_category().message(errno);
}

// Closes the descriptor on every way out.
struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

bool readRegularFile(const std::string& path, std::size_t limit, std::string& bytes,
                     std::string& error) {
    bytes.clear();
    // Look before opening: opening a named pipe waits for a writer, and opening some
    // devices does something.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = lastError();
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = notRegular(st.st_mode);
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > limit) {
        error = tooLarge(limit);
        return false;
    }
    // Non-blocking, and looked at again once open, in case something else took the
    // file's place in between.
    const Fd file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
    if (file.fd < 0) {
        error = lastError();
        return false;
    }
    if (::fstat(file.fd, &st) != 0) {
        error = lastError();
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = notRegular(st.st_mode);
        return false;
    }

    // One byte beyond the limit tells a file that grew past it since it was measured.
    // Some files (those under /proc) say they are empty and are not: the buffer grows.
    std::string buffer(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == buffer.size()) {
            if (got > limit) break;
            buffer.resize(std::min(std::max(got * 2, std::size_t{4096}), limit + 1));
        }
        const ssize_t n = ::read(file.fd, buffer.data() + got, buffer.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = lastError();
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limit) {
        error = tooLarge(limit);
        return false;
    }
    buffer.resize(got);
    bytes = std::move(buffer);
    return true;
}

} // namespace tapwell
