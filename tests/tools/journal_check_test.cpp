// The check of the journal against itself and the stored year: an intact journal says so in one
// line; every way to tamper with the journal or the year is found and named.
#include "tools/journal_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "ledger/error.h"
#include "persist/file_names.h"
#include "persist/form_store.h"
#include "persist/journal.h"
#include "persist/sha256.h"
#include "persist/store_location.h"
#include "tests/persist/test_support.h"

namespace vardo {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

// Five readings typed from 2 January to 9 December, journal and year saved in step.
const std::pair<const char*, const char*> kTyping[] = {
    {"JanvKMIn", "48000"}, {"JanvM02", "48100"}, {"JanvS02", "48250"},
    {"JanvS07", "48730"},  {"DecM09", "52000"},
};
const char* const kDates[] = {
    "2026-01-02T08:14:00+01:00", "2026-01-02T08:15:10+01:00", "2026-01-02T18:40:00+01:00",
    "2026-01-07T19:01:00+01:00", "2026-12-09T18:02:00+01:00",
};

class KeptYear {
public:
    explicit KeptYear(const char* const* dates = kDates) {
        Journal journal(journalPath());
        int tick = 0;
        journal.clock = [&tick, dates] { return std::string(dates[tick++]); };
        journal.open();
        for (const auto& [name, text] : kTyping) {
            const FieldId id = form_.findField(name);
            journal.append(typedEntry(name, form_.text(id), text));
            form_.setText(id, text, Origin::Typing);
        }
        Journal::appendToFile(journalPath(), journal.takePending());
        fingerprint_ = journal.fingerprint();
        saveValues(form_, storePath());
    }

    static JournalEntry typedEntry(std::string key, std::string before, std::string after) {
        JournalEntry entry;
        entry.event = JournalEvent::Typed;
        entry.changes.push_back({std::move(key), std::move(before), std::move(after)});
        return entry;
    }

    std::string folder() const { return folder_.path(); }
    std::string journalPath() const { return folder_ / std::string(kJournalName); }
    std::string storePath() const { return storeFileName(folder_.path()); }
    const std::string& fingerprint() const { return fingerprint_; }
    FormModel& form() { return form_; }

    std::vector<std::string> lines() const {
        std::vector<std::string> lines;
        const std::string bytes = readBytes(journalPath());
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t end = bytes.find('\n', at);
            lines.push_back(bytes.substr(at, end - at));
            at = end + 1;
        }
        return lines;
    }
    void writeLines(const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\n";
        writeBytes(journalPath(), bytes);
    }

private:
    ScratchFolder folder_;
    FormModel form_;
    std::string fingerprint_;
};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// Lines rewritten from the given one on, each chained again to the one before: what a forger
// who knows the format would do.
void rechainFrom(KeptYear& year, std::vector<std::string> lines, std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i) {
        JournalEntry entry = parseJournalLine(lines[i]);
        entry.previous = i == 0 ? kNoPreviousLine : sha256Hex(lines[i - 1]);
        lines[i] = journalLine(entry);
    }
    year.writeLines(lines);
}

const std::string kIntact =
    "Journal intègre : 5 saisies du 02/01/2026 08:14 au 09/12/2026 18:02 ; l'année "
    "enregistrée est celle du journal.";
const std::string kEdited = "empreinte incorrecte, le journal a été modifié après coup";

struct Tamper {
    const char* name;
    std::function<void(KeptYear&)> tamper;
    bool giveFingerprint;  // the fingerprint of the journal as it was before the tampering
    bool holds;
    std::vector<std::string> expected;  // every line of the verdict
};

