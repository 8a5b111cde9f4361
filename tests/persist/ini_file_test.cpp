// The INI layer against the reading and writing rules of the Windows profile functions.
#include "persist/ini_file.h"

#include <gtest/gtest.h>

#include "persist/cp1252.h"
#include "test_support.h"

namespace vardo {
namespace {

TEST(Cp1252, ConvertsBothWaysAndMarksWhatItCannotHold) {
    EXPECT_EQ(utf8ToCp1252("é€œŒ…"), "\xE9\x80\x9C\x8C\x85");
    EXPECT_EQ(cp1252ToUtf8("\xE9\x80\x9C\x8C\x85"), "é€œŒ…");
    EXPECT_EQ(utf8ToCp1252("日本 ✓"), "?? ?");
    EXPECT_EQ(utf8ToCp1252("a\xFF"
                           "b\xC3"),
              "a?b?");  // malformed UTF-8
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(everyByte)), everyByte);
}

TEST(IniRead, ValuesAsTheProfileFunctionsReadThem) {
    const IniFile file = IniFile::fromBytes(
        "; comment\r\n"
        "orphan=1\r\n"
        "[ S1 ]\r\n"
        "key =  value  \r\n"
        "Quoted=\"  abc \"\r\n"
        "Single='x'\r\n"
        "OneQuote=\"abc\r\n"
        "Inner=a\"b\"c\r\n"
        "Mixed=\"abc'\r\n"
        "Lone=\"\r\n"
        "Empty=\r\n"
        "NoEquals\r\n"
        ";Commented=1\r\n"
        "#Hash=2\r\n"
        "Dup=first\r\n"
        "dup=second\r\n"
        "[S4]junk\r\n"
        "k=4\r\n"
        "[S5\r\n"
        "[s1]\r\n"
        "Later=no\r\n");
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    } rows[] = {
        {"S1", "key", "value"},        {"s1", "KEY", "value"},
        {"S1", "Quoted", "  abc "},    {"S1", "Single", "x"},
        {"S1", "OneQuote", "\"abc"},   {"S1", "Inner", "a\"b\"c"},
        {"S1", "Mixed", "\"abc'"},     {"S1", "Lone", "\""},
        {"S1", "Empty", ""},           {"S1", "NoEquals", "<def>"},
        {"S1", ";Commented", "<def>"}, {"S1", "#Hash", "2"},
        {"S1", "Dup", "first"},        {"S4", "k", "4"},
        {"S1", "Later", "<def>"},      {"S1", "orphan", "<def>"},
        {"Absent", "key", "<def>"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(file.readString(row.section, row.key, "<def>"), row.expected)
            << row.section << "/" << row.key;
    }
}

TEST(IniRead, LongValueIsCutAt2047Characters) {
    const std::string value(3000, 'x');
    const IniFile file = IniFile::fromBytes("[S]\r\nlong=" + value +
                                            "\r\naccent=" + std::string(3000, '\xE9') + "\r\n");
    EXPECT_EQ(file.readString("S", "long", ""), value.substr(0, 2047));
    const std::string accents = file.readString("S", "accent", "");
    EXPECT_EQ(utf8ToCp1252(accents), std::string(2047, '\xE9'));
}

TEST(IniRead, IntegersAndBooleans) {
    const IniFile file = IniFile::fromBytes(
        "[S]\nd=42\nneg=-7\nhex=0x1F\nhexup=0XfF\nzerohex=0x0\njust0x=0x\nword=oui\nempty=\n"
        "big=2147483648\nmin=-2147483648\nallbits=0xFFFFFFFF\ntoolong=0x100000000\n"
        "two=2\nspace=1 2\nplus=+5\n");
    struct Row {
        const char* key;
        std::int32_t expected;
    } rows[] = {
        {"d", 42},        {"neg", -7},      {"hex", 31},        {"hexup", 255},
        {"zerohex", 0},   {"just0x", -99},  {"word", -99},      {"empty", -99},
        {"big", -99},     {"missing", -99}, {"min", INT32_MIN}, {"allbits", -1},
        {"toolong", -99}, {"two", 2},       {"space", -99},     {"plus", 5},
    };
    for (const Row& row : rows)
        EXPECT_EQ(file.readInteger("S", row.key, -99), row.expected) << row.key;
    EXPECT_TRUE(file.readBool("S", "two", false));
    EXPECT_FALSE(file.readBool("S", "zerohex", true));
    EXPECT_TRUE(file.readBool("S", "word", true));
    EXPECT_FALSE(file.readBool("S", "word", false));
}

