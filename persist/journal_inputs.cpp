#include "persist/journal_inputs.h"

namespace vardo {
namespace {

const FormModel& designForm() {
    static const FormModel design;
    return design;
}

}  // namespace

bool isJournaledInput(FieldId id) {
    for (int m = 0; m < kMonths; ++m) {
        if (id == balanceField(m, Balance::KMIn)) return true;
        if (id >= morningField(m, 1) && id <= eveningField(m, monthInfo(m).dayRows)) return true;
    }
    return id >= headerField(Header::Comptabilite) && id <= headerField(Header::Chevaux);
}

const std::string& journaledText(const JournalValues& values, FieldId id) {
    const FormModel& design = designForm();
    const auto found = values.find(design.name(id));
    return found == values.end() ? design.text(id) : found->second;
}

std::vector<JournalChange> inputsDifferingFromJournal(const JournalValues& values,
                                                      const FormModel& form) {
    std::vector<JournalChange> changes;
    for (FieldId id = 0; id < form.fieldCount(); ++id) {
        if (!isJournaledInput(id)) continue;
        const std::string& journaled = journaledText(values, id);
        if (form.text(id) != journaled) changes.push_back({form.name(id), journaled, form.text(id)});
    }
    return changes;
}

}  // namespace vardo
