#include "persist/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "persist/regular_file.h"

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
        name_ = target + std::string(kTemporaryMark) + std::string(kTemporaryRandomChars, 'X');
        fd_ = ::mkstemp(name_.data());
        error_ = fd_ < 0 ? errno : 0;
        placed_ = fd_ < 0;  // nothing to remove
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!placed_) ::unlink(name_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    int error() const { return error_; }  // why the file could not be made
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
    int error_ = 0;
    bool placed_ = false;
};

// The rights of a new file: what the file-creation mask allows.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A symbolic link is followed, so that the file it names is replaced and the link stays. A link
// that leads nowhere is itself replaced, in its own folder.
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

// The file being replaced, open for writing, or -1 when there is none yet. Only a regular file
// that the user may write is replaced: anything else (a folder, FIFO, socket or device) is
// refused before it is opened, and a file the user may not write keeps its bytes and rights.
int openReplacedFile(const std::string& target, const std::string& path) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return -1;  // creating the new file will say why
    if (!S_ISREG(info.st_mode))
        throw FileWriteError(notRegularError(info.st_mode), WriteStage::Create, path);
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw FileWriteError(errno, WriteStage::Create, path);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw FileWriteError(EACCES, WriteStage::Create, path);
    }
    return fd;
}

// The folder refuses new files, though the file itself may be writable.
bool folderRefusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
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

void flush(int fd, const std::string& path) {
    checkInjected(WriteStage::Flush, path);
    if (::fsync(fd) != 0) throw FileWriteError(errno, WriteStage::Flush, path);
}

// Writes and flushes the new file; the caller puts it in place.
void fillTemporary(TemporaryFile& file, std::string_view bytes, const std::string& path,
                   mode_t mode) {
    checkInjected(WriteStage::Create, path);
    if (file.fd() < 0) throw FileWriteError(file.error(), WriteStage::Create, path);
    // mkstemp makes the file private; the file keeps the rights it had, or gets the usual ones.
    ::fchmod(file.fd(), mode);
    writeAll(file.fd(), bytes, path);
    flush(file.fd(), path);
    if (file.close() != 0) throw FileWriteError(errno, WriteStage::Flush, path);
}

// Where no new file can be made beside it, the file is overwritten where it stands: the bytes
// first, then the length, then the flush.
void writeInPlace(int fd, std::string_view bytes, const std::string& path) {
    writeAll(fd, bytes, path);
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        throw FileWriteError(errno, WriteStage::Write, path);
    flush(fd, path);
}

// Closes the replaced file's descriptor however the write ends.
class ReplacedFile {
public:
    ReplacedFile(const std::string& target, const std::string& path)
        : fd_(openReplacedFile(target, path)) {}
    ~ReplacedFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;
    bool exists() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    mode_t mode() const {
        struct stat info {};
        return ::fstat(fd_, &info) == 0 ? info.st_mode & 07777 : newFileMode();
    }

private:
    int fd_;
};

}  // namespace

FileWriteError::FileWriteError(int error, WriteStage stage, const std::string& path)
    : std::system_error(error, std::generic_category(), path), stage_(stage), path_(path) {}

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = resolvedTarget(path);
    const ReplacedFile replaced(target, path);
    TemporaryFile file(target);
    if (file.fd() < 0 && replaced.exists() && folderRefusesNewFiles(file.error())) {
        writeInPlace(replaced.fd(), bytes, path);
        return;
    }
    fillTemporary(file, bytes, path, replaced.exists() ? replaced.mode() : newFileMode());
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
    fillTemporary(file, bytes, path, newFileMode());
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
