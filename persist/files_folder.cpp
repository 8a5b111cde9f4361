#include "persist/files_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "ledger/error.h"
#include "persist/file_names.h"
#include "persist/messages.h"
#include "persist/store_location.h"
#include "persist/system_reason.h"

namespace vardo {
namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool isSystemFolder(const std::string& folder) {
    for (const char* prefix : {"/usr/", "/bin/", "/sbin/"}) {
        if (folder.rfind(prefix, 0) == 0) return true;
    }
    return false;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace

std::string withTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string runningProgramPath(const std::string& link) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (length < 0) {
            throw Error(programFolderUnknown(errno));
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string path(buffer.data(), static_cast<std::size_t>(length));
            if (path.empty() || path.front() != '/') {
                throw Error(programFolderUnknown(ENOENT));
            }
            return path;
        }
        buffer.resize(buffer.size() * 2);  // the path may have been cut: read it again
    }
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

UserFolders currentUserFolders() {
    UserFolders user{environmentValue("XDG_DATA_HOME"), environmentValue("HOME")};
    if (user.home.empty()) {
        std::array<char, 4096> buffer{};
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr) {
            user.home = found->pw_dir;
        }
    }
    return user;
}

std::string userDataFolder(const UserFolders& user) {
    // The base directory rules: a relative XDG_DATA_HOME is ignored.
    if (!user.dataHome.empty() && user.dataHome.front() == '/') {
        return withTrailingSlash(user.dataHome) + std::string(kDataFolderName);
    }
    if (user.home.empty()) {
        throw Error(std::string(kHomeUnknown));
    }
    return withTrailingSlash(user.home) + ".local/share/" + std::string(kDataFolderName);
}

bool acceptsNewFiles(const std::string& folder) {
    std::string name = withTrailingSlash(folder) + ".vardo-XXXXXX";
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) return false;
    ::close(descriptor);
    ::unlink(name.c_str());
    return true;
}

FilesFolder chooseFilesFolder(const std::string& programFolder, const UserFolders& user) {
    const std::string folder = withTrailingSlash(programFolder);
    if (exists(storeFileName(folder))) return {folder, true};
    if (!isSystemFolder(folder) && acceptsNewFiles(folder)) return {folder, true};
    return {userDataFolder(user), false};
}

void createFolder(const std::string& folder) {
    std::string path;
    std::size_t next = 0;
    while (next < folder.size()) {
        const auto slash = folder.find('/', next + 1);
        path = folder.substr(0, slash == std::string::npos ? folder.size() : slash);
        next = slash == std::string::npos ? folder.size() : slash;
        if (path.empty() || path == "/") continue;
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
            const int error = errno;
            throw Error(cannotCreateFolder(folder, error));
        }
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        throw Error(cannotCreateFolder(folder, ENOTDIR));
    }
}

}  // namespace vardo
