#include "app/window/regional.h"

#include "ledger/dates.h"

namespace vardo::app {

Regional regionalSettings(const QLocale& locale) {
    Regional regional;
    const QString mark = locale.decimalPoint();
    if (mark.size() == 1 && mark[0].unicode() < 0x80 && mark[0].unicode() > 0x20)
        regional.decimalSeparator = static_cast<char>(mark[0].unicode());
    else
        regional.decimalSeparator = '.';
    return regional;
}

QString shortDate(const QLocale& locale, const QDate& date) {
    return locale.toString(date, QLocale::ShortFormat);
}

double dateTimeValue(const QDate& date) {
    return toDateTime(date.year(), date.month(), date.day());
}

}  // namespace vardo::app
