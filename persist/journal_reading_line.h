#pragma once
// The journal's most common line, a reading typed or carried, read without building its JSON:
// the start replays every line of a year's journal and this is most of its cost. Only the exact
// shape the program writes is taken, with plain texts (printable ASCII without quote or
// backslash); any other line is left to the JSON parser, so that what is read is always what
// the parser would read.
#include <cstdint>
#include <optional>
#include <string_view>

namespace vardo {

struct ReadingLine {
    std::int64_t sequence = 0;
    std::string_view key;
    std::string_view after;
};

// {"n":12,"date":"…","evt":"saisie","cle":"JanvM01","avant":"0","apres":"48730","prec":"…"}
// ("report" alike); none for any other line.
std::optional<ReadingLine> readReadingLine(std::string_view line);

}  // namespace vardo
