#include "tools/journal_list.h"

#include "ledger/form_model.h"
#include "tools/field_in_words.h"
#include "tools/journal_clock.h"

namespace vardo {
namespace {

const FormModel& names() {
    static const FormModel form;
    return form;
}

// A field as the window labels it: a day or a month's initial reading in words, a header
// field by its caption.
std::string fieldLabel(FieldId id) {
    static constexpr const char* kHeaderCaptions[kHeaderCount] = {"Comptabilité", "Véhicule",
                                                                  "Année du véhicule", "Chevaux"};
    for (int h = 0; h < kHeaderCount; ++h)
        if (id == headerField(static_cast<Header>(h))) return kHeaderCaptions[h];
    return fieldInWords(id);
}

std::string shownText(const std::string& text) {
    return text.empty() ? "(vide)" : text;
}

// What an entry without a change was about.
std::string eventInWords(const JournalEntry& entry) {
    switch (entry.event) {
        case JournalEvent::CorrectionOpened:
        case JournalEvent::CorrectionClosed:
            for (int m = 0; m < kMonths; ++m)
                if (monthInfo(m).code == entry.month) return monthInWords(m);
            return entry.month;
        case JournalEvent::Loaded:
            return entry.reason;
        case JournalEvent::NewYear:
            return entry.archive.empty() ? std::string{} : "suite de " + entry.archive;
        default:
            return {};
    }
}

}  // namespace

int monthOfField(FieldId id) {
    const int m = monthPageOf(id);
    if (m < 0) return -1;
    const bool input = id == balanceField(m, Balance::KMIn) ||
                       (id >= morningField(m, 1) && id <= eveningField(m, monthInfo(m).dayRows));
    return input ? m : -1;
}

std::vector<JournalListRow> journalListRows(const std::vector<JournalEntry>& entries) {
    std::vector<JournalListRow> rows;
    for (const JournalEntry& entry : entries) {
        JournalListRow row;
        row.when = journalDateWithSeconds(entry.when);
        row.event = std::string(journalEventName(entry.event));
        const std::string about = eventInWords(entry);
        if (entry.event == JournalEvent::CorrectionOpened ||
            entry.event == JournalEvent::CorrectionClosed) {
            for (int m = 0; m < kMonths; ++m)
                if (monthInfo(m).code == entry.month) row.month = m;
        }
        if (entry.changes.empty() || !about.empty()) {
            row.change = about;
            rows.push_back(row);
        }
        for (const JournalChange& change : entry.changes) {
            JournalListRow changed = row;
            changed.id = names().findField(change.key);
            changed.field = changed.id >= 0 ? fieldLabel(changed.id) : change.key;
            changed.month = changed.id >= 0 ? monthOfField(changed.id) : -1;
            changed.change = shownText(change.before) + " → " + shownText(change.after);
            rows.push_back(std::move(changed));
        }
    }
    return rows;
}

}  // namespace vardo
