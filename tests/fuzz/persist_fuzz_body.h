#pragma once
// Fuzz inputs as INI files. fuzzIniOnce, the fuzzer's entry, costs in proportion to the input:
// the file is read, every key of the store's section that names a field is written back with the
// store's quoting, and after a round trip through the file's bytes each reads back as the text it
// was. fuzzStoreOnce puts an input through the whole store, all 915 keys loaded and saved; the
// replay of the seeds and of every input the fuzzer found troublesome runs both.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "ledger/form_model.h"
#include "persist/form_store.h"
#include "persist/ini_file.h"

namespace vardo {

// Built once: building a form costs far more than reading a small file.
inline const FormModel& fuzzFieldNames() {
    static const FormModel form;
    return form;
}

// A carriage return inside a value is the one text a line of the file cannot keep.
inline bool survivesALine(const std::string& text) {
    return text.find('\r') == std::string::npos;
}

inline void fuzzIniOnce(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kMaxChecked = 64;
    IniFile file = IniFile::fromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)file.readInteger(kStoreSection, "Janvier1", 7);
    (void)file.readBool(kStoreSection, "Fichier1", true);

    std::vector<std::pair<std::string, std::string>> written;
    for (const std::string& name : file.keyNames(kStoreSection)) {
        if (written.size() == kMaxChecked) break;
        if (fuzzFieldNames().findField(name) < 0) continue;
        std::string text = file.readString(kStoreSection, name, "");
        file.writeString(kStoreSection, name, protectValue(text));
        written.emplace_back(name, std::move(text));
    }
    file.writeString("Default", "Mois", "0000000000001");
    file.eraseSection("Default");

    const IniFile again = IniFile::fromBytes(file.toBytes());
    for (const auto& [name, text] : written) {
        if (survivesALine(text) && again.readString(kStoreSection, name, "\x01") != text)
            std::abort();
    }
}

inline void fuzzStoreOnce(const std::uint8_t* data, std::size_t size) {
    IniFile file = IniFile::fromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    FormModel form;
    loadValues(form, file);
    saveValues(form, file);
    FormModel again;
    loadValues(again, IniFile::fromBytes(file.toBytes()));
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        if (survivesALine(form.text(id)) && again.text(id) != form.text(id)) std::abort();
    }
    for (MenuId id = 0; id < form.menuCount(); ++id) {
        if (again.checked(id) != form.checked(id)) std::abort();
    }
}

}  // namespace vardo
