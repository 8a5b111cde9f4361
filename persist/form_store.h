#pragma once
// The form-state store: the text of every field and the check mark of every menu item of the
// main window, kept in section "frmVardo" of an INI file beside the program, one key per
// component in creation order (kStoreKeys of them).
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/form_model.h"
#include "persist/ini_file.h"
#include "persist/messages.h"
#include "persist/store_location.h"

namespace vardo {

inline constexpr std::string_view kStoreSection = kMainWindowName;
inline constexpr int kStoreKeys = kFieldCount + kMenuCount;


// Every value the store writes, taken from the window at one instant, so that the file can be
// written away from the window's thread.
struct StoreSnapshot {
    std::vector<std::string> texts;  // the fields, in creation order
    std::vector<bool> checks;        // the menu items, in creation order
};
StoreSnapshot takeSnapshot(const FormModel& form);

// The stored file as the INI layer reads it. A file an editor saved in UTF-8 with a byte-order
// mark is read as UTF-8 (and is written back as Windows-1252).
IniFile loadStoreFile(const std::string& fileName);

// Restores every field text, then every check mark, in creation order; a missing key keeps the
// current value. A change handler that fails does not end the restoration. A file that exists
// but cannot be read throws Error("Impossible d'ouvrir le fichier \"%s\". %s").
void loadValues(FormModel& form, const std::string& fileName);
void loadValues(FormModel& form, const IniFile& file);

// Writes the kStoreKeys keys, keeping the file's other sections and lines. The file is replaced only
// once it is whole: a failure throws Error("Impossible d'écrire dans %s") and leaves the old one.
void saveValues(const FormModel& form, const std::string& fileName);
void saveValues(const FormModel& form, IniFile& file);
void saveValues(const StoreSnapshot& values, const std::string& fileName);
void saveValues(const StoreSnapshot& values, IniFile& file);

// The store as a component of the window: attached when the window has finished loading, it
// runs the window's own creation handler and then the load, and at destruction the save and
// then the window's own destruction handler.
class FormStore {
public:
    explicit FormStore(FormModel& owner) : owner_(owner) {}

    std::string fileName;  // stored unchanged
    bool automatic = true;

    // The loading-finished notification: fills in the file name, attaches when automatic. Given
    // the program's path, the store is the file that locateStore finds.
    void windowLoaded(const std::string& programFolder, const std::string& programPath = {});
    bool attached() const { return attached_; }
    // Whether the store loads and saves: attached, and automatic.
    bool saves() const { return attached_ && automatic; }

    // The creation event: the window's own handler first (a failure of it does not keep the
    // load from running, and is thrown again afterwards), then the load.
    void onWindowCreated(const std::function<void()>& ownHandler);
    // The destruction event: the save, then the window's own handler.
    void onWindowDestroyed(const std::function<void()>& ownHandler);

    void loadAll();
    // When the load found a file it could not read, that file is never overwritten: the year
    // goes to a recovery file beside it instead (see recoveryFile).
    void saveAll();
    std::string filePath() const;
    // Puts the store in another file from now on.
    void relocate(const std::string& path) { located_ = path; }

    // A save in two halves, so that the file is written away from the window's thread: the
    // values and the file they go to, taken on the window's thread...
    struct SaveJob {
        std::string fileName;
        bool recovery = false;  // a recovery file yet to be made: never replaces another file
        std::tm when{};         // names the recovery file
        StoreSnapshot values;
    };
    SaveJob prepareSave() const;
    // ...the write, on any thread, returning the file written (throws Error)...
    static std::string runSave(const SaveJob& job);
    // ...and its outcome, back on the window's thread.
    void saveDone(const std::string& fileWritten);

    // Whether the load failed on a file that exists, and the file that holds this session's
    // year instead (empty until it is first saved).
    bool unreadable() const { return unreadable_; }
    const std::string& recoveryFile() const { return recoveryFile_; }
    // The clock that names the recovery file (tests fix it).
    std::function<std::time_t()> clock = [] { return std::time(nullptr); };

private:
    FormModel& owner_;
    std::string located_;
    bool attached_ = false;
    bool unreadable_ = false;
    std::string recoveryFile_;
};

}  // namespace vardo
