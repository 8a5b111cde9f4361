// An evening update through the window (the focus leaving an evening field until every widget
// shows the new texts and read-only states) against the same update in the core alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/cli/application.h"
#include "app/window/main_window.h"
#include "bench/offscreen_application.h"
#include "controls/align_edit.h"
#include "ledger/ledger.h"

namespace {

// January with an initial reading and the first day's readings, as the worked example has it.
void fillJanuary(vardo::FormModel& form) {
    form.setText(vardo::balanceField(0, vardo::Balance::KMIn), "10000");
    form.setText(vardo::morningField(0, 1), "10010");
    form.setText(vardo::eveningField(0, 1), "10100");
    form.setText(vardo::annualField(vardo::Annual::DebAnnee), "10000");
}

void BM_EveningUpdateCore(benchmark::State& state) {
    vardo::FormModel form;
    vardo::Ledger ledger(form, vardo::Regional{','});
    fillJanuary(form);
    for (auto _ : state) ledger.leaveEvening(0, 1);
}
BENCHMARK(BM_EveningUpdateCore);

void BM_EveningUpdateWindow(benchmark::State& state) {
    vardo::bench::offscreenApplication();
    QTemporaryDir dir;
    vardo::app::WindowSetup setup;
    setup.filesFolder = dir.path().toStdString() + "/";
    setup.programPath = setup.filesFolder + "vardo";
    setup.locale = QLocale(QLocale::French, QLocale::France);
    vardo::app::MainWindow window(setup);
    window.start();
    window.activateWindow();
    QApplication::processEvents();
    fillJanuary(window.form());
    vardo::AlignedEdit* evening = window.field(vardo::eveningField(0, 1));
    vardo::AlignedEdit* next = window.field(vardo::morningField(0, 2));
    for (auto _ : state) {
        state.PauseTiming();
        evening->setFocus(Qt::MouseFocusReason);
        state.ResumeTiming();
        next->setFocus(Qt::MouseFocusReason);  // leaving the evening field runs the update
    }
    if (window.form().text(vardo::balanceField(0, vardo::Balance::KMTot)) != "100")
        state.SkipWithError("the update did not run through the window");
}
BENCHMARK(BM_EveningUpdateWindow);

}  // namespace
