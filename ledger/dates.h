#pragma once
// Dates as the program passes them around: a date-time value counts the days since
// 30 December 1899, its fraction the time of day.

namespace vardo {

// The calendar year of a date-time value.
int yearOf(double dateTime);

// The date-time value of a calendar date.
double toDateTime(int year, int month, int day);

}  // namespace vardo
