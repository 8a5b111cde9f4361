#pragma once
// Where the text printer puts the lines on a given printer: the layout run on the printer's own
// font metrics and page size without drawing, as pdftotext will read the pages back.
#include <QFont>
#include <string>
#include <vector>

class QPrinter;

namespace vardo::testing {

std::vector<std::vector<std::string>> expectedPages(QPrinter& printer,
                                                    const std::vector<std::string>& lines,
                                                    const QFont& windowFont);

}  // namespace vardo::testing
