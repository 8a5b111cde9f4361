#include "persist/year_text.h"

#include "ledger/error.h"
#include "ledger/numbers.h"

namespace vardo {

const std::string& yearForFileName(const std::string& comptabilite) {
    constexpr std::size_t kMaxDigits = 4;
    bool digits = !comptabilite.empty() && comptabilite.size() <= kMaxDigits;
    for (const char c : comptabilite) digits = digits && c >= '0' && c <= '9';
    if (!digits) throw Error(formatMessage(std::string(kNotAnInteger), comptabilite));
    return comptabilite;
}

}  // namespace vardo
