#include "persist/ini_file.h"

#include <utility>

#include "persist/atomic_file.h"
#include "persist/cp1252.h"
#include "persist/keyed_hash.h"

namespace vardo {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// A line of nothing but blanks, or a run of such lines joined by line breaks.
bool isBlankEntry(std::string_view entry) {
    for (const char c : entry) {
        if (!isBlank(c) && c != '\n') return false;
    }
    return true;
}

std::string_view strip(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The name of a header line, or false when the line is not one: "[" first, a "]" somewhere.
bool headerName(std::string_view line, std::string_view& name) {
    line = strip(line);
    if (line.empty() || line.front() != '[') return false;
    const auto close = line.rfind(']');
    if (close == std::string_view::npos) return false;
    name = strip(line.substr(1, close - 1));
    return true;
}

// The key of a key line, or false for comments and lines without "=".
bool keyName(std::string_view line, std::string_view& name) {
    line = strip(line);
    if (line.empty() || line.front() == ';') return false;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    name = strip(line.substr(0, equals));
    return true;
}

// The value of a key line as it stands in the file, blanks stripped, quotes kept.
std::string_view rawValue(std::string_view line) {
    return strip(line.substr(line.find('=') + 1));
}

// At most kMaxProfileValue characters of UTF-8 text.
std::string_view cutValue(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 &&
            characters++ == kMaxProfileValue) {
            return text.substr(0, i);
        }
    }
    return text;
}

}  // namespace

std::size_t ProfileNameHash::operator()(std::string_view name) const {
    return static_cast<std::size_t>(caseBlindKeyedHash(name));
}

bool ProfileNameEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

IniFile IniFile::load(const std::string& path) {
    bool missing = false;
    const std::string bytes = readWholeFile(path, missing);
    return fromBytes(bytes);
}

IniFile IniFile::fromBytes(std::string_view bytes) {
    IniFile file;
    const std::string text = cp1252ToUtf8(bytes);
    std::string_view rest = text;
    Section* current = nullptr;
    bool inBlankRun = false;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::string_view name;
        if (headerName(line, name)) {
            file.sections_.push_back(Section{std::string(name), true, {std::string(line)}, {}, {}});
            current = &file.sections_.back();
            inBlankRun = false;
            continue;
        }
        if (current == nullptr) {
            file.sections_.push_back(Section{});
            current = &file.sections_.back();
        }
        if (isBlankEntry(line)) {
            // One entry per run: millions of empty lines cost one string, not millions.
            if (inBlankRun)
                current->lines.back().append("\r\n").append(line);
            else
                current->lines.emplace_back(line);
            inBlankRun = true;
            continue;
        }
        inBlankRun = false;
        current->lines.emplace_back(line);
        indexKey(*current, current->lines.size() - 1);
    }
    for (Section& section : file.sections_) section.setAsideBlankTail();
    file.reindexSections();
    return file;
}

void IniFile::Section::setAsideBlankTail() {
    std::size_t kept = lines.size();
    while (kept > 0 && isBlankEntry(lines[kept - 1])) --kept;
    blankTail.assign(std::make_move_iterator(lines.begin() + static_cast<std::ptrdiff_t>(kept)),
                     std::make_move_iterator(lines.end()));
    lines.resize(kept);
}

void IniFile::indexKey(Section& section, std::size_t index) {
    section.keys.add(section.lines, index);
}

std::size_t IniFile::KeyIndex::find(const std::vector<std::string>& lines,
                                    std::string_view key) const {
    if (slots_.empty()) return std::string_view::npos;
    const auto hash = static_cast<std::uint32_t>(ProfileNameHash{}(key));
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.line == kEmpty) return std::string_view::npos;
        std::string_view name;
        if (slot.hash == hash && keyName(lines[slot.line], name) && ProfileNameEqual{}(name, key)) {
            return slot.line;
        }
    }
}

void IniFile::KeyIndex::add(const std::vector<std::string>& lines, std::size_t line) {
    std::string_view name;
    if (!keyName(lines[line], name) || find(lines, name) != std::string_view::npos) return;
    if ((count_ + 1) * 2 > slots_.size()) grow();
    const auto hash = static_cast<std::uint32_t>(ProfileNameHash{}(name));
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i].line != kEmpty) i = (i + 1) & mask;
    slots_[i] = Slot{hash, static_cast<std::uint32_t>(line)};
    ++count_;
}