const Tamper kTampers[] = {
    {"nothing changed", [](KeptYear&) {}, false, true, {kIntact}},
    {"nothing changed, fingerprint given", [](KeptYear&) {}, true, true,
     {kIntact, "L'empreinte remise est celle de la ligne 5 : le journal passe toujours par elle."}},
    {"line edited",
     [](KeptYear& year) {
         auto lines = year.lines();
         lines[3] = replaced(lines[3], "48730", "48731");
         year.writeLines(lines);
     },
     false, false,
     {"Journal altéré (5 saisies du 02/01/2026 08:14 au 09/12/2026 18:02) :",
      "ligne 5 : " + kEdited, "JanvS07 : l'année enregistrée dit 48730, le journal 48731"}},
    {"line removed",
     [](KeptYear& year) {
         auto lines = year.lines();
         lines.erase(lines.begin() + 2);
         year.writeLines(lines);
     },
     false, false,
     {"Journal altéré (4 saisies du 02/01/2026 08:14 au 09/12/2026 18:02) :",
      "ligne 3 : " + kEdited,
      "ligne 3 : numéro 4 au lieu de 3, une entrée a été retirée, déplacée ou ajoutée",
      "JanvS02 : l'année enregistrée dit 48250, le journal 0"}},
    {"lines swapped",
     [](KeptYear& year) {
         auto lines = year.lines();
         std::swap(lines[1], lines[2]);
         year.writeLines(lines);
     },
     false, false,
     {"Journal altéré (5 saisies du 02/01/2026 08:14 au 09/12/2026 18:02) :",
      "ligne 2 : " + kEdited,
      "ligne 2 : numéro 3 au lieu de 2, une entrée a été retirée, déplacée ou ajoutée",
      "ligne 3 : " + kEdited,
      "ligne 3 : numéro 2 au lieu de 4, une entrée a été retirée, déplacée ou ajoutée",
      "ligne 4 : " + kEdited,
      "ligne 4 : numéro 4 au lieu de 3, une entrée a été retirée, déplacée ou ajoutée"}},
    {"line inserted",
     [](KeptYear& year) {
         auto lines = year.lines();
         JournalEntry forged = parseJournalLine(lines[1]);
         forged.changes[0].after = "48090";
         lines.insert(lines.begin() + 2, journalLine(forged));
         year.writeLines(lines);
     },
     false, false,
     {"Journal altéré (6 saisies du 02/01/2026 08:14 au 09/12/2026 18:02) :",
      "ligne 3 : " + kEdited,
      "ligne 3 : numéro 2 au lieu de 3, une entrée a été retirée, déplacée ou ajoutée",
      "ligne 4 : " + kEdited,
      "JanvM02 : l'année enregistrée dit 48100, le journal 48090"}},
    {"reading changed in the store",
     [](KeptYear& year) {
         const FieldId id = year.form().findField("JanvS07");
         year.form().setText(id, "4873");
         saveValues(year.form(), year.storePath());
     },
     false, false,
     {"Journal intègre : 5 saisies du 02/01/2026 08:14 au 09/12/2026 18:02 ; l'année "
      "enregistrée n'est pas celle du journal :",
      "JanvS07 : l'année enregistrée dit 4873, le journal 48730"}},
    {"journal truncated, fingerprint given",
     [](KeptYear& year) {
         auto lines = year.lines();
         lines.pop_back();
         year.writeLines(lines);
     },
     true, false,
     {"Journal intègre : 4 saisies du 02/01/2026 08:14 au 07/01/2026 19:01 ; l'année "
      "enregistrée n'est pas celle du journal :",
      "DecM09 : l'année enregistrée dit 52000, le journal 0",
      "L'empreinte FP ne figure pas dans le journal : il a été tronqué ou réécrit depuis "
      "qu'elle a été remise"}},
    {"journal rewritten and chained again, year to match, fingerprint given",
     [](KeptYear& year) {
         auto lines = year.lines();
         lines[3] = replaced(lines[3], "48730", "48731");
         rechainFrom(year, lines, 3);
         year.form().setText(year.form().findField("JanvS07"), "48731");
         saveValues(year.form(), year.storePath());
     },
     true, false,
     {"Journal intègre : 5 saisies du 02/01/2026 08:14 au 09/12/2026 18:02 ; l'année "
      "enregistrée est celle du journal.",
      "L'empreinte FP ne figure pas dans le journal : il a été tronqué ou réécrit depuis "
      "qu'elle a été remise"}},
    {"last line cut short by a crash",
     [](KeptYear& year) {
         const std::string bytes = readBytes(year.journalPath());
         writeBytes(year.journalPath(), bytes + "{\"n\":6,\"date\":\"2026-12");
     },
     false, true,
     {kIntact, "ligne 6 : ligne incomplète (écriture interrompue), retirée au prochain "
               "démarrage du programme"}},
};

TEST(JournalCheck, EveryTamperingIsFoundAndNamed) {
    for (const Tamper& row : kTampers) {
        KeptYear year;
        const std::string fingerprint = year.fingerprint();
        row.tamper(year);
        const JournalVerdict verdict =
            checkJournal(year.folder(), row.giveFingerprint ? fingerprint : "");
        std::vector<std::string> expected;
        for (const std::string& line : row.expected) expected.push_back(replaced(line, "FP", fingerprint));
        EXPECT_EQ(verdict.lines, expected) << row.name;
        EXPECT_EQ(verdict.holds, row.holds) << row.name;
    }
}

