// The journal kept beside the form: what it records of each change, and what it says at start
// when the year loaded is not the one it builds.
#include "persist/journal_keeper.h"

#include <gtest/gtest.h>

#include "ledger/error.h"
#include "persist/journal_inputs.h"
#include "persist/system_reason.h"
#include "tests/persist/test_support.h"

namespace vardo {
namespace {

using testing::readBytes;
using testing::ScratchFolder;

// Starts a keeper on the form, lets act run, writes what it journaled and reads it back.
std::vector<JournalEntry> journaled(FormModel& form, const std::string& path,
                                    const std::function<void(JournalKeeper&)>& act = {}) {
    JournalKeeper keeper(form, path);
    keeper.journal().clock = [] { return std::string("2026-05-06T07:08:09+02:00"); };
    keeper.start();
    if (act) act(keeper);
    Journal::appendToFile(path, keeper.journal().takePending());
    const JournalReading reading = readJournal(readBytes(path));
    EXPECT_TRUE(reading.breaks.empty());
    return reading.entries;
}

TEST(JournalKeeper, FreshJournalRecordsTheYearAsFoundWithoutClaimingWhatCameBefore) {
    ScratchFolder folder;
    FormModel form;
    form.setText(form.findField("JanvKMIn"), "40000");
    form.setText(form.findField("aledVehicule"), "Clio");
    const auto entries = journaled(form, folder / "Vardo.journal");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].event, JournalEvent::Opened);
    EXPECT_EQ(entries[1].event, JournalEvent::Loaded);
    EXPECT_EQ(entries[1].reason,
              "début du journal : ce que l'année enregistrée contenait avant n'est pas prouvé");
    const std::vector<JournalChange> expected{{"JanvKMIn", "", "40000"},
                                              {"aledVehicule", "", "Clio"}};
    EXPECT_EQ(entries[1].changes, expected);
}

TEST(JournalKeeper, EmptyYearAndEmptyJournalRecordOnlyTheStart) {
    ScratchFolder folder;
    FormModel form;
    const auto entries = journaled(form, folder / "Vardo.journal");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].event, JournalEvent::Opened);
}

TEST(JournalKeeper, TypedAndProgramWritesOfInputsOnlyComputedFiguresLeftOut) {
    ScratchFolder folder;
    FormModel form;
    const auto entries = journaled(form, folder / "Vardo.journal", [&](JournalKeeper& keeper) {
        form.setText(form.findField("JanvM01"), "100", Origin::Typing);
        form.setText(form.findField("FevKMIn"), "150");          // handed on by the program
        form.setText(form.findField("JanvKMFin"), "150");        // computed: not journaled
        form.setText(form.findField("CoefPro"), "0,5");          // computed: not journaled
        form.setText(form.findField("JanvM01"), "100", Origin::Typing);  // unchanged: nothing
        keeper.recordCorrection(kFebruary, true);
        keeper.recordCorrection(kFebruary, false);
        keeper.recordClose();
    });
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[1].event, JournalEvent::Typed);
    EXPECT_EQ(entries[1].changes, (std::vector<JournalChange>{{"JanvM01", "0", "100"}}));
    EXPECT_EQ(entries[2].event, JournalEvent::Carried);
    EXPECT_EQ(entries[2].changes, (std::vector<JournalChange>{{"FevKMIn", "0", "150"}}));
    EXPECT_EQ(entries[3].event, JournalEvent::CorrectionOpened);
    EXPECT_EQ(entries[3].month, "Fev");
    EXPECT_EQ(entries[4].event, JournalEvent::CorrectionClosed);
    EXPECT_EQ(entries[5].event, JournalEvent::Closed);
}

