// Evening update, the year's derivation and new-year reset, against the floor of one bare pass
// over the 888 field texts comparing each with "0" (what any lock pass must at least do).
#include <benchmark/benchmark.h>

#include <string>

#include "ledger/ledger.h"

using namespace vardo;

namespace {

// A full year: every month with every day entered.
void fillYear(FormModel& form, Ledger& ledger) {
    int reading = 10000;
    form.setText(balanceField(0, Balance::KMIn), std::to_string(reading));
    ledger.leaveInitialReading(0);
    for (int m = 0; m < kMonths; ++m) {
        if (m > 0) form.setText(balanceField(m, Balance::KMIn), std::to_string(reading));
        for (int d = 1; d <= monthInfo(m).dayRows; ++d) {
            form.setText(morningField(m, d), std::to_string(reading += 7));
            form.setText(eveningField(m, d), std::to_string(reading += 31));
            ledger.leaveEvening(m, d);
        }
    }
}

void BM_LockPassFloor(benchmark::State& state) {
    FormModel form;
    Ledger ledger(form, Regional{','});
    fillYear(form, ledger);
    for (auto _ : state) {
        int nonZero = 0;
        for (FieldId id = 0; id < kFieldCount; ++id) nonZero += form.text(id) != "0";
        benchmark::DoNotOptimize(nonZero);
    }
}
BENCHMARK(BM_LockPassFloor);

// The last evening of June retyped each time, so the whole chain fires: the month recount,
// the copies to the "Bilan" page, the annual recomputation, the status bar and the lock pass.
void BM_EveningUpdate(benchmark::State& state) {
    FormModel form;
    Ledger ledger(form, Regional{','});
    fillYear(form, ledger);
    const int june = 5;
    const FieldId evening = eveningField(june, 30);
    const std::string readings[2] = {form.text(evening), std::to_string(std::stoi(form.text(evening)) + 1)};
    int turn = 0;
    for (auto _ : state) {
        form.setText(evening, readings[turn ^= 1]);  // no handler: a plain write
        ledger.leaveEvening(june, 30);
    }
}
BENCHMARK(BM_EveningUpdate);

// The derivation alone over the full year: one pass over the readings.
void BM_Derivation(benchmark::State& state) {
    FormModel form;
    Ledger ledger(form, Regional{','});
    fillYear(form, ledger);
    for (auto _ : state) benchmark::DoNotOptimize(ledger.derive());
}
BENCHMARK(BM_Derivation);

void BM_NewYearReset(benchmark::State& state) {
    FormModel form;
    Ledger ledger(form, Regional{','});
    for (auto _ : state) {
        state.PauseTiming();
        fillYear(form, ledger);
        state.ResumeTiming();
        ledger.resetYear();
    }
}
BENCHMARK(BM_NewYearReset)->Unit(benchmark::kMicrosecond);

}  // namespace
