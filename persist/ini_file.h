#pragma once
// An INI file in memory, read and written as the Windows private-profile functions do: sections
// and keys found whatever the letter case of their ASCII letters, values without the blanks
// around them and without one pair of enclosing quotes, at most 2047 characters; a written key
// replaces its value where it stands or goes at the end of its section, a new section at the end
// of the file. The file is read once and written once; text inside is UTF-8, the file
// Windows-1252 with carriage return and line feed.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "persist/regular_file.h"

namespace vardo {

inline constexpr std::size_t kMaxProfileValue = 2047;

// Section and key names compared whatever the letter case of their ASCII letters, looked up
// without building a lower-case copy, through a keyed hash that no file can make collide.
struct ProfileNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};
struct ProfileNameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};
template <typename Value>
using ProfileNameMap = std::unordered_map<std::string, Value, ProfileNameHash, ProfileNameEqual>;

class IniFile {
public:
    IniFile() = default;

    // A missing file (or folder) reads as an empty one; other failures throw FileReadError.
    static IniFile load(const std::string& path);
    // The bytes of a file, Windows-1252.
    static IniFile fromBytes(std::string_view bytes);

    // The value, or fallback when the section or key is missing ("k=" reads as empty).
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything else gives the fallback.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    // Read as an integer: 0 is false, any other number true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // The names of the section's keys as the file writes them, the first of a repeated key only.
    std::vector<std::string> keyNames(std::string_view section) const;

    // Blanks at both ends of the value are dropped; line breaks inside it become blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    // Removes the section's header and every line up to the next header.
    void eraseSection(std::string_view section);

    // The whole file, Windows-1252, every line ended by carriage return and line feed.
    std::string toBytes() const;
    // Writes the file atomically (throws FileWriteError).
    void save(const std::string& path) const;

    // Whether a write or an erase changed anything since the load.
    bool changed() const { return changed_; }

private:
    // The first line of each key of a section, in an open-addressing table of line numbers:
    // names are compared on the lines themselves, so building it allocates next to nothing.
    class KeyIndex {
    public:
        // The line of the key, or npos.
        std::size_t find(const std::vector<std::string>& lines, std::string_view key) const;
        // Adds the line's key unless the key is there already (the first one wins).
        void add(const std::vector<std::string>& lines, std::size_t line);

    private:
        struct Slot {
            std::uint32_t hash = 0;
            std::uint32_t line = kEmpty;
        };
        static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
        void grow();
        std::vector<Slot> slots_;
        std::size_t count_ = 0;
    };

    struct Section {
        std::string name;                // as written in the header
        bool hasHeader = false;          // false for the lines before the first header
        // The header line first, when there is one; a run of blank lines is one entry, its
        // lines joined by carriage return and line feed.
        std::vector<std::string> lines;
        KeyIndex keys;
        // The blank lines that end the section, kept apart so that a new key goes before them
        // at no cost however many there are.
        std::vector<std::string> blankTail;
        void setAsideBlankTail();
    };

    const Section* findSection(std::string_view section) const;
    Section* findSection(std::string_view section);
    void reindexSections();
    static void indexKey(Section& section, std::size_t index);

    std::vector<Section> sections_;
    ProfileNameMap<std::size_t> sectionIndex_;  // first section of each name
    bool changed_ = false;
};

// The text as a value that reads back exactly: quoted when its blanks or quotes at the ends would
// otherwise be lost on reading.
std::string protectValue(std::string_view text);

// The integer rules of readInteger over one value.
bool parseProfileInteger(std::string_view text, std::int32_t& value);

}  // namespace vardo
