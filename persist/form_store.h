#pragma once
// The form-state store: the text of every field and the check mark of every menu item of the
// main window, kept in section "frmVardo" of an INI file beside the program, one key per
// component in creation order (915 keys).
#include <functional>
#include <string>
#include <string_view>

#include "ledger/form_model.h"
#include "persist/ini_file.h"

namespace vardo {

inline constexpr std::string_view kStoreSection = kMainWindowName;
inline constexpr std::string_view kStoreComponent = "Vardo";
inline constexpr std::string_view kWriteFailure = "Impossible d'écrire dans %s";
inline constexpr int kStoreKeys = kFieldCount + kMenuCount;

// The name from the store's file name: the file-name part upper-cased (the folder keeps its
// letter case), blanks and control characters trimmed, ".INI" added when there is no "."
// anywhere in the path.
std::string actualFileName(const std::string& iniFileName);
// The store's file in the program folder (which ends with '/').
std::string storeFileName(const std::string& programFolder);

// Restores every field text, then every check mark, in creation order; a missing key keeps the
// current value. A change handler that fails does not end the restoration. A file that exists
// but cannot be read throws Error("Impossible d'ouvrir le fichier \"%s\". %s").
void loadValues(FormModel& form, const std::string& fileName);
void loadValues(FormModel& form, const IniFile& file);

// Writes the 915 keys, keeping the file's other sections and lines. The file is replaced only
// once it is whole: a failure throws Error("Impossible d'écrire dans %s") and leaves the old one.
void saveValues(const FormModel& form, const std::string& fileName);
void saveValues(const FormModel& form, IniFile& file);

// The store as a component of the window: attached when the window has finished loading, it
// runs the window's own creation handler and then the load, and at destruction the save and
// then the window's own destruction handler.
class FormStore {
public:
    explicit FormStore(FormModel& owner) : owner_(owner) {}

    std::string fileName;  // stored unchanged
    bool automatic = true;

    // The loading-finished notification: fills in the file name, attaches when automatic.
    void windowLoaded(const std::string& programFolder);
    bool attached() const { return attached_; }

    // The creation event: the window's own handler first (a failure of it does not keep the
    // load from running, and is thrown again afterwards), then the load.
    void onWindowCreated(const std::function<void()>& ownHandler);
    // The destruction event: the save, then the window's own handler.
    void onWindowDestroyed(const std::function<void()>& ownHandler);

    void loadAll();
    // Skipped when the load found a file it could not read, so that it is never overwritten.
    void saveAll();
    std::string filePath() const { return actualFileName(fileName); }

private:
    FormModel& owner_;
    bool attached_ = false;
    bool unreadable_ = false;
};

}  // namespace vardo
