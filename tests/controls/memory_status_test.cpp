// The memory figures of the About window: read from /proc/meminfo and written as its two lines.
#include "controls/memory_status.h"

#include <gtest/gtest.h>

namespace {

using vardo::MemoryStatus;

TEST(MemoryStatusTest, MeminfoGivesTotalAndLoad) {
    const MemoryStatus status = vardo::parseMeminfo(QStringLiteral(
        "MemTotal:       16000000 kB\nMemFree:         1000000 kB\nMemAvailable:    4000000 kB\n"));
    EXPECT_EQ(status.totalBytes, 16000000ull * 1024);
    EXPECT_EQ(status.loadPercent, 75);
}

TEST(MemoryStatusTest, LoadIsOneHundredMinusTheAvailableShareRoundedDown) {
    const MemoryStatus status =
        vardo::parseMeminfo(QStringLiteral("MemAvailable: 1 kB\nMemTotal: 3 kB\n"));
    EXPECT_EQ(status.loadPercent, 100 - 33);
}

TEST(MemoryStatusTest, MissingFiguresAreUnknownAndBothLinesSaySo) {
    for (const char* text : {"MemTotal: 1000 kB\n", "", "MemTotal: x kB\nMemAvailable: 5 kB",
                             "MemTotal: 0 kB\nMemAvailable: 0 kB"}) {
        const MemoryStatus status = vardo::parseMeminfo(QString::fromUtf8(text));
        EXPECT_FALSE(status.known) << text;
        EXPECT_EQ(vardo::physicalMemoryLine(status, QStringLiteral(" ")),
                  QStringLiteral("Mémoire physique totale : inconnue"));
        EXPECT_EQ(vardo::freeResourcesLine(status),
                  QStringLiteral("Ressources système      : inconnue"));
    }
}

TEST(MemoryStatusTest, ThisMachineHasSomeMemory) {
    const MemoryStatus status = vardo::currentMemoryStatus();
    EXPECT_TRUE(status.known);
    EXPECT_GT(status.totalBytes, 0u);
    EXPECT_GE(status.loadPercent, 0);
    EXPECT_LE(status.loadPercent, 100);
}

struct PhysicalLine {
    const char* name;
    std::uint64_t kilobytes;
    const char* separator;
    const char* expected;
};

class PhysicalLineTest : public testing::TestWithParam<PhysicalLine> {};

TEST_P(PhysicalLineTest, KilobytesGroupedByThousands) {
    MemoryStatus status;
    status.known = true;
    status.totalBytes = GetParam().kilobytes * 1024 + 1023;  // a partial kilobyte is dropped
    EXPECT_EQ(vardo::physicalMemoryLine(status, QString::fromUtf8(GetParam().separator)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PhysicalLineTest,
    testing::Values(PhysicalLine{"French", 16315428, "\u202F",
                                 "Mémoire physique totale : 16\u202F315\u202F428 Ko"},
                    PhysicalLine{"Comma", 1048576, ",", "Mémoire physique totale : 1,048,576 Ko"},
                    PhysicalLine{"ThreeDigits", 512, ".", "Mémoire physique totale : 512 Ko"},
                    PhysicalLine{"FourDigits", 1000, " ", "Mémoire physique totale : 1 000 Ko"},
                    PhysicalLine{"ZeroHasNoDigits", 0, " ", "Mémoire physique totale :  Ko"}),
    [](const testing::TestParamInfo<PhysicalLine>& row) { return std::string(row.param.name); });

TEST(MemoryStatusTest, ResourcesLineShowsTheFreeShare) {
    MemoryStatus status;
    status.known = true;
    status.loadPercent = 37;
    EXPECT_EQ(vardo::freeResourcesLine(status),
              QStringLiteral("Ressources système      : 63% libre."));
    status.loadPercent = 100;
    EXPECT_EQ(vardo::freeResourcesLine(status),
              QStringLiteral("Ressources système      : 0% libre."));
}

}  // namespace
