#include "controls/help_versions.h"

#include <QStringList>

namespace vardo {

FourPartVersion parseFourPartVersion(const QString& version) {
    FourPartVersion parts{0, 0, 0, 0};
    const QStringList pieces = version.trimmed().split(QLatin1Char('.'));
    for (qsizetype i = 0; i < pieces.size() && i < 4; ++i) {
        bool ok = false;
        const uint value = pieces[i].toUInt(&ok);
        parts[static_cast<std::size_t>(i)] = ok ? value : 0;
    }
    return parts;
}

QString friendlyHelpVersion(const QString& version) {
    struct Row {
        FourPartVersion threshold;
        const char* name;
    };
    static constexpr std::array<Row, 11> kTable{{
        {{4, 74, 8857, 0}, "1.32"},
        {{4, 74, 8793, 0}, "1.31"},
        {{4, 74, 8702, 0}, "1.3"},
        {{4, 73, 8561, 0}, "1.22"},
        {{4, 73, 8474, 0}, "1.21a"},
        {{4, 73, 8412, 0}, "1.21"},
        {{4, 73, 8252, 0}, "1.2"},
        {{4, 72, 8164, 0}, "1.1b"},
        {{4, 72, 7325, 0}, "1.1a"},
        {{4, 72, 7323, 0}, "1.1"},
        {{4, 72, 7290, 0}, "1.0"},
    }};
    // The four numbers compare in order, so a build above 0 is beyond its row's threshold.
    const FourPartVersion value = parseFourPartVersion(version);
    constexpr FourPartVersion kNewest{4, 74, 9273, 0};
    if (value > kNewest) return QStringLiteral("> 1.33");
    if (value == kNewest) return QStringLiteral("1.33");
    for (const Row& row : kTable) {
        if (value >= row.threshold) return QString::fromLatin1(row.name);
    }
    return QStringLiteral("< 1.0");
}

}  // namespace vardo
