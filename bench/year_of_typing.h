#pragma once
// A year of typing as the journal benchmarks make it: each day's morning and evening readings,
// rising, journaled and saved as the program does it, in a folder of the working directory.
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "ledger/form_model.h"
#include "persist/file_names.h"
#include "persist/form_store.h"
#include "persist/journal_keeper.h"
#include "persist/store_location.h"

namespace vardo::bench {

inline constexpr int kYearOfTyping = 3000;

// A folder of the working directory (the writes must reach a disk), removed at the end.
struct Folder {
    Folder() {
        std::string pattern =
            (std::filesystem::current_path() / "journal_bench_data.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp: " + pattern);
        path = pattern + "/";
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    std::string path;
};

// The i-th reading a user types over a year.
inline FieldId typedField(int i) {
    const int day = i / 2;
    const int month = (day / 28) % kMonths;
    return i % 2 == 0 ? morningField(month, day % 28 + 1) : eveningField(month, day % 28 + 1);
}

// The year after `changes` typed readings, its store in the folder and, when asked, the journal
// that saw them typed.
inline void typeAYear(const std::string& folder, int changes, bool withJournal = true) {
    FormModel form;
    JournalKeeper keeper(form, folder + std::string(kJournalName));
    if (withJournal) keeper.start();
    form.setText(balanceField(0, Balance::KMIn), "48000", Origin::Typing);
    for (int i = 0; i < changes; ++i) {
        form.setText(typedField(i), std::to_string(48000 + i * 37), Origin::Typing);
        if (withJournal && i % 20 == 0)
            Journal::appendToFile(keeper.path(), keeper.journal().takePending());
    }
    if (withJournal) {
        keeper.recordClose();
        Journal::appendToFile(keeper.path(), keeper.journal().takePending());
    }
    saveValues(form, storeFileName(folder));
}

}  // namespace vardo::bench
