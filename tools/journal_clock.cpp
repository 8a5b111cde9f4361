#include "tools/journal_clock.h"

#include <cstdio>
#include <ctime>

namespace vardo {

std::string journalDateInWords(const std::string& when) {
    // YYYY-MM-DDTHH:MM
    if (when.size() < 16) return when;
    return when.substr(8, 2) + "/" + when.substr(5, 2) + "/" + when.substr(0, 4) + " " +
           when.substr(11, 5);
}

std::string journalDateWithSeconds(const std::string& when) {
    if (when.size() < 19) return when;
    return journalDateInWords(when) + when.substr(16, 3);
}

std::optional<std::int64_t> journalInstant(const std::string& when) {
    std::tm local{};
    char sign = 0;
    int offsetHours = 0;
    int offsetMinutes = 0;
    int consumed = 0;
    if (std::sscanf(when.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%2d%n", &local.tm_year, &local.tm_mon,
                    &local.tm_mday, &local.tm_hour, &local.tm_min, &local.tm_sec, &sign,
                    &offsetHours, &consumed) != 8 ||
        (sign != '+' && sign != '-')) {
        return std::nullopt;
    }
    const char* rest = when.c_str() + consumed;
    if (*rest == ':') ++rest;
    if (std::sscanf(rest, "%2d", &offsetMinutes) != 1) return std::nullopt;
    local.tm_year -= 1900;
    local.tm_mon -= 1;
    const std::int64_t asIfUtc = ::timegm(&local);
    const std::int64_t offset = (offsetHours * 60 + offsetMinutes) * 60;
    return sign == '+' ? asIfUtc - offset : asIfUtc + offset;
}

std::vector<std::string> datesGoingBack(const std::vector<JournalEntry>& entries) {
    std::vector<std::string> remarks;
    const JournalEntry* previous = nullptr;
    std::optional<std::int64_t> previousInstant;
    for (const JournalEntry& entry : entries) {
        const std::optional<std::int64_t> instant = journalInstant(entry.when);
        if (!instant) continue;
        if (previousInstant && *instant < *previousInstant) {
            remarks.push_back("ligne " + std::to_string(entry.sequence) + " : la date (" +
                              journalDateWithSeconds(entry.when) + ") précède celle de la ligne " +
                              std::to_string(previous->sequence) + " (" +
                              journalDateWithSeconds(previous->when) + ")");
        }
        previous = &entry;
        previousInstant = instant;
    }
    return remarks;
}

}  // namespace vardo
