#include "persist/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

namespace vardo {
namespace {

struct InjectedFailure {
    WriteStage stage;
    int error;
};
std::optional<InjectedFailure> injected;

// Throws when a failure was injected for this stage (and forgets it).
void checkInjected(WriteStage stage, const std::string& path) {
    if (injected && injected->stage == stage) {
        const int error = injected->error;
        injected.reset();
        throw FileWriteError(error, stage, path);
    }
}

// Closes and removes the new file unless it was put in place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) {
        name_ = target + ".tmpXXXXXX";
        fd_ = ::mkstemp(name_.data());
        placed_ = fd_ < 0;  // nothing to remove
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!placed_) ::unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& name() const { return name_; }
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }
    void placed() { placed_ = true; }

private:
    std::string name_;
    int fd_ = -1;
    bool placed_ = false;
};

// The rights of the new file: the old file's, or what the file-creation mask allows.
mode_t modeFor(const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A symbolic link is followed, so that the file it names is replaced and the link stays.
std::string resolvedTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string target = real;
            std::free(real);
            return target;
        }
    }
    return path;
}

void writeAll(int fd, std::string_view bytes, const std::string& path) {
    checkInjected(WriteStage::Write, path);
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            throw FileWriteError(errno, WriteStage::Write, path);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Writes and flushes the new file; the caller puts it in place.
void fillTemporary(TemporaryFile& file, std::string_view bytes, const std::string& path,
                   mode_t mode) {
    checkInjected(WriteStage::Create, path);
    if (file.fd() < 0) throw FileWriteError(errno, WriteStage::Create, path);
    // mkstemp makes the file private; the file keeps the rights it had, or gets the usual ones.
    ::fchmod(file.fd(), mode);
    writeAll(file.fd(), bytes, path);
    checkInjected(WriteStage::Flush, path);
    if (::fsync(file.fd()) != 0) throw FileWriteError(errno, WriteStage::Flush, path);
    if (file.close() != 0) throw FileWriteError(errno, WriteStage::Flush, path);
}

}  // namespace

FileWriteError::FileWriteError(int error, WriteStage stage, const std::string& path)
    : std::system_error(error, std::generic_category(), path), stage_(stage), path_(path) {}

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = resolvedTarget(path);
    TemporaryFile file(target);
    fillTemporary(file, bytes, path, modeFor(target));
    checkInjected(WriteStage::Rename, path);
    if (::rename(file.name().c_str(), target.c_str()) != 0) {
        throw FileWriteError(errno, WriteStage::Rename, path);
    }
    // The folder is not flushed: whether or not the rename outlives a power cut, the name
    // holds a whole file, the new one or the old one.
    file.placed();
}

bool writeNewFileAtomically(const std::string& path, std::string_view bytes) {
    TemporaryFile file(path);
    fillTemporary(file, bytes, path, modeFor(path));
    checkInjected(WriteStage::Rename, path);
    // A hard link never replaces its target: it fails when the name is taken.
    if (::link(file.name().c_str(), path.c_str()) != 0) {
        if (errno == EEXIST) return false;
        throw FileWriteError(errno, WriteStage::Rename, path);
    }
    return true;
}

void injectWriteFailure(WriteStage stage, int error) {
    injected = InjectedFailure{stage, error};
}

}  // namespace vardo