TEST(IniRead, LfOnlyAndLastLineWithoutBreak) {
    const IniFile file = IniFile::fromBytes("[S]\nA=1\nB=2");
    EXPECT_EQ(file.readString("S", "A", ""), "1");
    EXPECT_EQ(file.readString("S", "B", ""), "2");
    EXPECT_EQ(file.toBytes(), "[S]\r\nA=1\r\nB=2\r\n");
}

TEST(IniWrite, InPlaceAtEndOfSectionOrNewSectionAtEnd) {
    IniFile file =
        IniFile::fromBytes("top\r\n[One]\r\nKEY = old \r\nother=1\r\n\r\n[Two]\r\nx=1\r\n");
    EXPECT_FALSE(file.changed());
    file.writeString("one", "key", "  new  ");
    file.writeString("ONE", "added", "a");
    file.writeString("Three", "k", "");
    file.writeString("Two", "x", "1");
    EXPECT_EQ(file.toBytes(),
              "top\r\n[One]\r\nKEY=new\r\nother=1\r\nadded=a\r\n\r\n[Two]\r\nx=1\r\n"
              "[Three]\r\nk=\r\n");
    EXPECT_TRUE(file.changed());
}

TEST(IniWrite, RunsOfBlankLinesStayWhereTheyAreLineForLine) {
    IniFile file = IniFile::fromBytes("[S]\na=1\n\n \t\n\nb=2\n\n\r\n  \n[T]\n\n\n");
    file.writeString("S", "c", "3");
    file.writeString("T", "d", "4");
    EXPECT_EQ(file.readString("S", "b", ""), "2");
    EXPECT_EQ(file.toBytes(),
              "[S]\r\na=1\r\n\r\n \t\r\n\r\nb=2\r\nc=3\r\n\r\n\r\n  \r\n"
              "[T]\r\nd=4\r\n\r\n\r\n");
}

TEST(IniWrite, UnchangedValueLeavesTheFileUnchanged) {
    IniFile file = IniFile::fromBytes("[S]\r\nk = v\r\n");
    file.writeString("s", "K", "v");
    EXPECT_FALSE(file.changed());
    EXPECT_EQ(file.toBytes(), "[S]\r\nk = v\r\n");
}

TEST(IniWrite, LineBreaksInAValueCannotSplitTheLine) {
    IniFile file;
    file.writeString("S", "k", "a\r\nb\nc");
    EXPECT_EQ(file.toBytes(), "[S]\r\nk=a  b c\r\n");
}

TEST(IniErase, RemovesTheSectionUpToTheNextHeader) {
    IniFile file = IniFile::fromBytes(
        "[A]\r\na=1\r\n; note\r\n[Default]\r\nMois=1\r\nx=2\r\n"
        "\r\n[B]\r\nb=1\r\n");
    file.eraseSection("default");
    file.writeString("Default", "Mois", "0");
    EXPECT_EQ(file.toBytes(), "[A]\r\na=1\r\n; note\r\n[B]\r\nb=1\r\n[Default]\r\nMois=0\r\n");
}

TEST(IniErase, DuplicateSectionsOnlyTheFirstCounts) {
    IniFile file = IniFile::fromBytes("[S]\r\nk=1\r\n[S]\r\nk=2\r\n");
    EXPECT_EQ(file.readString("S", "k", ""), "1");
    file.writeString("S", "k", "3");
    EXPECT_EQ(file.toBytes(), "[S]\r\nk=3\r\n[S]\r\nk=2\r\n");
    file.eraseSection("S");
    EXPECT_EQ(file.readString("S", "k", ""), "2");
}

TEST(ProtectValue, EveryTextReadsBackExactly) {
    const char* texts[] = {"",     "plain", " lead", "trail ", "\"quoted\"", "'single'", "\"",
                           "\"\"", "a\"b",  "\tTab", "é € œ",  "'mixed\"",   " \" ",     "x=y"};
    for (const char* text : texts) {
        IniFile file;
        file.writeString("S", "k", protectValue(text));
        EXPECT_EQ(IniFile::fromBytes(file.toBytes()).readString("S", "k", "<def>"), text)
            << "[" << text << "]";
    }
}

TEST(IniFileOnDisk, MissingFileIsEmptyAndFolderIsUnreadable) {
    testing::ScratchFolder folder;
    EXPECT_EQ(IniFile::load(folder / "absent.ini").readString("S", "k", "d"), "d");
    EXPECT_EQ(IniFile::load(folder / "nofolder/absent.ini").readString("S", "k", "d"), "d");
    EXPECT_THROW(IniFile::load(folder.path()), FileReadError);
}

}  // namespace
}  // namespace vardo