TEST(JournalKeeper, YearChangedOutsideTheProgramIsRecordedKeyByKeyAtTheNextStart) {
    ScratchFolder folder;
    const std::string path = folder / "Vardo.journal";
    {
        FormModel form;
        journaled(form, path, [&](JournalKeeper&) {
            form.setText(form.findField("JanvS07"), "48730", Origin::Typing);
        });
    }
    FormModel edited;  // the year as another program left it
    edited.setText(edited.findField("JanvS07"), "4873");
    edited.setText(edited.findField("MarsM02"), "5000");
    const auto entries = journaled(edited, path);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[2].event, JournalEvent::Opened);
    EXPECT_EQ(entries[3].event, JournalEvent::Loaded);
    EXPECT_EQ(entries[3].reason,
              "l'année enregistrée diffère du journal : elle a été modifiée hors du programme");
    const std::vector<JournalChange> expected{{"JanvS07", "48730", "4873"}, {"MarsM02", "0", "5000"}};
    EXPECT_EQ(entries[3].changes, expected);
    EXPECT_TRUE(inputsDifferingFromJournal(replayJournal(entries), edited).empty());
}

TEST(JournalKeeper, NewYearArchivesTheJournalAndTheNewOneGoesOnFromItsLastLine) {
    ScratchFolder folder;
    const std::string path = folder / "Vardo.journal";
    const std::string archive = folder / "VARDO_2026.journal";
    FormModel form;
    JournalKeeper keeper(form, path);
    keeper.start();
    form.setText(form.findField("DecS31"), "52000", Origin::Typing);
    Journal::appendToFile(path, keeper.journal().takePending());
    const std::string oldJournal = readBytes(path);
    const std::string lastFingerprint = keeper.journal().fingerprint();

    keeper.pause(true);
    form.setText(form.findField("DecS31"), "0");  // the reset
    form.setText(form.findField("JanvKMIn"), "52000");  // what the new year starts from
    keeper.pause(false);
    keeper.recordNewYear(archive);
    Journal::appendToFile(path, keeper.journal().takePending());

    EXPECT_EQ(readBytes(archive), oldJournal) << "the old journal, whole, under its new name";
    const JournalReading fresh = readJournal(readBytes(path));
    EXPECT_TRUE(fresh.breaks.empty());
    ASSERT_EQ(fresh.entries.size(), 1u);
    EXPECT_EQ(fresh.entries[0].event, JournalEvent::NewYear);
    EXPECT_EQ(fresh.entries[0].sequence, 1);
    EXPECT_EQ(fresh.entries[0].archive, "VARDO_2026.journal");
    EXPECT_EQ(fresh.entries[0].previous, lastFingerprint);
    EXPECT_EQ(fresh.entries[0].changes,
              (std::vector<JournalChange>{{"JanvKMIn", "0", "52000"}}));
    EXPECT_TRUE(inputsDifferingFromJournal(replayJournal(fresh.entries), form).empty());
}

TEST(JournalKeeper, NewYearNeverReplacesAnArchivedJournal) {
    ScratchFolder folder;
    const std::string path = folder / "Vardo.journal";
    const std::string archive = folder / "VARDO_2026.journal";
    testing::writeBytes(archive, "kept\n");
    FormModel form;
    JournalKeeper keeper(form, path);
    keeper.start();
    Journal::appendToFile(path, keeper.journal().takePending());
    try {
        keeper.recordNewYear(archive);
        FAIL() << "an archive replaced";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Impossible d'écrire dans " + archive + ". " + systemReason(EEXIST));
    }
    EXPECT_EQ(readBytes(archive), "kept\n");
    EXPECT_TRUE(readJournal(readBytes(path)).breaks.empty());
}

TEST(JournalKeeper, PausedKeeperRecordsNothing) {
    ScratchFolder folder;
    FormModel form;
    const auto entries = journaled(form, folder / "Vardo.journal", [&](JournalKeeper& keeper) {
        keeper.pause(true);
        form.setText(form.findField("JanvM01"), "100", Origin::Typing);
        keeper.pause(false);
    });
    EXPECT_EQ(entries.size(), 1u);
}

}  // namespace
}  // namespace vardo
