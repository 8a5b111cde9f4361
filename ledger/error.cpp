#include "ledger/error.h"

namespace vardo {

std::string formatMessage(const std::string& pattern, const std::string& argument) {
    std::string out = pattern;
    if (auto pos = out.find("%s"); pos != std::string::npos) out.replace(pos, 2, argument);
    return out;
}

std::string errorBoxText(const std::string& message) {
    // Compared as an 8-bit character, as the code page would; bytes of accented letters sort after '.'.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

}  // namespace vardo
