#pragma once
// A year filled day by day, with a vehicle name as given: the printing tests and the report
// benchmarks print it.
#include <string>

#include "ledger/form_model.h"

namespace vardo::samples {

inline void fillSampleYear(FormModel& form, const std::string& vehicle) {
    form.setText(headerField(Header::Comptabilite), "2004");
    form.setText(headerField(Header::Vehicule), vehicle);
    form.setText(headerField(Header::Annee), "1999");
    form.setText(headerField(Header::Chevaux), "5");
    int reading = 12000;
    for (int m = 0; m < kMonths; ++m) {
        for (int day = 1; day <= monthInfo(m).dayRows; ++day) {
            form.setText(morningField(m, day), std::to_string(reading += 7));
            form.setText(eveningField(m, day), std::to_string(reading += 31));
        }
        form.setText(balanceField(m, Balance::KMFin), std::to_string(reading));
    }
    form.setText(annualField(Annual::CoefPro), "0,815789473684211");
}

}  // namespace vardo::samples
