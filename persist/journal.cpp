#include "persist/journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "ledger/error.h"
#include "persist/messages.h"
#include "persist/regular_file.h"
#include "persist/sha256.h"

namespace vardo {
namespace {

std::string writeFailure(const std::string& path, int error) {
    return formatMessage(std::string(kWriteFailure), path) + ". " + systemReason(error);
}

void writeAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            throw Error(writeFailure(path, errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Cuts the file back to its whole lines, flushed.
void cutFile(const std::string& path, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) throw Error(writeFailure(path, errno));
    const bool done = ::ftruncate(fd, static_cast<off_t>(size)) == 0 && ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!done) throw Error(writeFailure(path, error));
}

// A new file's name is on disk only once its folder is flushed.
void flushFolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string journalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    // %z gives +0100; ISO 8601 writes +01:00.
    std::string iso = text;
    if (iso.size() >= 5) iso.insert(iso.size() - 2, ":");
    return iso;
}

Journal::Journal(std::string path)
    : clock(journalTimeNow), path_(std::move(path)), fingerprint_(kNoPreviousLine) {}

void Journal::open() {
    bool missing = false;
    std::string bytes;
    try {
        bytes = readWholeFile(path_, missing);
    } catch (const FileReadError& failure) {
        throw Error(formatMessage(std::string(kJournalUnreadable), path_) + ". " +
                    systemReason(failure.error()));
    }
    // The chain is the check's business: going on needs the inputs and the last line.
    found_ = readJournalOpening(bytes);
    values_ = std::move(found_.values);
    fingerprint_ = found_.fingerprint;
    sequence_ = found_.lastSequence;
    if (found_.truncatedTail) {
        cutFile(path_, found_.wholeBytes);
        JournalEntry repair;
        repair.event = JournalEvent::Loaded;
        repair.reason = formatMessage(std::string(kJournalTruncated),
                                      std::to_string(found_.lines + 1)) +
                        " (« " + found_.tail + " »)";
        append(std::move(repair));
    }
}

void Journal::append(JournalEntry entry) {
    entry.sequence = ++sequence_;
    entry.when = clock();
    entry.previous = fingerprint_;
    const std::string line = journalLine(entry);
    fingerprintBeforeLast_ = fingerprint_;
    fingerprint_ = sha256Hex(line);
    lastLineStart_ = pending_.size();
    pending_ += line;
    pending_ += '\n';
    replayEntry(entry, values_);
    last_ = std::move(entry);
}

void Journal::appendTyped(JournalChange change) {
    const bool amend = lastLineStart_ != std::string::npos && last_.event == JournalEvent::Typed &&
                       last_.changes.size() == 1 && last_.changes.front().key == change.key;
    if (!amend) {
        JournalEntry entry;
        entry.event = JournalEvent::Typed;
        entry.changes.push_back(std::move(change));
        append(std::move(entry));
        return;
    }
    last_.changes.front().after = std::move(change.after);
    last_.when = clock();
    const std::string line = journalLine(last_);
    fingerprint_ = sha256Hex(line);
    pending_.resize(lastLineStart_);
    pending_ += line;
    pending_ += '\n';
    replayEntry(last_, values_);
}

void Journal::record(JournalEvent event, std::vector<JournalChange> changes) {
    JournalEntry entry;
    entry.event = event;
    entry.changes = std::move(changes);
    append(std::move(entry));
}

void Journal::archiveAs(const std::string& archivePath) {
    if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, archivePath.c_str(), RENAME_NOREPLACE) != 0 &&
        errno != ENOENT)
        throw Error(writeFailure(archivePath, errno));
    flushFolderOf(archivePath);
    found_ = {};
    values_.clear();
    sequence_ = 0;
}

std::string Journal::takePending() {
    std::string lines;
    lines.swap(pending_);
    lastLineStart_ = std::string::npos;  // written: never amended again
    return lines;
}

void Journal::putBack(const std::string& lines) {
    pending_.insert(0, lines);
    if (lastLineStart_ != std::string::npos) lastLineStart_ += lines.size();
}

void Journal::appendToFile(const std::string& path, std::string_view lines) {
    if (lines.empty()) return;
    const bool created = ::access(path.c_str(), F_OK) != 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) throw Error(writeFailure(path, errno));
    // The lines are written again after a failure: what a failed write left (a part of a line,
    // or lines whose flush failed) is cut off first, so that the retry does not break the chain.
    const off_t sizeBefore = ::lseek(fd, 0, SEEK_END);
    try {
        writeAll(fd, lines, path);
        if (::fsync(fd) != 0) throw Error(writeFailure(path, errno));
    } catch (...) {
        if (sizeBefore >= 0 && ::ftruncate(fd, sizeBefore) == 0) ::fsync(fd);
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0) throw Error(writeFailure(path, errno));
    if (created) flushFolderOf(path);
}

}  // namespace vardo
