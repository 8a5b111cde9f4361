// The recorder behind SystemCallLog: the linker sends the program's calls to fsync, write and
// the others to the __wrap_ functions below (-Wl,--wrap=…), which pass them on to the C library
// and, while a log lives, note each one with the file it concerns.
#include "system_call_log.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <set>

extern "C" {
ssize_t __real_write(int fd, const void* bytes, size_t count);
int __real_ftruncate(int fd, off_t length);
int __real_fsync(int fd);
int __real_fdatasync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);
int __real_link(const char* from, const char* to);
int __real_renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags);
}

namespace vardo::testing {
namespace {

std::atomic<bool> recording{false};
std::mutex guard;
std::vector<SystemCall> record;

// The file a descriptor is open on, as the kernel names it.
std::string pathOfDescriptor(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[PATH_MAX];
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    return length < 0 ? std::string() : std::string(path, static_cast<std::size_t>(length));
}

// The write fault armed by failWritesTo, if any.
struct WriteFault {
    std::string path;
    std::size_t bytesLeft = 0;
    int error = 0;
};
std::optional<WriteFault> writeFault;

// How many of `count` bytes a write to `fd` may write; -1 (errno set) when it fails outright.
ssize_t allowedBytes(int fd, size_t count) {
    const std::lock_guard<std::mutex> lock(guard);
    if (!writeFault || pathOfDescriptor(fd) != writeFault->path) return static_cast<ssize_t>(count);
    if (writeFault->bytesLeft == 0) {
        errno = writeFault->error;
        return -1;
    }
    const std::size_t allowed = std::min(count, writeFault->bytesLeft);
    writeFault->bytesLeft -= allowed;
    return static_cast<ssize_t>(allowed);
}

// A name as the kernel would give it back: its folder resolved, the last part kept, so that a
// rename's names compare with the descriptors' paths.
std::string resolvedName(const char* name) {
    const std::filesystem::path path = std::filesystem::absolute(name);
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::canonical(path.parent_path(), ignored);
    return folder.empty() ? path.lexically_normal().string() : (folder / path.filename()).string();
}

void note(SystemCall call) {
    const std::lock_guard<std::mutex> lock(guard);
    record.push_back(std::move(call));
}

int onDescriptor(FileCall kind, int fd, int result) {
    if (recording) note({kind, fd, pathOfDescriptor(fd), {}, result});
    return result;
}

const char* nameOf(FileCall call) {
    switch (call) {
    case FileCall::Write: return "write";
    case FileCall::Truncate: return "ftruncate";
    case FileCall::Fsync: return "fsync";
    case FileCall::Fdatasync: return "fdatasync";
    case FileCall::Close: return "close";
    case FileCall::Rename: return "rename";
    case FileCall::Link: return "link";
    }
    return "?";
}

bool isFlush(const SystemCall& call) {
    return (call.call == FileCall::Fsync || call.call == FileCall::Fdatasync) && call.result == 0;
}
bool isChange(const SystemCall& call) {
    return (call.call == FileCall::Write || call.call == FileCall::Truncate) && call.result >= 0;
}
bool isPlacing(const SystemCall& call) {
    return (call.call == FileCall::Rename || call.call == FileCall::Link) && call.result == 0;
}

// Walks the calls, keeping which files hold bytes not yet flushed; a file that is renamed
// takes its state to its new name.
template <typename OnPlacing, typename OnClose>
std::set<std::string> followUnflushed(const std::vector<SystemCall>& calls, OnPlacing onPlacing,
                                      OnClose onClose) {
    std::set<std::string> unflushed;
    for (const SystemCall& call : calls) {
        if (isChange(call)) unflushed.insert(call.path);
        if (isFlush(call)) unflushed.erase(call.path);
        if (call.call == FileCall::Close) onClose(call, unflushed.count(call.path) > 0);
        if (isPlacing(call)) {
            const bool dirty = unflushed.count(call.path) > 0;
            onPlacing(call, dirty);
            if (call.call == FileCall::Rename && dirty) {
                unflushed.erase(call.path);
                unflushed.insert(call.target);
            }
        }
    }
    return unflushed;
}

}  // namespace

SystemCallLog::SystemCallLog() {
    const std::lock_guard<std::mutex> lock(guard);
    record.clear();
    recording = true;
}

SystemCallLog::~SystemCallLog() {
    recording = false;
    const std::lock_guard<std::mutex> lock(guard);
    record.clear();
    writeFault.reset();
}

void SystemCallLog::failWritesTo(const std::string& path, std::size_t bytes, int error) {
    const std::lock_guard<std::mutex> lock(guard);
    writeFault = WriteFault{path, bytes, error};
}

std::vector<SystemCall> SystemCallLog::calls() const {
    const std::lock_guard<std::mutex> lock(guard);
    return record;
}

std::vector<std::string> SystemCallLog::placedFiles() const {
    std::vector<std::string> placed;
    for (const SystemCall& call : calls())
        if (isPlacing(call)) placed.push_back(call.target);
    return placed;
}

std::vector<std::string> filesPlacedBeforeFlushed(const std::vector<SystemCall>& calls) {
    std::vector<std::string> faults;
    followUnflushed(
        calls,
        [&](const SystemCall& call, bool dirty) {
            if (dirty)
                faults.push_back(std::string(nameOf(call.call)) + " puts " + call.path + " in place as " +
                                 call.target + " before its bytes are flushed");
        },
        [](const SystemCall&, bool) {});
    return faults;
}

std::vector<std::string> filesClosedUnflushed(const std::vector<SystemCall>& calls) {
    std::vector<std::string> faults;
    const std::set<std::string> left = followUnflushed(
        calls, [](const SystemCall&, bool) {},
        [&](const SystemCall& call, bool dirty) {
            if (dirty) faults.push_back(call.path + " is closed with bytes not flushed");
        });
    for (const std::string& path : left) {
        const std::string closed = path + " is closed with bytes not flushed";
        bool told = false;
        for (const std::string& fault : faults) told = told || fault == closed;
        if (!told) faults.push_back(path + " is left with bytes not flushed");
    }
    return faults;
}

std::vector<std::string> foldersUnflushedAfterPlacing(const std::vector<SystemCall>& calls) {
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (!isPlacing(calls[i])) continue;
        const std::string folder = std::filesystem::path(calls[i].target).parent_path().string();
        bool flushed = false;
        for (std::size_t later = i + 1; later < calls.size() && !flushed; ++later)
            flushed = isFlush(calls[later]) && calls[later].path == folder;
        if (!flushed) faults.push_back(folder + " is not flushed after " + calls[i].target + " is put in place");
    }
    return faults;
}

