#include "persist/store_location.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <string_view>

#include "ledger/naming.h"
#include "persist/atomic_file.h"

namespace vardo {
namespace {

constexpr std::size_t kTemporaryLength = kTemporaryMark.size() + kTemporaryRandomChars;

bool isTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.empty() || text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

bool isLeftover(std::string_view name, std::string_view programName) {
    if (name.size() <= kTemporaryLength) return false;
    const std::string_view suffix = name.substr(name.size() - kTemporaryLength);
    if (suffix.substr(0, kTemporaryMark.size()) != kTemporaryMark) return false;
    for (const char c : suffix.substr(kTemporaryMark.size()))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    const std::string_view target = name.substr(0, name.size() - kTemporaryLength);
    return startsWithIgnoringCase(target, "vardo") || startsWithIgnoringCase(target, programName);
}

}  // namespace

std::string actualFileName(const std::string& iniFileName) {
    std::string name = iniFileName;
    // Only the file name is upper-cased: on Linux an upper-cased folder would be another folder.
    const auto slash = name.rfind('/');
    for (std::size_t i = slash == std::string::npos ? 0 : slash + 1; i < name.size(); ++i) {
        if (name[i] >= 'a' && name[i] <= 'z') name[i] = static_cast<char>(name[i] - 'a' + 'A');
    }
    std::size_t begin = 0;
    std::size_t end = name.size();
    while (begin < end && isTrimmed(name[begin])) ++begin;
    while (end > begin && isTrimmed(name[end - 1])) --end;
    name = name.substr(begin, end - begin);
    if (name.find('.') == std::string::npos) name += kIniExtension;
    return name;
}

std::string storeFileName(const std::string& programFolder) {
    return actualFileName(programFolder + std::string(kStoreComponent));
}

std::string locateStore(const std::string& programFolder, const std::string& programPath) {
    const std::string usual = storeFileName(programFolder);
    const std::string bare = programFolder + std::string(kStoreBareName);
    const std::string withExtension = programFolder + std::string(kStoreIniName);
    if (usual == bare && sameFile(bare, programPath)) return withExtension;
    const std::string other = usual == bare ? withExtension : bare;
    if (!exists(usual) && exists(other) && !sameFile(other, programPath)) return other;
    return usual;
}

std::string recoveryFileName(const std::string& storeFile, const std::tm& when, int rank) {
    const auto slash = storeFile.rfind('/');
    std::string name = storeFile.substr(0, slash == std::string::npos ? 0 : slash + 1);
    name += std::string(kRecoveryPrefix) + std::to_string(when.tm_year + 1900) + twoDigits(when.tm_mon + 1) +
            twoDigits(when.tm_mday) + "-" + twoDigits(when.tm_hour) + twoDigits(when.tm_min) +
            twoDigits(when.tm_sec);
    if (rank > 1) name += "-" + std::to_string(rank);
    return name + std::string(kIniExtension);
}

void removeLeftoverTemporaries(const std::string& programFolder, const std::string& programPath) {
    const auto slash = programPath.rfind('/');
    std::string programName = programPath.substr(slash == std::string::npos ? 0 : slash + 1);
    if (const auto dot = programName.find('.'); dot != std::string::npos) programName.resize(dot);
    DIR* folder = ::opendir(programFolder.c_str());
    if (!folder) return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (!isLeftover(name, programName)) continue;
        const std::string path = programFolder + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(folder);
}

}  // namespace vardo
