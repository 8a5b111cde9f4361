// The memory figures of the About window: read from /proc/meminfo and written as its two lines.
#include "app/about/memory_status.h"

#include <gtest/gtest.h>

namespace {

using vardo::MemoryStatus;

TEST(MemoryStatusTest, MeminfoGivesTotalAndLoad) {
    const MemoryStatus status = vardo::parseMeminfo(QStringLiteral(
        "MemTotal:       16000000 kB\nMemFree:         1000000 kB\nMemAvailable:    4000000 kB\n"));
    EXPECT_EQ(status.totalBytes, 16000000ull * 1024);
    EXPECT_EQ(status.loadPercent, 75);
    // One hundred minus the available share rounded down, in any order of the lines.
    EXPECT_EQ(vardo::parseMeminfo(QStringLiteral("MemAvailable: 1 kB\nMemTotal: 3 kB\n")).loadPercent,
              100 - 33);
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

TEST(MemoryStatusTest, PhysicalLineGroupsKilobytesByThousands) {
    struct Row {
        const char* name;
        std::uint64_t kilobytes;
        const char* separator;
        const char* expected;
    } rows[] = {
        {"French", 16315428, "\u202F", "Mémoire physique totale : 16\u202F315\u202F428 Ko"},
        {"comma", 1048576, ",", "Mémoire physique totale : 1,048,576 Ko"},
        {"three digits", 512, ".", "Mémoire physique totale : 512 Ko"},
        {"four digits", 1000, " ", "Mémoire physique totale : 1 000 Ko"},
        {"zero has no digits", 0, " ", "Mémoire physique totale :  Ko"}};
    for (const Row& row : rows) {
        MemoryStatus status;
        status.known = true;
        status.totalBytes = row.kilobytes * 1024 + 1023;  // a partial kilobyte is dropped
        EXPECT_EQ(vardo::physicalMemoryLine(status, QString::fromUtf8(row.separator)),
                  QString::fromUtf8(row.expected))
            << row.name;
    }
}

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
