#pragma once
// Shared helpers of the persistence tests: scratch folders and whole-file reads.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/ledger/error_of.h"

namespace vardo::testing {

// A fresh folder under the temporary directory, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vardo-persist-XXXXXX");
        path_ = ::mkdtemp(pattern.data());
        path_ += '/';
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with its trailing separator.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// How many entries a folder holds: a write must leave no temporary file behind.
inline long entryCount(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(folder),
                         std::filesystem::directory_iterator());
}

}  // namespace vardo::testing

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>

namespace vardo::testing {

// Makes a folder refuse new files, even to root, while it lives (the immutable attribute of
// Linux file systems). active() is false where the file system or the rights don't allow it.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY)) {
        if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags_) == 0) {
            int locked = flags_ | FS_IMMUTABLE_FL;
            active_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &locked) == 0;
        }
    }
    ~ReadOnlyFolder() {
        if (active_) ::ioctl(fd_, FS_IOC_SETFLAGS, &flags_);
        if (fd_ >= 0) ::close(fd_);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool active() const { return active_; }

private:
    int fd_;
    int flags_ = 0;
    bool active_ = false;
};

}  // namespace vardo::testing
