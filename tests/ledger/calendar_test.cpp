// The one day rule: which days a month has and which are recorded.
#include <gtest/gtest.h>

#include "ledger/calendar.h"

namespace vardo {
namespace {

TEST(Calendar, LeapYears) {
    struct Row {
        const char* name;
        int year;
        bool leap;
    };
    for (const Row& row : {Row{"common", 2025, false}, Row{"every fourth", 2024, true},
                           Row{"century", 1900, false}, Row{"fourth century", 2000, true},
                           Row{"first year", 1, false}, Row{"year 4", 4, true},
                           Row{"last year", 9999, false}})
        EXPECT_EQ(isLeapYear(row.year), row.leap) << row.name;
}

TEST(Calendar, YearsTheHeaderCanHold) {
    struct Row {
        const char* name;
        const char* text;
        std::optional<int> year;
    };
    for (const Row& row : {Row{"plain", "2026", 2026}, Row{"leading blanks", "  2024", 2024},
                           Row{"plus sign", "+2023", 2023}, Row{"first", "1", 1},
                           Row{"last", "9999", 9999}, Row{"zero", "0", std::nullopt},
                           Row{"too far", "10000", std::nullopt},
                           Row{"negative", "-4", std::nullopt}, Row{"empty", "", std::nullopt},
                           Row{"letters", "abc", std::nullopt},
                           Row{"trailing blank", "2024 ", std::nullopt}})
        EXPECT_EQ(readYear(row.text), row.year) << row.name;
}

TEST(Calendar, TheAccountingYearDecidesAndTodayOnlyWhenItHoldsNone) {
    struct Row {
        const char* name;
        const char* comptabilite;
        int todayYear;
        int calendar;
        int februaryDays;
    };
    FormModel form;
    for (const Row& row : {Row{"leap accounting year", "2024", 2025, 2024, 29},
                           Row{"common accounting year", "2025", 2024, 2025, 28},
                           Row{"no year: today's leap year", "0", 2024, 2024, 29},
                           Row{"no year: today's common year", "", 2025, 2025, 28},
                           Row{"not a year: today", "abc", 2028, 2028, 29}}) {
        form.setText(headerField(Header::Comptabilite), row.comptabilite);
        EXPECT_EQ(calendarYear(form, row.todayYear), row.calendar) << row.name;
        EXPECT_EQ(daysInMonth(kFebruary, calendarYear(form, row.todayYear)), row.februaryDays)
            << row.name;
    }
}

TEST(Calendar, EveryOtherMonthHasItsRowsInEveryYear) {
    for (int year : {2024, 2025}) {
        for (int m = 0; m < kMonths; ++m) {
            if (m == kFebruary) continue;
            EXPECT_EQ(daysInMonth(m, year), monthInfo(m).dayRows) << m;
        }
    }
    EXPECT_EQ(daysInMonth(kApril, 2025), 30);
    EXPECT_EQ(daysInMonth(kDecember, 2025), 31);
}

TEST(Calendar, ARecordedDayHasAnEveningReadingOnADayTheYearHas) {
    FormModel form;
    form.setText(morningField(kMarch, 3), "12000");  // a morning alone records nothing
    form.setText(eveningField(kMarch, 5), "12100");
    form.setText(eveningField(kFebruary, 29), "11000");
    form.setText(eveningField(kFebruary, 27), "10900");
    form.setText(eveningField(kApril, 2), "00");  // "00" is a reading
    struct Row {
        const char* name;
        int month, day, year;
        bool recorded;
    };
    for (const Row& row : {Row{"evening typed", kMarch, 5, 2025, true},
                           Row{"morning only", kMarch, 3, 2025, false},
                           Row{"nothing typed", kMarch, 4, 2025, false},
                           Row{"29 February, leap year", kFebruary, 29, 2024, true},
                           Row{"29 February, common year", kFebruary, 29, 2025, false},
                           Row{"\"00\"", kApril, 2, 2025, true},
                           Row{"day 0", kMarch, 0, 2025, false},
                           Row{"past the month", kApril, 31, 2025, false}})
        EXPECT_EQ(isRecordedDay(form, row.month, row.day, row.year), row.recorded) << row.name;
    EXPECT_EQ(lastRecordedDay(form, kFebruary, 2024), 29);
    EXPECT_EQ(lastRecordedDay(form, kFebruary, 2025), 27) << "the 29th a common year has not";
    EXPECT_EQ(lastRecordedDay(form, kMarch, 2025), 5);
    EXPECT_EQ(lastRecordedDay(form, kMay, 2025), 0);
}

}  // namespace
}  // namespace vardo
