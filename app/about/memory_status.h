#pragma once
// The machine's memory as the About window shows it: total physical memory and the share in use.
#include <QString>
#include <cstdint>
#include <functional>

namespace vardo {

struct MemoryStatus {
    bool known = false;  // false when the figures could not be read
    std::uint64_t totalBytes = 0;
    int loadPercent = 0;  // share of physical memory in use, 0 to 100
};

// Reads a /proc/meminfo text: MemTotal and MemAvailable (in kB); the load is
// 100 - MemAvailable * 100 / MemTotal. Missing figures give an unknown status.
MemoryStatus parseMeminfo(const QString& text);

// The current status, asked afresh at each call.
MemoryStatus currentMemoryStatus();

// Replaces the source of currentMemoryStatus (an empty function restores /proc/meminfo).
void setMemoryStatusSourceForTests(std::function<MemoryStatus()> source);

// "Mémoire physique totale : " and the kilobytes grouped by thousands with the separator given.
// Unknown figures show "inconnue" in both lines rather than a made-up amount.
QString physicalMemoryLine(const MemoryStatus& status, const QString& thousandsSeparator);
// "Ressources système      : " and the free share, "%", " libre.".
QString freeResourcesLine(const MemoryStatus& status);

}  // namespace vardo
