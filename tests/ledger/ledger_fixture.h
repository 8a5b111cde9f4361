#pragma once
// A fresh form with its ledger, and short ways to name and fill fields in tests.
#include <gtest/gtest.h>

#include <string>

#include "error_of.h"
#include "ledger/dates.h"
#include "ledger/ledger.h"

namespace vardo::testing {

class LedgerTest : public ::testing::Test {
protected:
    explicit LedgerTest(char separator = ',')
        : ledger(form, Regional{separator}, [this] { return today; }) {}

    FieldId id(const std::string& name) const {
        const FieldId found = form.findField(name);
        EXPECT_GE(found, 0) << name;
        return found;
    }
    const std::string& text(const std::string& name) const { return form.text(id(name)); }
    bool readOnly(const std::string& name) const { return form.readOnly(id(name)); }
    void set(const std::string& name, const std::string& value) { form.setText(id(name), value); }

    // Types a day's two readings and leaves the evening field.
    void day(int month, int dayNumber, const std::string& morning, const std::string& evening) {
        form.setText(morningField(month, dayNumber), morning);
        form.setText(eveningField(month, dayNumber), evening);
        ledger.leaveEvening(month, dayNumber);
    }

    // Runs an operation that must fail with exactly this message.
    void expectError(auto&& operation, const std::string& message) {
        EXPECT_EQ(errorOf(operation), message);
    }

    // How many text changes an operation makes.
    template <typename Operation>
    int textChangesDuring(Operation&& operation) {
        struct Counter : FormObserver {
            int count = 0;
            void textChanged(FieldId, Origin) override { ++count; }
        } counter;
        form.addObserver(&counter);
        operation();
        form.removeObserver(&counter);
        return counter.count;
    }

    double today = toDateTime(2026, 12, 9);  // what the ledger's clock answers
    FormModel form;
    Ledger ledger;
};

}  // namespace vardo::testing
