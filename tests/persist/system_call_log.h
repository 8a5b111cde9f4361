#pragma once
// Records the file system calls that the code under test makes while a SystemCallLog lives, so
// that a test can check the order of a write: the bytes flushed before the file takes its name.
//
// Use: link the test program with the CMake target vardo_system_call_log (it brings the
// recorder and the linker's --wrap options); then
//     SystemCallLog log;
//     writeSomething(...);
//     EXPECT_THAT(filesPlacedBeforeFlushed(log.calls()), ::testing::IsEmpty());
// Only calls made from the program's own static libraries and the test's objects are seen
// (the linker wraps those); calls inside the C library itself are not.
#include <cstddef>
#include <string>
#include <vector>

namespace vardo::testing {

enum class FileCall { Write, Truncate, Fsync, Fdatasync, Close, Rename, Link };

struct SystemCall {
    FileCall call;
    int fd = -1;         // the descriptor, for the calls on one
    std::string path;    // the file the descriptor is open on, or the name being moved
    std::string target;  // rename and link: the name the file takes
    int result = 0;      // what the call returned
};

// Starts recording; stops, and forgets, when it goes. One at a time.
class SystemCallLog {
public:
    SystemCallLog();
    ~SystemCallLog();
    SystemCallLog(const SystemCallLog&) = delete;
    SystemCallLog& operator=(const SystemCallLog&) = delete;

    std::vector<SystemCall> calls() const;
    // The files put in place (by a rename or link that succeeded), in order.
    std::vector<std::string> placedFiles() const;

    // Fault injection: the writes to the file at `path` (the kernel's name) write `bytes` more
    // bytes in all, then fail with `error`, as a full disk does part way through a write.
    void failWritesTo(const std::string& path, std::size_t bytes, int error);
};

// Every rename or link that puts a file in place while that file's last write or truncation is
// not yet followed by an fsync or fdatasync of it: one sentence each, empty when all is well.
std::vector<std::string> filesPlacedBeforeFlushed(const std::vector<SystemCall>& calls);

// Every file written and then closed (or left open) without a flush after its last write: for
// files written where they stand, such as an append-only file.
std::vector<std::string> filesClosedUnflushed(const std::vector<SystemCall>& calls);

// Every file put in place whose folder is not flushed after it (for code that promises that the
// new name itself outlives a power cut).
std::vector<std::string> foldersUnflushedAfterPlacing(const std::vector<SystemCall>& calls);

// The whole record, one call a line, for a failure's message.
std::string describe(const std::vector<SystemCall>& calls);

}  // namespace vardo::testing
