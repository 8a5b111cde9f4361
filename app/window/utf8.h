#pragma once
// The core's UTF-8 texts as the toolkit's strings.
#include <QString>
#include <string_view>

namespace vardo::app {

inline QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace vardo::app
