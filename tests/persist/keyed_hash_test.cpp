// The INI index's keyed hash: blind to the case of ASCII letters, and otherwise telling names
// apart, short names (hashed from the stack) and long ones alike.
#include "persist/keyed_hash.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_set>

namespace vardo {
namespace {

std::string randomName(std::mt19937& random, std::size_t length) {
    std::uniform_int_distribution<int> byte(1, 255);
    std::string name(length, ' ');
    for (char& c : name) c = static_cast<char>(byte(random));
    return name;
}

std::string flipAsciiCase(std::string name, std::mt19937& random) {
    for (char& c : name) {
        if (random() % 2 == 0) continue;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

TEST(KeyedHash, NamedCasesHashAlikeWhateverTheCaseOfTheirAsciiLetters) {
    struct Row {
        const char* name;
        std::string a, b;
    } rows[] = {
        {"field name", "JanvS07", "janvs07"},
        {"section", "frmVardo", "FRMVARDO"},
        {"empty", "", ""},
        {"accented letters are not folded, only ASCII", "Année", "ANNéE"},
        {"longer than the stack buffer", std::string(300, 'k') + "Z", std::string(300, 'K') + "z"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(caseBlindKeyedHash(row.a), caseBlindKeyedHash(row.b)) << row.name;
    }
    EXPECT_NE(caseBlindKeyedHash("Année"), caseBlindKeyedHash("AnnÉe"))
        << "É and é are different bytes, not ASCII letters";
}

TEST(KeyedHash, RandomNamesInAnyCaseHashAlike) {
    std::mt19937 random(2026);
    for (int i = 0; i < 2000; ++i) {
        const std::string name = randomName(random, random() % 200);
        EXPECT_EQ(caseBlindKeyedHash(name), caseBlindKeyedHash(flipAsciiCase(name, random)))
            << "length " << name.size();
    }
}

TEST(KeyedHash, DistinctRandomNamesGetDistinctHashes) {
    std::mt19937 random(7);
    std::unordered_set<std::string> lowered;
    std::unordered_set<std::uint64_t> hashes;
    for (int i = 0; i < 20000; ++i) {
        std::string name = randomName(random, 1 + random() % 150);
        for (char& c : name) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        if (!lowered.insert(name).second) continue;
        EXPECT_TRUE(hashes.insert(caseBlindKeyedHash(name)).second) << "64-bit collision";
    }
}

}  // namespace
}  // namespace vardo
