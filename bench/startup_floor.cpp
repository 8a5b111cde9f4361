// Start-up to the first paint of the full window, against the floor of the toolkit: a bare
// program showing a window with a 13-page tab widget and 888 plain line edits, built the same
// way. Both run as child processes of this program, side by side in one benchmark, and quit from
// a zero timer armed right after show(), which fires before anything is painted.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <string>

#include "app/cli/application.h"

extern char** environ;

namespace {

std::string selfPath;

void quitAtFirstPaint() {
    QTimer::singleShot(0, [] { ::_exit(0); });
}

int runFloor(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(vardo::app::windowFont());
    QWidget window;
    window.setFixedSize(657, 530);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(8, 64, 633, 385);
    int made = 0;
    for (int page = 0; page < 13; ++page) {
        auto* sheet = new QWidget;
        tabs->addTab(sheet, QStringLiteral("Page %1").arg(page + 1));
        const int count = page < 12 ? 68 : 888 - 12 * 68;
        for (int i = 0; i < count && made < 888; ++i, ++made) {
            auto* edit = new QLineEdit(QStringLiteral("0"), sheet);
            edit->setGeometry(8 + (i / 12) * 57, 8 + (i % 12) * 24, 49, 21);
        }
    }
    window.show();
    quitAtFirstPaint();
    return app.exec();
}

double runChild(const char* mode) {
    std::string flag = std::string("--child=") + mode;
    char* args[] = {selfPath.data(), flag.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, selfPath.c_str(), nullptr, nullptr, args, environ) != 0) return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(end - start).count();
}

void BM_StartupSideBySide(benchmark::State& state) {
    double floorTotal = 0;
    double windowTotal = 0;
    for (auto _ : state) {
        const double floorTime = runChild("floor");
        const double windowTime = runChild("window");
        if (floorTime < 0 || windowTime < 0) {
            state.SkipWithError("a child program failed");
            return;
        }
        floorTotal += floorTime;
        windowTotal += windowTime;
        state.SetIterationTime(windowTime);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floorTotal / n * 1000.0;
    state.counters["window_ms"] = windowTotal / n * 1000.0;
    state.counters["ratio"] = windowTotal / floorTotal;
}
BENCHMARK(BM_StartupSideBySide)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child=floor") == 0) return runFloor(1, argv);
    if (argc > 1 && std::strcmp(argv[1], "--child=window") == 0)
        return vardo::app::runProgram(1, argv, quitAtFirstPaint);
    selfPath = argv[0][0] == '/' ? argv[0] : std::string(getcwd(nullptr, 0)) + "/" + argv[0];
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
