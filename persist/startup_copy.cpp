#include "persist/startup_copy.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/cp1252.h"
#include "persist/ini_file.h"
#include "persist/messages.h"
#include "persist/system_reason.h"

namespace vardo {
namespace {

bool namedVardo(const char* name) {
    constexpr std::string_view kSource = kCopySourceName;
    std::string_view text = name;
    if (text.size() != kSource.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kSource[i]) return false;
    }
    return true;
}

std::string readSource(const std::string& path) {
    try {
        bool missing = false;
        std::string bytes = readWholeFile(path, missing);
        if (missing) throw Error(cannotOpenFile(path, ENOENT));
        return bytes;
    } catch (const FileReadError& failure) {
        throw Error(cannotOpenFile(path, failure.code().value()));
    }
}

}  // namespace

std::string findCopySource(const std::string& programFolder, const std::string& programPath) {
    struct stat program {};
    const bool knowProgram = ::stat(programPath.c_str(), &program) == 0;
    std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(programFolder.c_str()), ::closedir);
    if (!folder) return {};
    std::string other;
    while (const dirent* entry = ::readdir(folder.get())) {
        if (!namedVardo(entry->d_name)) continue;
        const std::string path = programFolder + entry->d_name;
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) {
            if (other.empty()) other = path;  // a dangling link: opening it will say why
            continue;
        }
        if (knowProgram && info.st_dev == program.st_dev && info.st_ino == program.st_ino) continue;
        if (S_ISREG(info.st_mode)) return path;
        if (other.empty()) other = path;
    }
    return other;
}

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

void startupCopy(const std::string& programFolder, const std::string& programPath) {
    const std::string source = findCopySource(programFolder, programPath);
    if (source.empty()) return;  // a fresh install has no such file: nothing to copy
    const std::vector<std::string> lines = splitTextLines(cp1252ToUtf8(readSource(source)));
    const std::string target = programFolder + kCopyTarget;
    try {
        writeFileAtomically(target, linesToFileBytes(lines));
    } catch (const FileWriteError& failure) {
        throw Error(cannotCreateFile(target, failure.error()));
    }
}

}  // namespace vardo
