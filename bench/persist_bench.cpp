// Load and save of a full stored year (915 keys) against the floor of reading and writing the
// same bytes with plain file calls, the flush included. Goal: within 1.5 times the floor.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ledger/form_model.h"
#include "persist/form_store.h"

namespace {

// A folder beside the working directory, so that the flush reaches the real disk.
const std::string& benchFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::current_path() / "persist_bench_data";
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    return folder;
}

void fillYear(vardo::FormModel& form) {
    for (vardo::FieldId id = 0; id < form.fieldCount(); ++id) {
        form.setText(id, std::to_string(10000 + id * 7));
    }
    form.setText(vardo::headerField(vardo::Header::Vehicule), "Utilitaire é€");
}

std::string storedYearBytes() {
    const std::string file = benchFolder() + "VARDO.INI";
    vardo::FormModel form;
    fillYear(form);
    std::filesystem::remove(file);
    vardo::saveValues(form, file);
    std::string bytes(std::filesystem::file_size(file), '\0');
    const int fd = ::open(file.c_str(), O_RDONLY);
    benchmark::DoNotOptimize(::read(fd, bytes.data(), bytes.size()));
    ::close(fd);
    return bytes;
}

void StoreSave(benchmark::State& state) {
    const std::string file = benchFolder() + "VARDO.INI";
    vardo::FormModel form;
    fillYear(form);
    vardo::saveValues(form, file);
    bool odd = false;
    for (auto _ : state) {
        // One changed field, so that every save writes the file.
        form.setText(vardo::morningField(0, 1), (odd = !odd) ? "1" : "2");
        vardo::saveValues(form, file);
    }
}
BENCHMARK(StoreSave)->Unit(benchmark::kMicrosecond);

void StoreLoad(benchmark::State& state) {
    const std::string file = benchFolder() + "VARDO.INI";
    storedYearBytes();
    vardo::FormModel form;
    for (auto _ : state) vardo::loadValues(form, file);
}
BENCHMARK(StoreLoad)->Unit(benchmark::kMicrosecond);

void FloorWrite(benchmark::State& state) {
    const std::string bytes = storedYearBytes();
    const std::string file = benchFolder() + "FLOOR.INI";
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
    }
}
BENCHMARK(FloorWrite)->Unit(benchmark::kMicrosecond);

void FloorRead(benchmark::State& state) {
    const std::string file = benchFolder() + "VARDO.INI";
    const std::string bytes = storedYearBytes();
    std::string buffer(bytes.size(), '\0');
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
        ::close(fd);
    }
}
BENCHMARK(FloorRead)->Unit(benchmark::kMicrosecond);

}  // namespace
