#pragma once
// One fuzz input through the INI reader and the store's load: whatever the bytes, nothing
// crashes, and what the store saves reads back as the texts it saved.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ledger/form_model.h"
#include "persist/form_store.h"
#include "persist/ini_file.h"

namespace vardo {

inline void fuzzPersistOnce(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile file = IniFile::fromBytes(bytes);
    (void)file.readString(kStoreSection, "JanvM01", "");
    (void)file.readInteger(kStoreSection, "Janvier1", 7);
    (void)IniFile::fromBytes(file.toBytes());

    FormModel form;
    loadValues(form, file);
    saveValues(form, file);
    file.writeString("Default", "Mois", "0000000000001");
    file.eraseSection("Default");

    FormModel again;
    loadValues(again, IniFile::fromBytes(file.toBytes()));
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        // A carriage return inside a value is the one text a line of the file cannot keep.
        if (form.text(id).find('\r') != std::string::npos) continue;
        if (again.text(id) != form.text(id)) std::abort();
    }
    for (MenuId id = 0; id < form.menuCount(); ++id) {
        if (again.checked(id) != form.checked(id)) std::abort();
    }
}

}  // namespace vardo
