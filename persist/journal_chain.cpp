#include "persist/journal_chain.h"

#include "persist/journal_reading_line.h"
#include "persist/sha256.h"

namespace vardo {
namespace {

std::string lineLabel(std::int64_t line) {
    return "ligne " + std::to_string(line) + " : ";
}

// The lines up to the last line break; a last line that does not read as an entry is left
// out as a cut-short append too, when no bytes follow it.
struct WholeLines {
    std::vector<std::string_view> lines;
    std::size_t bytes = 0;
    bool truncatedTail = false;
    std::string tail;
};

WholeLines wholeLines(std::string_view bytes) {
    WholeLines whole;
    const auto lastBreak = bytes.rfind('\n');
    whole.bytes = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
    if (whole.bytes < bytes.size()) {
        whole.truncatedTail = true;
        whole.tail = std::string(bytes.substr(whole.bytes));
    }
    for (std::size_t at = 0; at < whole.bytes;) {
        const std::size_t end = bytes.find('\n', at);
        whole.lines.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    if (!whole.truncatedTail && !whole.lines.empty() && !readReadingLine(whole.lines.back())) {
        try {
            parseJournalLine(whole.lines.back());
        } catch (const JournalLineError&) {
            whole.truncatedTail = true;
            whole.tail = std::string(whole.lines.back()) + "\n";
            whole.bytes -= whole.tail.size();
            whole.lines.pop_back();
        }
    }
    return whole;
}

}  // namespace

std::string JournalReading::fingerprint() const {
    return fingerprints.empty() ? kNoPreviousLine : fingerprints.back();
}

JournalReading readJournal(std::string_view bytes) {
    JournalReading reading;
    const WholeLines whole = wholeLines(bytes);
    const std::vector<std::string_view>& lines = whole.lines;
    reading.wholeBytes = whole.bytes;
    reading.truncatedTail = whole.truncatedTail;
    reading.tail = whole.tail;
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

JournalOpening readJournalOpening(std::string_view bytes) {
    JournalOpening opening;
    const WholeLines whole = wholeLines(bytes);
    opening.lines = static_cast<std::int64_t>(whole.lines.size());
    opening.wholeBytes = whole.bytes;
    opening.truncatedTail = whole.truncatedTail;
    opening.tail = whole.tail;
    opening.fingerprint = whole.lines.empty() ? kNoPreviousLine : sha256Hex(whole.lines.back());
    opening.lastSequence = opening.lines;
    for (const std::string_view line : whole.lines) {
        if (const auto reading = readReadingLine(line)) {
            opening.values.insert_or_assign(std::string(reading->key), std::string(reading->after));
            opening.lastSequence = reading->sequence;
            continue;
        }
        try {
            const JournalEntry entry = parseJournalLine(line);
            replayEntry(entry, opening.values);
            opening.lastSequence = entry.sequence;
        } catch (const JournalLineError&) {
            // Not an entry: the chain's check names it; the replay goes on without it.
        }
    }
    return opening;
}

}  // namespace vardo