// The computer's clock set back between two readings: told, line by line, with the seconds; the
// journal still holds. The autumn's change of time (02:50 in summer time, then 02:10 in winter
// time, 20 minutes later) is no step back.
TEST(JournalCheck, DatesGoingBackAreToldWithoutBreakingTheJournal) {
    const char* const dates[] = {
        "2026-01-02T08:14:00+01:00", "2026-01-02T08:15:10+01:00", "2026-01-02T08:15:04+01:00",
        "2026-10-25T02:50:00+02:00", "2026-10-25T02:10:00+01:00",
    };
    KeptYear year(dates);
    const JournalVerdict verdict = checkJournal(year.folder());
    EXPECT_TRUE(verdict.holds);
    EXPECT_EQ(verdict.lines,
              (std::vector<std::string>{
                  "Journal intègre : 5 saisies du 02/01/2026 08:14 au 25/10/2026 02:10 ; l'année "
                  "enregistrée est celle du journal.",
                  "Dates qui reculent (l'horloge de l'ordinateur a pu être reculée) :",
                  "ligne 3 : la date (02/01/2026 08:15:04) précède celle de la ligne 2 (02/01/2026 "
                  "08:15:10)"}));
}

TEST(JournalCheck, NewYearsJournalMeetsTheArchivedOne) {
    KeptYear year;
    const std::string archive = year.folder() + "VARDO_2025.journal";
    const std::string lastFingerprint = year.fingerprint();
    {
        Journal journal(year.journalPath());
        journal.open();
        journal.archiveAs(archive);
        JournalEntry newYear;
        newYear.event = JournalEvent::NewYear;
        newYear.archive = "VARDO_2025.journal";
        newYear.changes = {{"JanvKMIn", "0", "48000"}, {"JanvM02", "0", "48100"},
                           {"JanvS02", "0", "48250"}, {"JanvS07", "0", "48730"},
                           {"DecM09", "0", "52000"}};
        journal.append(newYear);
        Journal::appendToFile(year.journalPath(), journal.takePending());
        EXPECT_EQ(readJournal(readBytes(year.journalPath())).entries.front().previous,
                  lastFingerprint);
    }
    EXPECT_EQ(checkJournal(year.folder()).lines,
              std::vector<std::string>{"Journal intègre : aucune saisie ; l'année enregistrée "
                                       "est celle du journal."});
    writeBytes(archive, replaced(readBytes(archive), "52000", "52001"));
    const JournalVerdict tampered = checkJournal(year.folder());
    EXPECT_FALSE(tampered.holds);
    EXPECT_EQ(tampered.lines.back(),
              "ligne 1 : l'empreinte n'est pas celle de la dernière ligne de VARDO_2025.journal, "
              "l'un des deux journaux a été modifié après coup");
}

TEST(JournalCheck, FingerprintInCapitalsIsTheSame) {
    KeptYear year;
    std::string upper = year.fingerprint();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(checkJournal(year.folder(), upper).holds);
}

TEST(JournalCheck, ThousandsOfEntriesCountedWithTheFrenchSeparator) {
    ScratchFolder folder;
    FormModel form;
    Journal journal(folder / std::string(kJournalName));
    journal.clock = [] { return std::string("2026-03-04T05:06:07+01:00"); };
    journal.open();
    const FieldId id = form.findField("MarsM04");
    for (int i = 1; i <= 1284; ++i) {
        const std::string text = std::to_string(i);
        journal.append(KeptYear::typedEntry("MarsM04", form.text(id), text));
        form.setText(id, text, Origin::Typing);
    }
    Journal::appendToFile(journal.path(), journal.takePending());
    saveValues(form, storeFileName(folder.path()));
    EXPECT_EQ(checkJournal(folder.path()).lines.front(),
              "Journal intègre : 1 284 saisies du 04/03/2026 05:06 au 04/03/2026 05:06 ; "
              "l'année enregistrée est celle du journal.");
}

TEST(JournalCheck, FailuresThrowTheirFrenchMessage) {
    ScratchFolder empty;
    KeptYear year;
    const struct {
        const char* name;
        std::string folder, fingerprint, message;
    } rows[] = {
        {"no journal", empty.path(), "",
         "Aucun journal des saisies : le fichier \"" + empty.path() + "Vardo.journal\" n'existe pas"},
        {"fingerprint too short", year.folder(), "abc12",
         "Empreinte invalide : « abc12 » n'est pas fait de 64 chiffres hexadécimaux"},
        {"fingerprint not hexadecimal", year.folder(), std::string(64, 'z'),
         "Empreinte invalide : « " + std::string(64, 'z') +
             " » n'est pas fait de 64 chiffres hexadécimaux"},
    };
    for (const auto& row : rows) {
        try {
            checkJournal(row.folder, row.fingerprint);
            ADD_FAILURE() << row.name << ": no error";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), row.message) << row.name;
        }
    }
}

}  // namespace
}  // namespace vardo
