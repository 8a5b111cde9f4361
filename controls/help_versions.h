#pragma once
// Versions of the component that renders the help, as four numbers, and their friendly names.
#include <QString>
#include <array>
#include <cstdint>

namespace vardo {

using FourPartVersion = std::array<std::uint32_t, 4>;  // major, minor, release, build

// "a.b.c.d" (missing or unreadable parts count as 0).
FourPartVersion parseFourPartVersion(const QString& version);

// The friendly name of an HTML Help control version: the first row of the table, from the
// newest, that the version reaches ("1.3" for 4.74.8702.0, "1.1b" for 4.73.8000.0).
QString friendlyHelpVersion(const QString& version);

}  // namespace vardo
