// The lock pass looks only at the fields that changed or were opened since it last looked; on
// random edits, openings and corrections it locks exactly what a pass over all 888 fields
// locks: every field whose text is not "0", but for the months under correction.
#include <random>

#include "ledger_fixture.h"

namespace vardo::testing {
namespace {

// What a pass over every field leaves read-only.
std::vector<bool> lockedByAFullPass(const FormModel& form, const Ledger& ledger) {
    std::vector<bool> locked(kFieldCount);
    for (FieldId id = 0; id < kFieldCount; ++id) {
        const int month = monthPageOf(id);
        const bool open = month >= 0 && ledger.inCorrection(month);
        locked[static_cast<std::size_t>(id)] = form.readOnly(id) || (!open && !form.isZero(id));
    }
    return locked;
}

std::vector<bool> readOnlyStates(const FormModel& form) {
    std::vector<bool> states(kFieldCount);
    for (FieldId id = 0; id < kFieldCount; ++id) states[static_cast<std::size_t>(id)] = form.readOnly(id);
    return states;
}

TEST_F(LedgerTest, TheLockPassLocksWhatAFullPassLocks) {
    std::mt19937 random(2026);
    const auto anyField = [&] { return static_cast<FieldId>(random() % kFieldCount); };
    for (int round = 0; round < 3000; ++round) {
        const int actions = static_cast<int>(random() % 12);
        for (int a = 0; a < actions; ++a) {
            switch (random() % 4) {
                case 0: form.setText(anyField(), "0"); break;
                case 1: form.setText(anyField(), std::to_string(random() % 100000)); break;
                case 2: form.setReadOnly(anyField(), false); break;
                default: {
                    const int month = static_cast<int>(random() % kMonths);
                    form.setCorrectionCaption(month, ledger.inCorrection(month) ? kCaptionCorriger
                                                                               : kCaptionProteger);
                }
            }
        }
        const std::vector<bool> expected = lockedByAFullPass(form, ledger);
        ledger.lockPass();
        ASSERT_EQ(readOnlyStates(form), expected) << "round " << round;
    }
}

TEST_F(LedgerTest, AMonthLeavingCorrectionIsLockedByTheNextPass) {
    set("MarsM03", "10400");
    set("MarsS03", "10500");
    form.setCorrectionCaption(kMarch, kCaptionProteger);
    ledger.lockPass();
    EXPECT_FALSE(readOnly("MarsS03")) << "open while the caption reads Protéger";
    form.setCorrectionCaption(kMarch, kCaptionCorriger);
    ledger.lockPass();
    EXPECT_TRUE(readOnly("MarsM03"));
    EXPECT_TRUE(readOnly("MarsS03"));
}

}  // namespace
}  // namespace vardo::testing
