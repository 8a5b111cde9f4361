// The journal of the year's inputs: its lines read back as written, the chain ties each line to
// the one before, the replay gives back the last text of every input, and a line cut short by a
// crash is removed at the next open with an entry that says so.
#include "persist/journal.h"

#include <gtest/gtest.h>

#include <random>

#include "ledger/error.h"
#include "persist/journal_inputs.h"
#include "persist/sha256.h"
#include "persist/system_reason.h"
#include "tests/persist/test_support.h"

namespace vardo {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

std::string fixedClock() {
    return "2026-01-02T08:14:03+01:00";
}

JournalEntry typed(std::string key, std::string before, std::string after) {
    JournalEntry entry;
    entry.event = JournalEvent::Typed;
    entry.changes.push_back({std::move(key), std::move(before), std::move(after)});
    return entry;
}

// A journal of the given entries, written to path.
void writeJournal(const std::string& path, const std::vector<JournalEntry>& entries) {
    Journal journal(path);
    journal.clock = fixedClock;
    journal.open();
    for (const JournalEntry& entry : entries) journal.append(entry);
    Journal::appendToFile(path, journal.takePending());
}

TEST(Sha256, KnownDigests) {
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_TRUE(isSha256Hex(sha256Hex("x")));
    EXPECT_FALSE(isSha256Hex("abc"));
    EXPECT_FALSE(isSha256Hex(std::string(63, 'a') + "g"));
}

TEST(JournalLine, EachEventReadsBackAsWritten) {
    struct Row {
        const char* name;
        JournalEntry entry;
    };
    JournalEntry loaded;
    loaded.event = JournalEvent::Loaded;
    loaded.reason = "début";
    loaded.changes = {{"JanvS07", "", "48730"}, {"aledVehicule", "", "Clio \"4\" é"}};
    JournalEntry newYear;
    newYear.event = JournalEvent::NewYear;
    newYear.archive = "VARDO_2025.journal";
    JournalEntry correction;
    correction.event = JournalEvent::CorrectionOpened;
    correction.month = "Fev";
    const Row rows[] = {
        {"typed reading", typed("MarsM03", "0", "12345")},
        {"typed header with quotes and accents", typed("aledVehicule", "", "Peugeot « 208 »\t\\")},
        {"loaded with two changes", loaded},
        {"new year naming its archive", newYear},
        {"correction of a month", correction},
    };
    std::int64_t number = 1;
    for (Row row : rows) {
        row.entry.sequence = number++;
        row.entry.when = fixedClock();
        row.entry.previous = sha256Hex(row.name);
        const std::string line = journalLine(row.entry);
        EXPECT_EQ(line.find('\n'), std::string::npos) << row.name;
        EXPECT_EQ(parseJournalLine(line), row.entry) << row.name << ": " << line;
    }
}

TEST(JournalLine, TypedEntryIsOneShortLineWithFrenchKeys) {
    JournalEntry entry = typed("JanvS07", "0", "48730");
    entry.sequence = 12;
    entry.when = fixedClock();
    entry.previous = kNoPreviousLine;
    EXPECT_EQ(journalLine(entry),
              "{\"n\":12,\"date\":\"2026-01-02T08:14:03+01:00\",\"evt\":\"saisie\",\"cle\":"
              "\"JanvS07\",\"avant\":\"0\",\"apres\":\"48730\",\"prec\":\"" +
                  kNoPreviousLine + "\"}");
}

TEST(JournalLine, WhatIsNotAnEntryIsRefusedWithItsReason) {
    const struct {
        const char* name;
        const char* line;
        const char* message;
    } rows[] = {
        {"not json", "{\"n\":1,", "entrée du journal invalide : JSON illisible"},
        {"array", "[1,2]", "entrée du journal invalide : pas un objet JSON"},
        {"number missing", "{\"date\":\"d\",\"evt\":\"ouverture\",\"prec\":\"p\"}",
         "entrée du journal invalide : « n » manque"},
        {"unknown event", "{\"n\":1,\"date\":\"d\",\"evt\":\"effacement\",\"prec\":\"p\"}",
         "entrée du journal invalide : événement inconnu « effacement »"},
        {"typed without key", "{\"n\":1,\"date\":\"d\",\"evt\":\"saisie\",\"prec\":\"p\"}",
         "entrée du journal invalide : « cle » manque"},
    };
    for (const auto& row : rows) {
        try {
            parseJournalLine(row.line);
            ADD_FAILURE() << row.name << ": accepted";
        } catch (const JournalLineError& error) {
            EXPECT_STREQ(error.what(), row.message) << row.name;
        }
    }
}

TEST(JournalChain, EachLineNamesTheFingerprintOfTheOneBefore) {
    ScratchFolder folder;
    const std::string path = folder / "Vardo.journal";
    writeJournal(path, {typed("JanvM01", "0", "100"), typed("JanvS01", "0", "150"),
                        typed("JanvM01", "100", "110")});
    const std::string bytes = readBytes(path);
    const JournalReading reading = readJournal(bytes);
    ASSERT_EQ(reading.entries.size(), 3u);
    EXPECT_TRUE(reading.breaks.empty());
    EXPECT_FALSE(reading.truncatedTail);
    EXPECT_EQ(reading.entries[0].previous, kNoPreviousLine);
    const std::string firstLine = bytes.substr(0, bytes.find('\n'));
    EXPECT_EQ(reading.entries[1].previous, sha256Hex(firstLine));
    EXPECT_EQ(reading.entries[2].sequence, 3);
    const std::size_t lastStart = bytes.rfind('\n', bytes.size() - 2) + 1;
    EXPECT_EQ(reading.fingerprint(), sha256Hex(bytes.substr(lastStart, bytes.size() - 1 - lastStart)));
    const JournalValues values = replayJournal(reading.entries);
    EXPECT_EQ(values.at("JanvM01"), "110");
    EXPECT_EQ(values.at("JanvS01"), "150");
}

TEST(JournalChain, ReopenedJournalGoesOnFromItsLastLine) {
    ScratchFolder folder;
    const std::string path = folder / "Vardo.journal";
    writeJournal(path, {typed("JanvM01", "0", "100")});
    writeJournal(path, {typed("JanvS01", "0", "150")});
    const JournalReading reading = readJournal(readBytes(path));
    EXPECT_TRUE(reading.breaks.empty());
    ASSERT_EQ(reading.entries.size(), 2u);
    EXPECT_EQ(reading.entries[1].sequence, 2);
}

TEST(JournalOpen, LineCutShortIsRemovedAndTheRepairRecorded) {
    const struct {
        const char* name;
        std::string tail;
    } rows[] = {
        {"no final line break", "{\"n\":3,\"date\":\"2026-01-0"},
        {"line break but not an entry", "{\"n\":3,\"da\n"},
    };
    for (const auto& row : rows) {
        ScratchFolder folder;
        const std::string path = folder / "Vardo.journal";
        writeJournal(path, {typed("JanvM01", "0", "100"), typed("JanvS01", "0", "150")});
        const std::string whole = readBytes(path);
        writeBytes(path, whole + row.tail);
        const JournalReading cut = readJournal(readBytes(path));
        EXPECT_TRUE(cut.truncatedTail) << row.name;
        EXPECT_TRUE(cut.breaks.empty()) << row.name;

        Journal journal(path);
        journal.clock = fixedClock;
        journal.open();
        EXPECT_EQ(readBytes(path), whole) << row.name << ": the cut line is gone from the file";
        Journal::appendToFile(path, journal.takePending());
        const JournalReading mended = readJournal(readBytes(path));
        EXPECT_TRUE(mended.breaks.empty()) << row.name;
        EXPECT_FALSE(mended.truncatedTail) << row.name;
        ASSERT_EQ(mended.entries.size(), 3u) << row.name;
        EXPECT_EQ(mended.entries[2].event, JournalEvent::Loaded) << row.name;
        EXPECT_NE(mended.entries[2].reason.find("ligne 3 incomplète retirée"), std::string::npos)
            << mended.entries[2].reason;
    }
}

TEST(JournalOpen, UnreadableJournalThrowsItsFrenchMessage) {
    ScratchFolder folder;
    const std::string path = folder / "Vardo.journal";
    std::filesystem::create_directory(path);
    Journal journal(path);
    try {
        journal.open();
        FAIL() << "a folder read as a journal";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible de lire le journal des saisies \"" + path +
                      "\". " + systemReason(EISDIR));
    }
}

