// The journal the window keeps: what a session leaves in it, what the next start says of a year
// changed behind its back, the correction button and the new year; after each, the check finds
// the journal whole and the stored year the one it builds.
#include <QPushButton>

#include "app/window/year_saver.h"
#include "persist/journal_chain.h"
#include "tools/journal_check.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

class JournalWindow : public WindowTest {
protected:
    std::vector<JournalEntry> entries(const char* name = "Vardo.journal") {
        const JournalReading reading = readJournal(readFile(name).toStdString());
        EXPECT_TRUE(reading.breaks.empty()) << reading.breaks.front().message;
        EXPECT_FALSE(reading.truncatedTail);
        return reading.entries;
    }
    std::vector<std::string> events(const std::vector<JournalEntry>& list) {
        std::vector<std::string> names;
        for (const JournalEntry& entry : list) names.emplace_back(journalEventName(entry.event));
        return names;
    }
    void expectTheCheckHolds() {
        const JournalVerdict verdict = checkJournal(folder());
        EXPECT_TRUE(verdict.holds) << verdict.lines.back();
    }
};

TEST_F(JournalWindow, ASessionFromOpeningToCloseAndItsCheck) {
    open();
    window->saver().setInterval(600000);
    typeFirstDay("10000", "10010", "10100");
    window->close();
    const auto list = entries();
    EXPECT_EQ(events(list), (std::vector<std::string>{"ouverture", "chargement", "saisie", "saisie",
                                                      "saisie", "report", "fermeture"}));
    // The first start of a year: the accounting year the start-up filled in, nothing claimed
    // about what came before.
    EXPECT_EQ(list[1].changes, (std::vector<JournalChange>{{"aledComptabilite", "", "2026"}}));
    EXPECT_EQ(list[2].changes, (std::vector<JournalChange>{{"JanvKMIn", "0", "10000"}}));
    EXPECT_EQ(list[4].changes, (std::vector<JournalChange>{{"JanvS01", "0", "10100"}}));
    EXPECT_EQ(list[5].changes, (std::vector<JournalChange>{{"FevKMIn", "0", "10100"}}))
        << "January's last evening handed on by the program";
    expectTheCheckHolds();
}

TEST_F(JournalWindow, AYearChangedBehindTheProgramsBackIsRecordedAtTheNextStart) {
    open();
    typeFirstDay("10000", "10010", "10100");
    window->close();
    window.reset();
    QByteArray stored = readFile("VARDO.INI");
    stored.replace("JanvS01=10100", "JanvS01=10200");
    writeFile("VARDO.INI", stored);
    EXPECT_FALSE(checkJournal(folder()).holds);

    open();
    window->close();
    const auto list = entries();
    const auto loaded = std::find_if(list.rbegin(), list.rend(), [](const JournalEntry& e) {
        return e.event == JournalEvent::Loaded;
    });
    ASSERT_NE(loaded, list.rend());
    EXPECT_EQ(loaded->reason,
              "l'année enregistrée diffère du journal : elle a été modifiée hors du programme");
    EXPECT_EQ(loaded->changes, (std::vector<JournalChange>{{"JanvS01", "10100", "10200"}}));
    expectTheCheckHolds();
}

TEST_F(JournalWindow, CorrectionOpenedAndClosed) {
    open();
    window->button("btnCorrMars")->click();
    window->button("btnCorrMars")->click();
    window->close();
    const auto list = entries();
    std::vector<std::string> corrections;
    for (const JournalEntry& entry : list)
        if (!entry.month.empty()) corrections.push_back(std::string(journalEventName(entry.event)) + " " + entry.month);
    EXPECT_EQ(corrections, (std::vector<std::string>{"correction Mars", "fin de correction Mars"}));
}

TEST_F(JournalWindow, NewYearArchivesTheJournalBesideTheYear) {
    open();
    typeFirstDay("10000", "10010", "10100");
    window->menuItem("Nouvelleanne1")->trigger();
    settle();
    window->close();
    const auto archived = entries("VARDO_2026.journal");
    ASSERT_FALSE(archived.empty());
    EXPECT_EQ(archived.back().changes, (std::vector<JournalChange>{{"FevKMIn", "0", "10100"}}));
    const auto fresh = entries();
    ASSERT_FALSE(fresh.empty());
    EXPECT_EQ(fresh.front().event, JournalEvent::NewYear);
    EXPECT_EQ(fresh.front().archive, "VARDO_2026.journal");
    EXPECT_EQ(fresh.front().sequence, 1);
    const JournalReading old = readJournal(readFile("VARDO_2026.journal").toStdString());
    EXPECT_EQ(fresh.front().previous, old.fingerprint());
    expectTheCheckHolds();
    EXPECT_TRUE(errors.empty()) << errors.front().toStdString();
}

}  // namespace
}  // namespace vardo::app::testing
