#pragma once
// The French message of the error an action throws, to compare with the exact text expected.
#include <string>

#include "ledger/error.h"

namespace vardo::testing {

inline std::string errorOf(auto&& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "(no error)";
}

}  // namespace vardo::testing
