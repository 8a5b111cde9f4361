#pragma once
// Reading the program's own files (the store, the options file, the start-up copy's source):
// only regular files are read, a link being followed to one; nothing is opened in a way that can
// block, and no file larger than any the program writes is taken in.
#include <cstddef>
#include <string>
#include <sys/stat.h>
#include <system_error>

namespace vardo {

// The stored year is about 20 KB: a file beyond this is not one of the program's.
inline constexpr std::size_t kMaxReadBytes = 16 * 1024 * 1024;

// A file that exists but cannot be read.
class FileReadError : public std::system_error {
public:
    FileReadError(int error, const std::string& path)
        : std::system_error(error, std::generic_category(), path) {}
    int error() const { return code().value(); }
};

// The error number that refuses a name standing for something other than a regular file:
// EISDIR for a folder, EACCES for a FIFO, socket or device.
int notRegularError(mode_t mode);

// The whole file. A missing file (or folder) sets missing and returns nothing. A folder, FIFO,
// socket or device throws FileReadError(notRegularError), a file larger than kMaxReadBytes
// FileReadError(EFBIG), any other failure FileReadError with the system's number.
std::string readWholeFile(const std::string& path, bool& missing);

}  // namespace vardo
