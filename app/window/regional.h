#pragma once
// The system's regional settings as the program uses them: the decimal separator of coefficients
// and the short date format of the date panel.
#include <QDate>
#include <QLocale>
#include <QString>

#include "ledger/ledger.h"

namespace vardo::app {

// The decimal separator of the locale, as one byte ('.' when it is not a plain ASCII mark).
Regional regionalSettings(const QLocale& locale);

// A date in the locale's short date format.
QString shortDate(const QLocale& locale, const QDate& date);

// The date-time value of a calendar date (days since 30 December 1899).
double dateTimeValue(const QDate& date);

}  // namespace vardo::app
