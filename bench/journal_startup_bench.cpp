// The window's start-up on a year typed over twelve months, without its journal and with it
// (3,000 typed readings): the window made, the year loaded, the journal opened and compared, up
// to the first page painted. Goal: with the journal, at most 1.1× the start without it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "app/cli/application.h"
#include "app/window/main_window.h"
#include "bench/offscreen_application.h"
#include "bench/year_of_typing.h"
#include "persist/file_names.h"
#include "persist/store_location.h"

namespace {

// Each start gets the year as it was typed: the previous start's close wrote to its folder.
void copyYear(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    for (const auto& file : fs::directory_iterator(to)) fs::remove_all(file.path());
    for (const auto& file : fs::directory_iterator(from))
        fs::copy_file(file.path(), fs::path(to) / file.path().filename());
}

void WindowStartOnTypedYear(benchmark::State& state) {
    const bool withJournal = state.range(0) == 1;
    vardo::bench::offscreenApplication();
    vardo::bench::Folder typed;
    vardo::bench::typeAYear(typed.path, vardo::bench::kYearOfTyping, withJournal);
    vardo::bench::Folder run;
    vardo::app::WindowSetup setup;
    setup.filesFolder = run.path;
    setup.programPath = run.path + "vardo";
    setup.locale = QLocale(QLocale::French, QLocale::France);
    for (auto _ : state) {
        state.PauseTiming();
        copyYear(typed.path, run.path);
        state.ResumeTiming();
        {
            vardo::app::MainWindow window(setup);
            window.start();
            QApplication::processEvents();  // the first page painted
            state.PauseTiming();
            if (withJournal != (window.journal().journal().found().lines > 0))
                state.SkipWithError("the journal was not read as expected");
        }  // the close's save, not timed
        state.ResumeTiming();
    }
}
BENCHMARK(WindowStartOnTypedYear)->ArgName("journal")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);

}  // namespace
