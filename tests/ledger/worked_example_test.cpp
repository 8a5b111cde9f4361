#include <gtest/gtest.h>

#include "ledger/ledger.h"

using namespace vardo;

TEST(Smoke, WorkedExample) {
    FormModel form;
    Ledger ledger(form, Regional{','});
    form.setText(balanceField(0, Balance::KMIn), "10000");
    form.setText(morningField(0, 1), "10010");
    form.setText(eveningField(0, 1), "10100");
    ledger.leaveEvening(0, 1);
    EXPECT_EQ(form.text(balanceField(0, Balance::CoPro)), "0,9");
}
