#include "persist/journal_chain.h"

#include "persist/sha256.h"

namespace vardo {
namespace {

std::string lineLabel(std::int64_t line) {
    return "ligne " + std::to_string(line) + " : ";
}

}  // namespace

std::string JournalReading::fingerprint() const {
    return fingerprints.empty() ? kNoPreviousLine : fingerprints.back();
}

JournalReading readJournal(std::string_view bytes) {
    JournalReading reading;
    const auto lastBreak = bytes.rfind('\n');
    reading.wholeBytes = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
    if (reading.wholeBytes < bytes.size()) {
        reading.truncatedTail = true;
        reading.tail = std::string(bytes.substr(reading.wholeBytes));
    }
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < reading.wholeBytes;) {
        const std::size_t end = bytes.find('\n', at);
        lines.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    // A last whole line that does not read is a cut-short append too, when no bytes follow it.
    if (!reading.truncatedTail && !lines.empty()) {
        try {
            parseJournalLine(lines.back());
        } catch (const JournalLineError&) {
            reading.truncatedTail = true;
            reading.tail = std::string(lines.back()) + "\n";
            reading.wholeBytes -= reading.tail.size();
            lines.pop_back();
        }
    }
    reading.lines = static_cast<std::int64_t>(lines.size());

    std::string previous = kNoPreviousLine;
    std::int64_t expectedNumber = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto lineNumber = static_cast<std::int64_t>(i + 1);
        std::string fingerprint = sha256Hex(lines[i]);
        try {
            JournalEntry entry = parseJournalLine(lines[i]);
            // A new year's journal starts from the archived one's last line, which it names.
            const bool chainedToArchive = i == 0 && entry.event == JournalEvent::NewYear;
            if (entry.previous != previous && !chainedToArchive) {
                reading.breaks.push_back(
                    {lineNumber, lineLabel(lineNumber) +
                                     "empreinte incorrecte, le journal a été modifié après coup"});
            }
            if (entry.sequence != expectedNumber) {
                reading.breaks.push_back(
                    {lineNumber, lineLabel(lineNumber) + "numéro " +
                                     std::to_string(entry.sequence) + " au lieu de " +
                                     std::to_string(expectedNumber) +
                                     ", une entrée a été retirée, déplacée ou ajoutée"});
            }
            expectedNumber = entry.sequence + 1;
            reading.entries.push_back(std::move(entry));
        } catch (const JournalLineError& error) {
            reading.breaks.push_back({lineNumber, lineLabel(lineNumber) + error.what() +
                                                      ", le journal a été modifié après coup"});
            ++expectedNumber;
        }
        previous = fingerprint;
        reading.fingerprints.push_back(std::move(fingerprint));
    }
    return reading;
}

void replayEntry(const JournalEntry& entry, JournalValues& values) {
    for (const JournalChange& change : entry.changes) values[change.key] = change.after;
}

JournalValues replayJournal(const std::vector<JournalEntry>& entries) {
    JournalValues values;
    for (const JournalEntry& entry : entries) replayEntry(entry, values);
    return values;
}

}  // namespace vardo