void IniFile::KeyIndex::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.line == kEmpty) continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].line != kEmpty) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

void IniFile::reindexSections() {
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sections_[i].hasHeader) sectionIndex_.try_emplace(sections_[i].name, i);
    }
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    const auto found = sectionIndex_.find(section);
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section* IniFile::findSection(std::string_view section) {
    return const_cast<Section*>(std::as_const(*this).findSection(section));
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const Section* found = findSection(section);
    if (found == nullptr) return std::string(fallback);
    const std::size_t line = found->keys.find(found->lines, key);
    if (line == std::string_view::npos) return std::string(fallback);
    std::string_view value = rawValue(found->lines[line]);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(cutValue(value));
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = findSection(section);
    if (found == nullptr) return names;
    for (std::size_t line = 0; line < found->lines.size(); ++line) {
        std::string_view name;
        if (keyName(found->lines[line], name) && found->keys.find(found->lines, name) == line)
            names.emplace_back(name);
    }
    return names;
}

bool parseProfileInteger(std::string_view text, std::int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint64_t number = 0;
        for (const char c : text.substr(2)) {
            int digit = 0;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return false;
            number = number * 16 + static_cast<std::uint64_t>(digit);
            if (number > 0xFFFFFFFFu) return false;
        }
        // Eight hexadecimal digits cover the whole 32 bits, as a signed integer.
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
        return true;
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    std::int64_t number = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        number = number * 10 + (text[i] - '0');
        if (number > 0x80000000LL) return false;
    }
    if (negative) number = -number;
    if (number > 0x7FFFFFFF) return false;
    value = static_cast<std::int32_t>(number);
    return true;
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
    std::int32_t value = 0;
    return parseProfileInteger(readString(section, key, ""), value) ? value : fallback;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::string clean(value);
    for (char& c : clean) {
        if (c == '\r' || c == '\n') c = ' ';  // a line break would split the line
    }
    const std::string_view stripped = strip(clean);

    Section* target = findSection(section);
    if (target == nullptr) {
        std::string header = "[";
        header.append(section).append("]");
        sections_.push_back(Section{std::string(section), true, {std::move(header)}, {}, {}});
        sectionIndex_.try_emplace(sections_.back().name, sections_.size() - 1);
        target = &sections_.back();
    }
    const std::size_t existing = target->keys.find(target->lines, key);
    if (existing != std::string_view::npos) {
        std::string& line = target->lines[existing];
        if (rawValue(line) == stripped) return;
        std::string_view name;
        keyName(line, name);
        std::string replaced(name);
        replaced.append("=").append(stripped);
        line = std::move(replaced);
        changed_ = true;
        return;
    }
    // After the section's last line that is not blank: the blank lines before the next header
    // stay where they are.
    std::string line(key);
    line.append("=").append(stripped);
    target->lines.push_back(std::move(line));
    indexKey(*target, target->lines.size() - 1);
    changed_ = true;
}

void IniFile::eraseSection(std::string_view section) {
    const auto found = sectionIndex_.find(section);
    if (found == sectionIndex_.end()) return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
    reindexSections();
    changed_ = true;
}

std::string IniFile::toBytes() const {
    std::string bytes;
    for (const auto& section : sections_) {
        bytes += linesToFileBytes(section.lines);
        bytes += linesToFileBytes(section.blankTail);
    }
    return bytes;
}

void IniFile::save(const std::string& path) const {
    writeFileAtomically(path, toBytes());
}

std::string protectValue(std::string_view text) {
    std::string value(text);
    for (char& c : value) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (value.empty()) return value;
    const char first = value.front();
    const char last = value.back();
    const bool blankAtEnd = isBlank(first) || isBlank(last);
    const bool quotedAlready =
        value.size() >= 2 && (first == '"' || first == '\'') && first == last;
    return blankAtEnd || quotedAlready ? "\"" + value + "\"" : value;
}

}  // namespace vardo
