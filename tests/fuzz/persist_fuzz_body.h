#pragma once
// One fuzz input through the INI reader and the store's load: whatever the bytes, nothing
// crashes, and what the store saves reads back as the texts it saved. The two forms are built
// once and put back to their design state before each input: building a form costs far more than
// the whole round trip.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "ledger/form_model.h"
#include "persist/form_store.h"
#include "persist/ini_file.h"

namespace vardo {

class FuzzForms {
public:
    FuzzForms() {
        for (FieldId id = 0; id < loaded.fieldCount(); ++id) designTexts_.push_back(loaded.text(id));
        for (MenuId id = 0; id < loaded.menuCount(); ++id) designChecks_.push_back(loaded.checked(id));
    }
    void reset() {
        for (FormModel* form : {&loaded, &reloaded}) {
            for (FieldId id = 0; id < form->fieldCount(); ++id) form->setText(id, designTexts_[id]);
            for (MenuId id = 0; id < form->menuCount(); ++id)
                form->setChecked(id, designChecks_[id]);
        }
    }

    FormModel loaded;
    FormModel reloaded;

private:
    std::vector<std::string> designTexts_;
    std::vector<bool> designChecks_;
};

inline void fuzzPersistOnce(const std::uint8_t* data, std::size_t size) {
    static FuzzForms forms;
    forms.reset();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile file = IniFile::fromBytes(bytes);
    (void)file.readString(kStoreSection, "JanvM01", "");
    (void)file.readInteger(kStoreSection, "Janvier1", 7);

    FormModel& form = forms.loaded;
    loadValues(form, file);
    saveValues(form, file);
    file.writeString("Default", "Mois", "0000000000001");
    file.eraseSection("Default");

    FormModel& again = forms.reloaded;
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
