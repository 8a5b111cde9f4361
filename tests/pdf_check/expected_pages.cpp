#include "expected_pages.h"

#include <QFontMetrics>
#include <QPrinter>
#include <QString>

#include "pdf_text.h"
#include "reports/qt/print_document.h"

namespace vardo::testing {

// Worked out here from the layout rules, one character at a time, without the text printer:
// a printed line takes the font's height plus 2, an empty one the font's height; a line wider
// than the page goes on over the next printed lines, cut between two characters (at least one
// character a line); a new page starts once the position passes the page height minus twice
// the step just taken.
std::vector<std::vector<std::string>> expectedPages(QPrinter& printer,
                                                    const std::vector<std::string>& lines,
                                                    const QFont& windowFont) {
    const QFontMetrics metrics(reportFont(windowFont), &printer);
    const int pageWidth = printer.width();
    const int pageHeight = printer.height();
    std::vector<std::vector<std::string>> pages(1);
    int y = 0;
    auto moveDown = [&](int step) {
        y += step;
        if (y > pageHeight - 2 * step) {
            pages.emplace_back();
            y = 0;
        }
    };
    auto keep = [&](const QString& printed) {
        std::string collapsed = withoutBlanks(printed.toStdString());
        if (!collapsed.empty()) pages.back().push_back(std::move(collapsed));
    };
    for (const std::string& line : lines) {
        QString rest = QString::fromStdString(line);
        if (rest.isEmpty()) {
            moveDown(metrics.height());
            continue;
        }
        while (!rest.isEmpty()) {
            qsizetype count = 1;
            while (count < rest.size() &&
                   metrics.horizontalAdvance(rest.left(count + 1)) <= pageWidth)
                ++count;
            keep(rest.left(count));
            rest.remove(0, count);
            moveDown(metrics.height() + 2);
        }
    }
    return pages;
}

}  // namespace vardo::testing