std::string describe(const std::vector<SystemCall>& calls) {
    std::string text;
    for (const SystemCall& call : calls) {
        text += std::string(nameOf(call.call)) + "(" + (call.fd >= 0 ? std::to_string(call.fd) + " " : "") +
                call.path + (call.target.empty() ? "" : " -> " + call.target) + ") = " +
                std::to_string(call.result) + "\n";
    }
    return text;
}

}  // namespace vardo::testing

using vardo::testing::FileCall;

extern "C" {

ssize_t __wrap_write(int fd, const void* bytes, size_t count) {
    const ssize_t allowed = vardo::testing::recording ? vardo::testing::allowedBytes(fd, count)
                                                      : static_cast<ssize_t>(count);
    if (allowed < 0) {
        const int error = errno;
        vardo::testing::onDescriptor(FileCall::Write, fd, -1);
        errno = error;
        return -1;
    }
    const ssize_t written = __real_write(fd, bytes, static_cast<size_t>(allowed));
    vardo::testing::onDescriptor(FileCall::Write, fd, written < 0 ? -1 : 0);
    return written;
}

int __wrap_ftruncate(int fd, off_t length) {
    return vardo::testing::onDescriptor(FileCall::Truncate, fd, __real_ftruncate(fd, length));
}

int __wrap_fsync(int fd) {
    return vardo::testing::onDescriptor(FileCall::Fsync, fd, __real_fsync(fd));
}

int __wrap_fdatasync(int fd) {
    return vardo::testing::onDescriptor(FileCall::Fdatasync, fd, __real_fdatasync(fd));
}

// The path is read before the descriptor goes.
int __wrap_close(int fd) {
    if (!vardo::testing::recording) return __real_close(fd);
    std::string path = vardo::testing::pathOfDescriptor(fd);
    const int result = __real_close(fd);
    vardo::testing::note({FileCall::Close, fd, std::move(path), {}, result});
    return result;
}

int __wrap_rename(const char* from, const char* to) {
    if (!vardo::testing::recording) return __real_rename(from, to);
    std::string path = vardo::testing::resolvedName(from);
    std::string target = vardo::testing::resolvedName(to);
    const int result = __real_rename(from, to);
    vardo::testing::note({FileCall::Rename, -1, std::move(path), std::move(target), result});
    return result;
}

int __wrap_link(const char* from, const char* to) {
    if (!vardo::testing::recording) return __real_link(from, to);
    std::string path = vardo::testing::resolvedName(from);
    std::string target = vardo::testing::resolvedName(to);
    const int result = __real_link(from, to);
    vardo::testing::note({FileCall::Link, -1, std::move(path), std::move(target), result});
    return result;
}

// Only names relative to the working folder or absolute ones, as the program passes them.
int __wrap_renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    if (!vardo::testing::recording || fromFolder != AT_FDCWD || toFolder != AT_FDCWD)
        return __real_renameat2(fromFolder, from, toFolder, to, flags);
    std::string path = vardo::testing::resolvedName(from);
    std::string target = vardo::testing::resolvedName(to);
    const int result = __real_renameat2(fromFolder, from, toFolder, to, flags);
    vardo::testing::note({FileCall::Rename, -1, std::move(path), std::move(target), result});
    return result;
}

}  // extern "C"
