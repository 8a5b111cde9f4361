// The journal of the inputs. Goals: an entry costs the window's thread at most 50 µs; a year of
// typing (3,000 changes) makes a journal under 1 MB, which "--verifier" checks in at most 100 ms;
// starting on a year with its journal costs at most 1.1× the start on the year alone (here the
// store's load and the derivation, the part of the start that reads the year; the window's whole
// start is in journal_startup_bench).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/year_of_typing.h"
#include "ledger/form_model.h"
#include "ledger/year_derivation.h"
#include "persist/file_names.h"
#include "persist/form_store.h"
#include "persist/journal_keeper.h"
#include "persist/store_location.h"
#include "tools/journal_check.h"

namespace {

using vardo::bench::Folder;
using vardo::bench::kYearOfTyping;
using vardo::bench::typeAYear;
using vardo::bench::typedField;

// What the window's thread does for one typed change: the keeper's entry, in memory.
void AppendOneTypedEntry(benchmark::State& state) {
    Folder folder;
    vardo::FormModel form;
    vardo::JournalKeeper keeper(form, folder.path + std::string(vardo::kJournalName));
    keeper.start();
    int i = 0;
    for (auto _ : state) {
        form.setText(typedField(i % 600), std::to_string(48000 + i), vardo::Origin::Typing);
        ++i;
        if (i % 1000 == 0) {
            state.PauseTiming();
            keeper.journal().takePending();  // the saver's share, off this thread
            state.ResumeTiming();
        }
    }
    state.counters["goal_us"] = 50;
}
BENCHMARK(AppendOneTypedEntry)->Unit(benchmark::kMicrosecond);

void YearOfTypingSize(benchmark::State& state) {
    for (auto _ : state) {
        Folder folder;
        typeAYear(folder.path, kYearOfTyping);
        state.counters["journal_bytes"] = static_cast<double>(
            std::filesystem::file_size(folder.path + std::string(vardo::kJournalName)));
    }
    state.counters["goal_bytes"] = 1024 * 1024;
}
BENCHMARK(YearOfTypingSize)->Unit(benchmark::kMillisecond)->Iterations(1);

void VerifyAYearOfTyping(benchmark::State& state) {
    Folder folder;
    typeAYear(folder.path, kYearOfTyping);
    for (auto _ : state) {
        const vardo::JournalVerdict verdict = vardo::checkJournal(folder.path);
        if (!verdict.holds) state.SkipWithError(verdict.lines.back().c_str());
    }
    state.counters["goal_ms"] = 100;
}
BENCHMARK(VerifyAYearOfTyping)->Unit(benchmark::kMillisecond);

// The start's reading of the year, without a journal and then with a year's journal: compare
// the two times (goal: at most 1.1×).
void StartOnTheYear(benchmark::State& state) {
    const bool withJournal = state.range(0) == 1;
    Folder folder;
    typeAYear(folder.path, kYearOfTyping);
    for (auto _ : state) {
        vardo::FormModel form;
        vardo::loadValues(form, vardo::storeFileName(folder.path));
        benchmark::DoNotOptimize(vardo::deriveYear(form, 2026, ','));
        if (withJournal) {
            // Read, replayed and compared; its entries wait in memory, the file is unchanged.
            vardo::JournalKeeper keeper(form, folder.path + std::string(vardo::kJournalName));
            keeper.start();
        }
    }
}
BENCHMARK(StartOnTheYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
