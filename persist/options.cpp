#include "persist/options.h"

#include "ledger/error.h"
#include "persist/form_store.h"
#include "persist/ini_file.h"

namespace vardo {

std::string optionsFileName(const std::string& programFolder) {
    return programFolder + std::string(kOptionsFile);
}

void loadOptions(FormModel& form, const std::string& programFolder) {
    std::string value;
    try {
        value = IniFile::load(optionsFileName(programFolder))
                    .readString(kOptionsSection, kOptionsKey, "");
    } catch (const FileReadError&) {
        return;  // read as no file: nothing checked
    }
    for (int page = 0; page < kPages && page < static_cast<int>(value.size()); ++page) {
        if (value[page] == '1') form.setChecked(navigationItem(page), true);
    }
}

void saveOptions(const FormModel& form, const std::string& programFolder) {
    const std::string fileName = optionsFileName(programFolder);
    std::string value;
    for (int page = 0; page < kPages; ++page)
        value += form.checked(navigationItem(page)) ? '1' : '0';
    try {
        IniFile file = IniFile::load(fileName);
        file.eraseSection(kOptionsSection);
        file.writeString(kOptionsSection, kOptionsKey, value);
        file.save(fileName);
    } catch (const std::system_error&) {
        throw Error(formatMessage(std::string(kWriteFailure), fileName));
    }
}

}  // namespace vardo
