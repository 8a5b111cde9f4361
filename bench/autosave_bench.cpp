// The share of a save that the window's thread does while the user types: take the values and
// hand them to the writing thread. Goal: far under a frame (16 ms). The save at the close, done
// whole on the window's thread (values, INI text, flushed atomic write), is the baseline.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <QCoreApplication>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

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

// A full year in a temporary folder of the working directory (not /tmp, which may live in
// memory: the flush must reach the disk), removed at the end.
struct Year {
    Year() : store(form) {
        std::string pattern = (std::filesystem::current_path() / "autosave_bench_data.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp: " + pattern);
        folder = pattern;
        for (vardo::FieldId id = 0; id < form.fieldCount(); ++id)
            form.setText(id, std::to_string(10000 + id * 7));
        store.windowLoaded(folder.string() + "/", folder.string() + "/vardo");
        store.saveAll();
    }
    ~Year() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    // One changed field, so that every save writes the file.
    void change() { form.setText(vardo::morningField(0, 1), (odd = !odd) ? "1" : "2"); }

    std::filesystem::path folder;
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
