#pragma once
// Every file the program writes goes through here: the bytes go to a new file in the same
// folder, are flushed to disk, and only then take the old file's place by a rename. A failure at
// any point leaves the old file whole and removes the new one. Only a regular file is ever
// replaced, and only when the user may write it.
#include <string>
#include <string_view>
#include <system_error>

namespace vardo {

// The atomic write's new file is named after the file it replaces, with ".tmp" and six letters or
// digits added; the start-up clean-up finds the ones a kill left by that suffix.
inline constexpr std::string_view kTemporaryMark = ".tmp";
inline constexpr std::size_t kTemporaryRandomChars = 6;

// Where a write failed: making the new file (or putting it in place), or writing its bytes.
enum class WriteStage { Create, Write, Flush, Rename };

class FileWriteError : public std::system_error {
public:
    FileWriteError(int error, WriteStage stage, const std::string& path);
    WriteStage stage() const { return stage_; }
    int error() const { return code().value(); }
    const std::string& path() const { return path_; }

private:
    WriteStage stage_;
    std::string path_;
};

// Creates or replaces the file; throws FileWriteError. A link is followed to the file it leads
// to, which is replaced in its own folder. A folder, FIFO, socket or device in the file's place
// is refused unopened (EISDIR, EACCES), as is a file the user may not write. Where the folder
// refuses new files, a writable file is overwritten in place and flushed.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// The same, but never replaces an existing file: returns false, writing nothing, when the path
// is taken.
bool writeNewFileAtomically(const std::string& path, std::string_view bytes);

// For tests: the next write fails at the given stage with the given error number, once.
void injectWriteFailure(WriteStage stage, int error);

}  // namespace vardo
