#include "app/about/memory_status.h"

#include <QFile>
#include <QStringList>

namespace vardo {

namespace {

const QString kUnknown = QStringLiteral("inconnue");

std::function<MemoryStatus()>& sourceOverride() {
    static std::function<MemoryStatus()> source;
    return source;
}

// Digits of a whole number with a separator between groups of three, as the pattern "#,###"
// writes them (no digits at all for zero).
QString groupThousands(std::uint64_t value, const QString& separator) {
    if (value == 0) return {};
    const QString digits = QString::number(value);
    QString grouped;
    const qsizetype lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    grouped += digits.left(lead);
    for (qsizetype i = lead; i < digits.size(); i += 3) grouped += separator + digits.mid(i, 3);
    return grouped;
}

}  // namespace

MemoryStatus parseMeminfo(const QString& text) {
    std::uint64_t totalKb = 0;
    std::uint64_t availableKb = 0;
    bool haveAvailable = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList parts = line.simplified().split(QLatin1Char(' '));
        if (parts.size() < 2) continue;
        bool ok = false;
        const std::uint64_t value = parts[1].toULongLong(&ok);
        if (!ok) continue;
        if (parts[0] == QLatin1String("MemTotal:")) totalKb = value;
        if (parts[0] == QLatin1String("MemAvailable:")) availableKb = value, haveAvailable = true;
    }
    MemoryStatus status;
    if (totalKb == 0 || !haveAvailable) return status;
    status.known = true;
    availableKb = std::min(availableKb, totalKb);
    status.totalBytes = totalKb * 1024;
    status.loadPercent = 100 - static_cast<int>(availableKb * 100 / totalKb);
    return status;
}

MemoryStatus currentMemoryStatus() {
    if (sourceOverride()) return sourceOverride()();
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parseMeminfo(QString::fromLatin1(file.readAll()));
}

void setMemoryStatusSourceForTests(std::function<MemoryStatus()> source) {
    sourceOverride() = std::move(source);
}

QString physicalMemoryLine(const MemoryStatus& status, const QString& thousandsSeparator) {
    if (!status.known) return QStringLiteral("Mémoire physique totale : ") + kUnknown;
    return QStringLiteral("Mémoire physique totale : ") +
           groupThousands(status.totalBytes / 1024, thousandsSeparator) + QStringLiteral(" Ko");
}

QString freeResourcesLine(const MemoryStatus& status) {
    if (!status.known) return QStringLiteral("Ressources système      : ") + kUnknown;
    // The line says "libre": it shows the free share, not the share in use.
    return QStringLiteral("Ressources système      : ") +
           QString::number(100 - status.loadPercent) + QStringLiteral("%") +
           QStringLiteral(" libre.");
}

}  // namespace vardo
