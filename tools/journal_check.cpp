#include "tools/journal_check.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

#include "ledger/error.h"
#include "persist/file_names.h"
#include "persist/journal_chain.h"
#include "persist/journal_inputs.h"
#include "persist/regular_file.h"
#include "persist/sha256.h"
#include "persist/system_reason.h"
#include "tools/french_format.h"
#include "tools/journal_clock.h"
#include "tools/stored_year.h"

namespace vardo {
namespace {

std::string lowerHex(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string readJournalFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        throw Error("Aucun journal des saisies : le fichier \"" + path + "\" n'existe pas");
    }
    bool missing = false;
    try {
        return readWholeFile(path, missing);
    } catch (const FileReadError& failure) {
        throw Error("Impossible de lire le journal des saisies \"" + path + "\". " +
                    systemReason(failure.error()));
    }
}

// "1 284 saisies du 02/01/2026 08:14 au 09/12/2026 18:02"
std::string typedSummary(const std::vector<JournalEntry>& entries) {
    std::int64_t count = 0;
    const JournalEntry* first = nullptr;
    const JournalEntry* last = nullptr;
    for (const JournalEntry& entry : entries) {
        if (entry.event != JournalEvent::Typed) continue;
        ++count;
        if (!first) first = &entry;
        last = &entry;
    }
    if (count == 0) return "aucune saisie";
    if (count == 1) return "1 saisie le " + journalDateInWords(first->when);
    return typedCount(count) + " du " + journalDateInWords(first->when) + " au " +
           journalDateInWords(last->when);
}

}  // namespace

JournalReading readJournalIn(const std::string& folder) {
    return readJournal(readJournalFile(folder + std::string(kJournalName)));
}

std::string typedCount(std::int64_t typed) {
    return groupedInteger(typed) + (typed > 1 ? " saisies" : " saisie");
}

std::optional<JournalWitness> journalWitness(const std::string& folder) {
    const std::string path = folder + std::string(kJournalName);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    const JournalReading reading = readJournal(readJournalFile(path));
    JournalWitness witness;
    witness.fingerprint = reading.fingerprint();
    for (const JournalEntry& entry : reading.entries)
        if (entry.event == JournalEvent::Typed) ++witness.typed;
    if (!reading.entries.empty()) witness.when = journalDateInWords(reading.entries.back().when);
    return witness;
}

JournalVerdict checkJournal(const std::string& folder, const std::string& fingerprint) {
    if (!fingerprint.empty() && !isSha256Hex(fingerprint)) {
        throw Error("Empreinte invalide : « " + fingerprint +
                    " » n'est pas fait de 64 chiffres hexadécimaux");
    }
    JournalReading reading = readJournalIn(folder);
    FormModel stored;
    loadStoredYear(stored, folder);
    const std::vector<JournalChange> differences =
        inputsDifferingFromJournal(replayJournal(reading.entries), stored);

    JournalVerdict verdict;
    const bool chainHolds = reading.breaks.empty();
    const std::string summary = typedSummary(reading.entries);
    if (chainHolds) {
        verdict.lines.push_back("Journal intègre : " + summary + " ; l'année enregistrée " +
                                (differences.empty() ? "est celle du journal."
                                                     : "n'est pas celle du journal :"));
    } else {
        verdict.lines.push_back("Journal altéré (" + summary + ") :");
        for (const ChainBreak& broken : reading.breaks) verdict.lines.push_back(broken.message);
    }
    // A new year's journal names the archived one it goes on from: the two must still meet.
    bool archiveHolds = true;
    if (!reading.entries.empty() && reading.entries.front().event == JournalEvent::NewYear &&
        !reading.entries.front().archive.empty()) {
        const std::string archive = folder + reading.entries.front().archive;
        std::error_code error;
        if (std::filesystem::exists(archive, error) &&
            readJournal(readJournalFile(archive)).fingerprint() !=
                reading.entries.front().previous) {
            archiveHolds = false;
            verdict.lines.push_back("ligne 1 : l'empreinte n'est pas celle de la dernière ligne "
                                    "de " + reading.entries.front().archive +
                                    ", l'un des deux journaux a été modifié après coup");
        }
    }
    for (const JournalChange& difference : differences) {
        verdict.lines.push_back(difference.key + " : l'année enregistrée dit " +
                                difference.after + ", le journal " + difference.before);
    }
    // Told, not held against the journal: a clock set back is no tampering by itself. Only on
    // an intact chain, where each entry's number is its line's and the order is the writer's.
    const std::vector<std::string> datesBack =
        chainHolds ? datesGoingBack(reading.entries) : std::vector<std::string>{};
    if (!datesBack.empty()) {
        verdict.lines.push_back("Dates qui reculent (l'horloge de l'ordinateur a pu être reculée) :");
        verdict.lines.insert(verdict.lines.end(), datesBack.begin(), datesBack.end());
    }
    if (reading.truncatedTail) {
        verdict.lines.push_back("ligne " + std::to_string(reading.lines + 1) +
                                " : ligne incomplète (écriture interrompue), retirée au prochain "
                                "démarrage du programme");
    }
    if (!fingerprint.empty()) {
        const auto& prints = reading.fingerprints;
        const auto at = std::find(prints.begin(), prints.end(), lowerHex(fingerprint));
        if (at == prints.end()) {
            verdict.holds = false;
            verdict.lines.push_back("L'empreinte " + lowerHex(fingerprint) +
                                    " ne figure pas dans le journal : il a été tronqué ou "
                                    "réécrit depuis qu'elle a été remise");
        } else {
            const auto line = at - prints.begin() + 1;
            verdict.lines.push_back("L'empreinte remise est celle de la ligne " +
                                    std::to_string(line) +
                                    " : le journal passe toujours par elle.");
        }
    }
    verdict.holds = verdict.holds && chainHolds && archiveHolds && differences.empty();
    verdict.entries = std::move(reading.entries);
    return verdict;
}

}  // namespace vardo