TEST(JournalAppend, UnwritableFileThrowsItsFrenchMessage) {
    ScratchFolder folder;
    const std::string path = folder / "absent/Vardo.journal";
    try {
        Journal::appendToFile(path, "x\n");
        FAIL() << "written into a missing folder";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible d'écrire dans " + path + ". " + systemReason(ENOENT));
    }
}

TEST(JournalAppend, KeyByKeyTypingMakesOneEntryPerWrite) {
    ScratchFolder folder;
    const std::string path = folder / "Vardo.journal";
    Journal journal(path);
    int tick = 0;
    journal.clock = [&tick] { return "2026-01-02T08:14:0" + std::to_string(tick++) + "+01:00"; };
    journal.open();
    journal.appendTyped({"JanvS07", "0", "4"});
    journal.appendTyped({"JanvS07", "4", "48"});
    journal.appendTyped({"JanvS07", "48", "487"});
    Journal::appendToFile(path, journal.takePending());  // the saver wrote it
    journal.appendTyped({"JanvS07", "487", "4873"});       // a new entry: the last one is written
    journal.appendTyped({"JanvS07", "4873", "48730"});
    journal.appendTyped({"JanvM08", "0", "5"});             // another field: a new entry
    const std::string waiting = journal.takePending();
    journal.putBack(waiting);                                // a failed write puts them back
    Journal::appendToFile(path, journal.takePending());

    const JournalReading reading = readJournal(readBytes(path));
    EXPECT_TRUE(reading.breaks.empty());
    ASSERT_EQ(reading.entries.size(), 3u);
    EXPECT_EQ(reading.entries[0].changes, (std::vector<JournalChange>{{"JanvS07", "0", "487"}}));
    EXPECT_EQ(reading.entries[0].when, "2026-01-02T08:14:02+01:00") << "the time of the last key";
    EXPECT_EQ(reading.entries[1].changes,
              (std::vector<JournalChange>{{"JanvS07", "487", "48730"}}));
    EXPECT_EQ(reading.entries[2].changes, (std::vector<JournalChange>{{"JanvM08", "0", "5"}}));
    EXPECT_EQ(reading.fingerprint(), journal.fingerprint());
    EXPECT_EQ(journal.values().at("JanvS07"), "48730");
}

