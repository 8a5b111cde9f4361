#pragma once
// Stand-ins for the two functions of the maker's closed library.

namespace vardo {

// 1 when the date-time value (days since 30 December 1899, the fraction the time of day)
// lies in a leap year, 0 otherwise.
unsigned char dateLeapYear(double dateTime);

// "1" for true, "0" for false.
char BoolToChar(bool value);

// The date-time value of a calendar date.
double toDateTime(int year, int month, int day);

}  // namespace vardo
