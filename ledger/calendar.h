#pragma once
// The one day rule of the ledger: which days each month of the year has (29 February by the
// accounting year, or by today's year while the header holds none) and which of them are
// recorded. The month pages, the counts, the printouts, the CSV and the check all ask here.
#include <optional>
#include <string_view>

#include "ledger/form_model.h"

namespace vardo {

bool isLeapYear(int year);

// The year a text holds when it reads as a figure from 1 to 9999 ("2026", " 2026", "+2026").
std::optional<int> readYear(std::string_view text);

// The year typed in aledComptabilite, when it holds one.
std::optional<int> accountingYear(const FormModel& form);

// The year whose calendar the ledger follows: the accounting year, or todayYear when
// aledComptabilite holds no year.
int calendarYear(const FormModel& form, int todayYear);

// How many days month m (0 = January) has in that year: 28 or 29 for February.
int daysInMonth(int month, int year);

// A day is recorded when the month has it in that year and its evening reading is not "0".
// A reading typed on a day the year does not have (29 February of a common year) stays in the
// store and counts nowhere.
bool isRecordedDay(const FormModel& form, int month, int day, int year);

// The month's last recorded day, 0 when it has none.
int lastRecordedDay(const FormModel& form, int month, int year);

}  // namespace vardo
