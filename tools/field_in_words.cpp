#include "tools/field_in_words.h"

namespace vardo {

// Month captions start with an unaccented capital: lowering its first byte is enough.
std::string monthInWords(int month) {
    std::string caption(monthInfo(month).caption);
    caption[0] = static_cast<char>(caption[0] - 'A' + 'a');
    return caption;
}

std::string dayInWords(int month, int day) {
    return (day == 1 ? std::string("1er") : std::to_string(day)) + " " + monthInWords(month);
}

std::string fieldInWords(FieldId id) {
    for (int m = 0; m < kMonths; ++m) {
        if (id == balanceField(m, Balance::KMIn)) return monthInWords(m) + ", kilométrage initial";
        for (int d = 1; d <= monthInfo(m).dayRows; ++d) {
            if (id == morningField(m, d)) return dayInWords(m, d) + ", matin";
            if (id == eveningField(m, d)) return dayInWords(m, d) + ", soir";
        }
    }
    return fieldName(id);
}

}  // namespace vardo
