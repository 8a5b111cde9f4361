#include "persist/regular_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vardo {
namespace {

// Closes the descriptor whatever way the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

void requireRegular(const struct stat& info, const std::string& path) {
    if (!S_ISREG(info.st_mode)) throw FileReadError(notRegularError(info.st_mode), path);
    if (static_cast<std::size_t>(info.st_size) > kMaxReadBytes) throw FileReadError(EFBIG, path);
}

}  // namespace

int notRegularError(mode_t mode) {
    return S_ISDIR(mode) ? EISDIR : EACCES;
}

std::string readWholeFile(const std::string& path, bool& missing) {
    missing = false;
    // The type is checked before opening: opening a FIFO or a device could block or act on it.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            missing = true;
            return {};
        }
        throw FileReadError(errno, path);
    }
    requireRegular(info, path);
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) throw FileReadError(errno, path);
    // The name may have been given to something else between the check and the open.
    if (::fstat(file.get(), &info) != 0) throw FileReadError(errno, path);
    requireRegular(info, path);

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            throw FileReadError(errno, path);
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() > kMaxReadBytes) throw FileReadError(EFBIG, path);
    }
    return bytes;
}

}  // namespace vardo
