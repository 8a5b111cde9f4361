// Loading an INI file of one million keys: ordinary names against names crafted to fall on one
// run of slots of an index hashed with FNV-1a (the unkeyed hash such an index would use). Goal: the
// crafted file within twice the time of the ordinary one. And saving the store into a file whose
// section ends with long runs of blank lines: the time grows with the file, not with its square.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "ledger/form_model.h"
#include "persist/form_store.h"
#include "persist/ini_file.h"

namespace {

constexpr int kKeys = 1 << 20;
constexpr int kStages = 20;  // 2^20 names from two choices at each of 20 stages
constexpr int kBlock = 5;    // characters chosen at each stage: enough for the low bits to mix
// An unkeyed index takes its slot from the low bits of the hash: names that agree on the low 24
// bits pile up in one run of slots in any table of up to 16 million slots.
constexpr std::uint32_t kSlotBits = 0xFFFFFF;

// FNV-1a over the low bits of its state (they depend on nothing above them).
std::uint32_t fnvStep(std::uint32_t state, char c) {
    return (state ^ static_cast<unsigned char>(c)) * 0x000001B3u;  // the 64-bit prime, low half
}
std::uint32_t fnvBlock(std::uint32_t state, const std::string& block) {
    for (const char c : block) state = fnvStep(state, c);
    return state & kSlotBits;
}

const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";

std::string randomBlock(std::mt19937& random, int length) {
    std::string block;
    for (int i = 0; i < length; ++i) block += kAlphabet[random() % (sizeof kAlphabet - 1)];
    return block;
}

// Names that all reach the same low bits of the hash state: at each stage two blocks that lead
// from the state so far to one same state (found by the birthday search), so every sequence of
// choices ends there.
std::vector<std::string> collidingNames() {
    std::mt19937 random(7);
    std::uint32_t state = 0x84222325u & kSlotBits;  // the FNV offset basis, low bits
    std::vector<std::pair<std::string, std::string>> pairs;
    while (static_cast<int>(pairs.size()) < kStages) {
        std::unordered_map<std::uint32_t, std::string> seen;
        for (;;) {
            std::string block = randomBlock(random, kBlock);
            const std::uint32_t next = fnvBlock(state, block);
            auto [it, fresh] = seen.try_emplace(next, block);
            if (!fresh && it->second != block) {
                pairs.emplace_back(it->second, block);
                state = next;
                break;
            }
        }
    }
    std::vector<std::string> names;
    names.reserve(kKeys);
    for (int choice = 0; choice < kKeys; ++choice) {
        std::string name;
        for (int stage = 0; stage < kStages; ++stage)
            name += (choice >> stage) & 1 ? pairs[stage].second : pairs[stage].first;
        names.push_back(std::move(name));
    }
    return names;
}

std::vector<std::string> ordinaryNames() {
    std::mt19937 random(11);
    std::vector<std::string> names;
    names.reserve(kKeys);
    for (int i = 0; i < kKeys; ++i) names.push_back(randomBlock(random, kStages * kBlock));
    return names;
}

std::string fileOf(const std::vector<std::string>& names) {
    std::string bytes = "[frmVardo]\r\n";
    for (const std::string& name : names) bytes += name + "=1\r\n";
    return bytes;
}

void LoadKeys(benchmark::State& state, const std::vector<std::string>& names) {
    const std::string bytes = fileOf(names);
    for (auto _ : state) {
        vardo::IniFile file = vardo::IniFile::fromBytes(bytes);
        benchmark::DoNotOptimize(file.readString("frmVardo", names.back(), ""));
    }
    state.counters["keys"] = static_cast<double>(names.size());
}

void LoadOrdinaryKeys(benchmark::State& state) {
    LoadKeys(state, ordinaryNames());
}
BENCHMARK(LoadOrdinaryKeys)->Unit(benchmark::kMillisecond);

void LoadCollidingKeys(benchmark::State& state) {
    LoadKeys(state, collidingNames());
}
BENCHMARK(LoadCollidingKeys)->Unit(benchmark::kMillisecond);

// The store's 915 keys written into a section that ends with state.range(0) blank lines.
void SaveAfterBlankLines(benchmark::State& state) {
    const std::string bytes =
        "[frmVardo]\r\n" + std::string(static_cast<std::size_t>(state.range(0)), '\n');
    vardo::FormModel form;
    for (auto _ : state) {
        vardo::IniFile file = vardo::IniFile::fromBytes(bytes);
        vardo::saveValues(form, file);
        benchmark::DoNotOptimize(file.toBytes());
    }
}
BENCHMARK(SaveAfterBlankLines)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
