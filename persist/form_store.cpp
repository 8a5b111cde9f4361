#include "persist/form_store.h"

#include <exception>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/system_reason.h"

namespace vardo {
namespace {

bool isTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string writeFailure(const std::string& fileName) {
    return formatMessage(std::string(kWriteFailure), fileName);
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
    if (name.find('.') == std::string::npos) name += ".INI";
    return name;
}

std::string storeFileName(const std::string& programFolder) {
    return actualFileName(programFolder + std::string(kStoreComponent));
}

void loadValues(FormModel& form, const IniFile& file) {
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        const std::string value = file.readString(kStoreSection, form.name(id), form.text(id));
        try {
            form.setText(id, value);
        } catch (const std::exception&) {
            // The text stands; the fields not yet restored must still be, or the save at the
            // end would write their design texts over the stored year.
        }
    }
    for (MenuId id = 0; id < form.menuCount(); ++id) {
        form.setChecked(id, file.readBool(kStoreSection, form.menuName(id), form.checked(id)));
    }
}

void loadValues(FormModel& form, const std::string& fileName) {
    IniFile file;
    try {
        file = IniFile::load(fileName);
    } catch (const FileReadError& failure) {
        throw Error("Impossible d'ouvrir le fichier \"" + fileName + "\". " +
                    systemReason(failure.error()));
    }
    loadValues(form, file);
}

void saveValues(const FormModel& form, IniFile& file) {
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        file.writeString(kStoreSection, form.name(id), protectValue(form.text(id)));
    }
    for (MenuId id = 0; id < form.menuCount(); ++id) {
        file.writeString(kStoreSection, form.menuName(id), form.checked(id) ? "1" : "0");
    }
}

void saveValues(const FormModel& form, const std::string& fileName) {
    try {
        // The other sections of the file are kept, so a file that can't be read isn't replaced.
        IniFile file = IniFile::load(fileName);
        saveValues(form, file);
        if (file.changed()) file.save(fileName);
    } catch (const std::system_error&) {
        throw Error(writeFailure(fileName));
    }
}

void FormStore::windowLoaded(const std::string& programFolder) {
    if (fileName.empty()) fileName = programFolder + std::string(kStoreComponent);
    if (automatic) attached_ = true;
}

void FormStore::onWindowCreated(const std::function<void()>& ownHandler) {
    std::exception_ptr ownFailure;
    if (ownHandler) {
        try {
            ownHandler();
        } catch (...) {
            ownFailure = std::current_exception();
        }
    }
    if (attached_ && automatic) loadAll();
    if (ownFailure) std::rethrow_exception(ownFailure);
}

void FormStore::onWindowDestroyed(const std::function<void()>& ownHandler) {
    if (attached_ && automatic) saveAll();
    if (ownHandler) ownHandler();
}

void FormStore::loadAll() {
    unreadable_ = false;
    try {
        loadValues(owner_, filePath());
    } catch (const Error&) {
        unreadable_ = true;
        throw;
    }
}

void FormStore::saveAll() {
    if (!unreadable_) saveValues(owner_, filePath());
}

}  // namespace vardo
