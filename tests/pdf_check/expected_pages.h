#pragma once
// The pages that lines printed on a given printer must give, worked out on the printer's own font
// metrics and page size independently of the text printer, as pdftotext will read them back.
#include <QFont>
#include <string>
#include <vector>

class QPrinter;

namespace vardo::testing {

std::vector<std::vector<std::string>> expectedPages(QPrinter& printer,
                                                    const std::vector<std::string>& lines,
                                                    const QFont& windowFont);

}  // namespace vardo::testing
