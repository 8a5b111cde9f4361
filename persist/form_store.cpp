#include "persist/form_store.h"

#include <exception>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/cp1252.h"
#include "persist/messages.h"
#include "persist/store_location.h"
#include "persist/system_reason.h"

namespace vardo {
namespace {

constexpr int kMaxRecoveryRank = 99;

// The fields' names, built once: the save runs on a thread of its own, away from the model.
const std::vector<std::string>& fieldNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (FieldId id = 0; id < kFieldCount; ++id) all.push_back(fieldName(id));
        return all;
    }();
    return names;
}

std::string writeFailure(const std::string& fileName) {
    return formatMessage(std::string(kWriteFailure), fileName);
}

}  // namespace

StoreSnapshot takeSnapshot(const FormModel& form) {
    StoreSnapshot values;
    values.texts.reserve(static_cast<std::size_t>(form.fieldCount()));
    for (FieldId id = 0; id < form.fieldCount(); ++id) values.texts.push_back(form.text(id));
    values.checks.reserve(static_cast<std::size_t>(form.menuCount()));
    for (MenuId id = 0; id < form.menuCount(); ++id) values.checks.push_back(form.checked(id));
    return values;
}

IniFile loadStoreFile(const std::string& fileName) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    bool missing = false;
    const std::string bytes = readWholeFile(fileName, missing);
    if (std::string_view(bytes).substr(0, kByteOrderMark.size()) == kByteOrderMark)
        return IniFile::fromBytes(utf8ToCp1252(std::string_view(bytes).substr(kByteOrderMark.size())));
    return IniFile::fromBytes(bytes);
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
        file = loadStoreFile(fileName);
    } catch (const FileReadError& failure) {
        throw Error(cannotOpenFile(fileName, failure.error()));
    }
    loadValues(form, file);
}

void saveValues(const StoreSnapshot& values, IniFile& file) {
    for (FieldId id = 0; id < kFieldCount; ++id) {
        file.writeString(kStoreSection, fieldNames()[static_cast<std::size_t>(id)],
                         protectValue(values.texts[static_cast<std::size_t>(id)]));
    }
    for (MenuId id = 0; id < kMenuCount; ++id) {
        file.writeString(kStoreSection, kMenuTable[static_cast<std::size_t>(id)].name,
                         values.checks[static_cast<std::size_t>(id)] ? "1" : "0");
    }
}

void saveValues(const FormModel& form, IniFile& file) {
    saveValues(takeSnapshot(form), file);
}

void saveValues(const StoreSnapshot& values, const std::string& fileName) {
    try {
        // The other sections of the file are kept, so a file that can't be read isn't replaced.
        IniFile file = loadStoreFile(fileName);
        saveValues(values, file);
        if (file.changed()) file.save(fileName);
    } catch (const std::system_error&) {
        throw Error(writeFailure(fileName));
    }
}

void saveValues(const FormModel& form, const std::string& fileName) {
    saveValues(takeSnapshot(form), fileName);
}

void FormStore::windowLoaded(const std::string& programFolder, const std::string& programPath) {
    if (fileName.empty()) {
        fileName = programFolder + std::string(kStoreComponent);
        if (!programPath.empty()) located_ = locateStore(programFolder, programPath);
    }
    if (automatic) attached_ = true;
}

std::string FormStore::filePath() const {
    return located_.empty() ? actualFileName(fileName) : located_;
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
    saveDone(runSave(prepareSave()));
}

FormStore::SaveJob FormStore::prepareSave() const {
    SaveJob job;
    job.recovery = unreadable_ && recoveryFile_.empty();
    job.fileName = unreadable_ ? (job.recovery ? filePath() : recoveryFile_)
                               : filePath();
    const std::time_t now = clock();
    localtime_r(&now, &job.when);
    job.values = takeSnapshot(owner_);
    return job;
}

std::string FormStore::runSave(const SaveJob& job) {
    if (!job.recovery) {
        saveValues(job.values, job.fileName);
        return job.fileName;
    }
    IniFile file;
    saveValues(job.values, file);
    const std::string bytes = file.toBytes();
    std::string name;
    for (int rank = 1; rank <= kMaxRecoveryRank; ++rank) {
        name = recoveryFileName(job.fileName, job.when, rank);
        try {
            if (writeNewFileAtomically(name, bytes)) return name;
        } catch (const FileWriteError&) {
            break;
        }
    }
    throw Error(writeFailure(name));
}

void FormStore::saveDone(const std::string& fileWritten) {
    if (unreadable_) recoveryFile_ = fileWritten;
}

}  // namespace vardo
