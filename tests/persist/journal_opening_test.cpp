// What the start reads of its journal: the same inputs, last fingerprint, last number and cut
// tail as the full reading gives, whatever the file holds; a reading line in the writer's own
// shape is read without its JSON, and any other shape is left to the parser.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "persist/journal.h"
#include "persist/journal_chain.h"
#include "persist/journal_reading_line.h"

namespace vardo {
namespace {

constexpr const char* kPrevious =
    "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";

std::string readingLine(std::string_view middle) {
    return std::string(R"({"n":12,"date":"2026-01-02T08:14:03+01:00","evt":"saisie",)") +
           std::string(middle) + R"(,"prec":")" + kPrevious + "\"}";
}

TEST(ReadingLine, TheWritersShapeIsReadAndEveryOtherLeftToTheParser) {
    struct Row {
        const char* name;
        std::string line;
        bool read;
    };
    const std::string plain = R"("cle":"JanvM01","avant":"0","apres":"48730")";
    const Row rows[] = {
        {"as written", readingLine(plain), true},
        {"carried", std::string(readingLine(plain)).replace(50, 6, "report"), true},
        {"empty texts", readingLine(R"("cle":"JanvM01","avant":"","apres":"")"), true},
        {"escaped quote", readingLine(R"("cle":"JanvM01","avant":"0","apres":"4\"8")"), false},
        {"escaped backslash", readingLine(R"("cle":"JanvM01","avant":"0","apres":"4\\")"), false},
        {"accented", readingLine("\"cle\":\"aledVehicule\",\"avant\":\"0\",\"apres\":\"Cl\xc3\xa9\""),
         false},
        {"control byte", readingLine("\"cle\":\"JanvM01\",\"avant\":\"0\",\"apres\":\"4\t8\""), false},
        {"space after colon", readingLine(R"("cle": "JanvM01","avant":"0","apres":"48730")"), false},
        {"keys swapped", readingLine(R"("cle":"JanvM01","apres":"48730","avant":"0")"), false},
        {"key missing", readingLine(R"("cle":"JanvM01","apres":"48730")"), false},
        {"key added", readingLine(R"("cle":"JanvM01","avant":"0","apres":"4","mois":"Janv")"), false},
        {"other event", std::string(readingLine(plain)).replace(50, 6, "sasie!"), false},
        {"trailing space", readingLine(plain) + " ", false},
        {"number with leading zero", std::string(readingLine(plain)).replace(5, 2, "012"), false},
        {"number of 19 digits",
         std::string(readingLine(plain)).replace(5, 2, "1234567890123456789"), false},
        {"negative number", std::string(readingLine(plain)).replace(5, 2, "-12"), false},
        {"number as text", std::string(readingLine(plain)).replace(5, 2, "\"12\""), false},
        {"unclosed", readingLine(plain).substr(0, readingLine(plain).size() - 1), false},
    };
    for (const Row& row : rows) {
        const auto reading = readReadingLine(row.line);
        EXPECT_EQ(reading.has_value(), row.read) << row.name << ": " << row.line;
        if (row.read && reading) {
            const JournalEntry parsed = parseJournalLine(row.line);
            EXPECT_EQ(reading->sequence, parsed.sequence) << row.name;
            EXPECT_EQ(reading->key, parsed.changes.front().key) << row.name;
            EXPECT_EQ(reading->after, parsed.changes.front().after) << row.name;
        }
    }
}

// Texts a user may type, the odd ones included.
std::string randomText(std::mt19937& random) {
    static const std::vector<std::string> pieces = {
        "0", "4", "48730", "", "\"", "\\", "é", "Clio", " ", "\t", "\xff", "-1", "}", ",\"apres\":"};
    std::string text;
    const int count = std::uniform_int_distribution<int>(0, 3)(random);
    for (int i = 0; i < count; ++i)
        text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    return text;
}

// A journal as the program writes it: readings typed or carried mostly, now and then a start,
// a correction, a load that lists several inputs, a new year.
std::string randomJournal(std::mt19937& random) {
    static const std::vector<std::string> keys = {"JanvM01", "JanvS01", "JanvKMIn", "FevM03",
                                                  "aledVehicule", "DecS31"};
    Journal journal("/nonexistent/never-written.journal");
    journal.clock = [] { return std::string("2026-01-02T08:14:03+01:00"); };
    const int count = std::uniform_int_distribution<int>(0, 40)(random);
    auto anyKey = [&] { return keys[std::uniform_int_distribution<std::size_t>(0, 5)(random)]; };
    for (int i = 0; i < count; ++i) {
        const int kind = std::uniform_int_distribution<int>(0, 9)(random);
        JournalEntry entry;
        if (kind < 6) {
            entry.event = kind < 4 ? JournalEvent::Typed : JournalEvent::Carried;
            entry.changes.push_back({anyKey(), randomText(random), randomText(random)});
        } else if (kind < 8) {
            entry.event = kind == 6 ? JournalEvent::Loaded : JournalEvent::NewYear;
            entry.reason = kind == 6 ? "motif" : "";
            entry.archive = kind == 7 ? "VARDO_2025.journal" : "";
            for (int c = 0; c < 3; ++c)
                entry.changes.push_back({anyKey(), randomText(random), randomText(random)});
        } else {
            entry.event = kind == 8 ? JournalEvent::Opened : JournalEvent::CorrectionOpened;
            if (kind == 9) entry.month = "Mars";
        }
        journal.append(std::move(entry));
    }
    return journal.takePending();
}

// What an editor, a crash or a hand may do to the file.
void damage(std::string& bytes, std::mt19937& random) {
    if (bytes.empty()) return;
    const int edits = std::uniform_int_distribution<int>(0, 3)(random);
    for (int i = 0; i < edits && !bytes.empty(); ++i) {
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random);
        const char replacement = "0\"\\\n{}:,x\xc3 "[std::uniform_int_distribution<int>(0, 11)(random)];
        switch (std::uniform_int_distribution<int>(0, 3)(random)) {
            case 0: bytes[at] = replacement; break;
            case 1: bytes.insert(at, 1, replacement); break;
            case 2: bytes.erase(at, 1); break;
            default: bytes.resize(at); break;  // cut short
        }
    }
}

TEST(JournalOpening, ReadsWhatTheFullReadingReadsOfAnyFile) {
    std::mt19937 random(20261210);
    int damaged = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = randomJournal(random);
        const std::string written = bytes;
        damage(bytes, random);
        damaged += bytes != written;
        const JournalReading full = readJournal(bytes);
        const JournalOpening opening = readJournalOpening(bytes);
        const std::string where = "round " + std::to_string(round) + ":\n" + bytes;
        ASSERT_EQ(opening.values, replayJournal(full.entries)) << where;
        ASSERT_EQ(opening.fingerprint, full.fingerprint()) << where;
        ASSERT_EQ(opening.lastSequence,
                  full.entries.empty() ? full.lines : full.entries.back().sequence)
            << where;
        ASSERT_EQ(opening.lines, full.lines) << where;
        ASSERT_EQ(opening.wholeBytes, full.wholeBytes) << where;
        ASSERT_EQ(opening.truncatedTail, full.truncatedTail) << where;
        ASSERT_EQ(opening.tail, full.tail) << where;
    }
    EXPECT_GT(damaged, 1000);  // the damaged files were many, not a lucky few
}

TEST(JournalOpening, TakesMostLinesOfATypedYearWithoutTheirJson) {
    Journal journal("/nonexistent/never-written.journal");
    journal.clock = [] { return std::string("2026-01-02T08:14:03+01:00"); };
    for (int i = 0; i < 100; ++i)
        journal.append({0, "", JournalEvent::Typed, {{"JanvM01", "0", std::to_string(i)}}, "", "",
                        "", ""});
    const std::string bytes = journal.takePending();
    int quick = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find('\n', at);
        quick += readReadingLine(std::string_view(bytes).substr(at, end - at)).has_value();
        at = end + 1;
    }
    EXPECT_EQ(quick, 100);
}

}  // namespace
}  // namespace vardo
