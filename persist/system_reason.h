#pragma once
// The system's description of a file error, in French, as the messages that quote it show it.
#include <string>

namespace vardo {

std::string systemReason(int error);

}  // namespace vardo
