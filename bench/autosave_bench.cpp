// The share of a save that the window's thread does while the user types: take the values and
// hand them to the writing thread. Goal: far under a frame (16 ms). The save at the close, done
// whole on the window's thread (values, INI text, flushed atomic write), is the baseline.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <filesystem>
#include <string>

#include "app/window/year_saver.h"
#include "ledger/form_model.h"
#include "persist/form_store.h"

namespace {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "autosave_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// A full year in a folder beside the working directory, so that the flush reaches the disk.
struct Year {
    Year() : store(form) {
        const auto folder = std::filesystem::current_path() / "autosave_bench_data";
        std::filesystem::create_directories(folder);
        for (vardo::FieldId id = 0; id < form.fieldCount(); ++id)
            form.setText(id, std::to_string(10000 + id * 7));
        store.windowLoaded(folder.string() + "/", folder.string() + "/vardo");
        store.saveAll();
    }
    // One changed field, so that every save writes the file.
    void change() { form.setText(vardo::morningField(0, 1), (odd = !odd) ? "1" : "2"); }

    vardo::FormModel form;
    vardo::FormStore store;
    bool odd = false;
};

void SaveOnTheWindowThreadWhileTyping(benchmark::State& state) {
    application();
    Year year;
    vardo::app::YearSaver saver(year.form, year.store);
    saver.watch();
    for (auto _ : state) {
        state.PauseTiming();
        year.change();
        state.ResumeTiming();
        saver.saveInBackground();
        state.PauseTiming();
        saver.finishWrites();
        state.ResumeTiming();
    }
}
BENCHMARK(SaveOnTheWindowThreadWhileTyping)->Unit(benchmark::kMicrosecond);

void WholeSaveOnTheWindowThreadAtTheClose(benchmark::State& state) {
    Year year;
    for (auto _ : state) {
        state.PauseTiming();
        year.change();
        state.ResumeTiming();
        year.store.saveAll();
    }
}
BENCHMARK(WholeSaveOnTheWindowThreadAtTheClose)->Unit(benchmark::kMicrosecond);

}  // namespace
