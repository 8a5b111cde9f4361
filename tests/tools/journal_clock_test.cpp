// The journal's dates read as instants, whatever their UTC offset, and the lines dated before the
// line above them.
#include "tools/journal_clock.h"

#include <gtest/gtest.h>

namespace vardo {
namespace {

struct InstantRow {
    const char* name;
    const char* when;
    std::optional<std::int64_t> instant;
};

const InstantRow kInstants[] = {
    {"the epoch in UTC", "1970-01-01T00:00:00+00:00", 0},
    {"winter time", "2026-01-02T08:14:03+01:00", 1767338043},
    {"offset without a colon, as strftime writes it", "2026-01-02T08:14:03+0100", 1767338043},
    {"summer time, same instant", "2026-01-02T09:14:03+02:00", 1767338043},
    {"west of Greenwich", "2026-01-02T02:14:03-05:00", 1767338043},
    {"half-hour offset", "2026-01-02T12:44:03+05:30", 1767338043},
    {"no offset", "2026-01-02T08:14:03", std::nullopt},
    {"not a date", "hier soir", std::nullopt},
    {"empty", "", std::nullopt},
};

TEST(JournalClock, DatesReadAsInstantsByTheirOffset) {
    for (const InstantRow& row : kInstants) {
        EXPECT_EQ(journalInstant(row.when), row.instant) << row.name;
    }
}

JournalEntry dated(std::int64_t sequence, const char* when) {
    JournalEntry entry;
    entry.sequence = sequence;
    entry.when = when;
    return entry;
}

TEST(JournalClock, OnlyALineDatedBeforeTheOneAboveIsTold) {
    const std::vector<JournalEntry> entries = {
        dated(1, "2026-03-01T10:00:00+01:00"),
        dated(2, "2026-03-01T10:00:00+01:00"),  // the same second: not back
        dated(3, "2026-02-27T18:30:00+01:00"),  // back two days
        dated(4, "pas de date"),                // passed over
        dated(5, "2026-02-28T09:00:00+01:00"),  // after line 3, the last one read
        dated(6, "2026-03-29T03:00:00+02:00"),  // spring change: 01:00 UTC
        dated(7, "2026-03-29T01:59:59+01:00"),  // 00:59:59 UTC: one second back
    };
    EXPECT_EQ(datesGoingBack(entries),
              (std::vector<std::string>{
                  "ligne 3 : la date (27/02/2026 18:30:00) précède celle de la ligne 2 (01/03/2026 "
                  "10:00:00)",
                  "ligne 7 : la date (29/03/2026 01:59:59) précède celle de la ligne 6 (29/03/2026 "
                  "03:00:00)"}));
    EXPECT_TRUE(datesGoingBack({}).empty());
}

}  // namespace
}  // namespace vardo