TEST(JournalInputs, ReadingsInitialReadingsAndHeaderOnly) {
    FormModel form;
    const struct {
        const char* name;
        bool journaled;
    } rows[] = {{"JanvM01", true}, {"DecS31", true}, {"FevS29", true}, {"MarsKMIn", true},
                {"aledAnnee", true}, {"aledChevaux", true}, {"MarsKMFin", false},
                {"CoefPro", false}, {"KMIniJanv", false}, {"JanvCoPro", false}};
    for (const auto& row : rows) {
        const FieldId id = form.findField(row.name);
        ASSERT_GE(id, 0) << row.name;
        EXPECT_EQ(isJournaledInput(id), row.journaled) << row.name;
    }
}

// Random typing: whatever is typed, in whatever order, the journal written and read back
// replays to the form's final inputs, and every line reads back as the entry it was made from.
TEST(JournalProperty, RandomTypingReplaysToTheFinalInputs) {
    std::mt19937 random(22);
    std::vector<FieldId> inputs;
    {
        FormModel form;
        for (FieldId id = 0; id < form.fieldCount(); ++id)
            if (isJournaledInput(id)) inputs.push_back(id);
    }
    for (int session = 0; session < 40; ++session) {
        ScratchFolder folder;
        const std::string path = folder / "Vardo.journal";
        FormModel form;
        Journal journal(path);
        journal.open();
        std::vector<JournalEntry> made;
        const int changes = 1 + static_cast<int>(random() % 300);
        for (int i = 0; i < changes; ++i) {
            const FieldId id = inputs[random() % inputs.size()];
            std::string text = std::to_string(random() % 200000);
            if (random() % 10 == 0) text = "Véhicule « " + std::to_string(random()) + " »";
            if (text == form.text(id)) continue;
            JournalEntry entry = typed(form.name(id), form.text(id), text);
            form.setText(id, text, Origin::Typing);
            journal.append(entry);
            made.push_back(entry);
            // Written in several batches, as the saves go.
            if (random() % 20 == 0) Journal::appendToFile(path, journal.takePending());
        }
        Journal::appendToFile(path, journal.takePending());
        const JournalReading reading = readJournal(readBytes(path));
        ASSERT_TRUE(reading.breaks.empty()) << "session " << session;
        ASSERT_EQ(reading.entries.size(), made.size());
        for (std::size_t i = 0; i < made.size(); ++i) {
            EXPECT_EQ(reading.entries[i].changes, made[i].changes);
            EXPECT_EQ(reading.entries[i].sequence, static_cast<std::int64_t>(i + 1));
        }
        EXPECT_TRUE(inputsDifferingFromJournal(replayJournal(reading.entries), form).empty())
            << "session " << session;
        EXPECT_EQ(reading.fingerprint(), journal.fingerprint());
    }
}

TEST(JournalTime, LocalTimeWithItsOffset) {
    const std::string now = journalTimeNow();
    ASSERT_EQ(now.size(), 25u) << now;
    EXPECT_EQ(now[10], 'T');
    EXPECT_TRUE(now[19] == '+' || now[19] == '-') << now;
    EXPECT_EQ(now[22], ':') << now;
}

}  // namespace
}  // namespace vardo
