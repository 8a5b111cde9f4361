#pragma once
// Where the program's files live. The program keeps its year beside itself when it can (an
// install in the user's own folder, a copy on a USB stick); a system install, whose folder
// refuses new files, keeps them in the user's data folder instead. Every file the program reads
// or writes (the store, the options, the start-up copy, the annual text, the archives, the debug
// report) goes to the one folder chosen here.
#include <string>

namespace vardo {

// The running program's full path, as bytes, from the link the kernel keeps for the process
// (names that are not UTF-8 pass unchanged). Throws Error("Impossible de trouver le dossier du
// programme. %s") when the link can't be read: there is no other folder to fall back to.
std::string runningProgramPath(const std::string& link = "/proc/self/exe");

// The folder with a trailing '/' (added when missing; an empty folder gets one too).
std::string withTrailingSlash(std::string folder);

// The folder part of a path, with its trailing '/'.
std::string folderOf(const std::string& path);

// What the user's environment says about their folders; empty when unset.
struct UserFolders {
    std::string dataHome;  // $XDG_DATA_HOME
    std::string home;      // $HOME, or the password database's home when HOME is unset
};
UserFolders currentUserFolders();

// "$XDG_DATA_HOME/vardo/", or "$HOME/.local/share/vardo/" when XDG_DATA_HOME is unset or not an
// absolute path. Throws Error when neither is known.
std::string userDataFolder(const UserFolders& user);

// The folder chosen and why.
struct FilesFolder {
    std::string path;  // ends with '/'
    bool besideProgram = true;
};

// Beside the program when its folder already holds a store, or when it accepts a new file and
// is not one of the system's own folders (below /usr, /bin or /sbin, where the package manager
// alone writes); otherwise the user's data folder. Decides only: nothing is created.
FilesFolder chooseFilesFolder(const std::string& programFolder, const UserFolders& user);

// Whether a new file can be made in the folder: a file of a fresh name is created exclusively
// and removed at once; no existing file is opened.
bool acceptsNewFiles(const std::string& folder);

// Creates the folder and its missing parents (private to the user, mode 0700). Throws
// Error("Impossible de créer le dossier \"%s\". %s").
void createFolder(const std::string& folder);

}  // namespace vardo
