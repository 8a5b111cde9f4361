#pragma once
// Printing into a PDF file and reading it back: its text page by page (pdftotext), blanks
// collapsed, blank lines dropped, and the position of its words (pdftotext -bbox).
#include <QString>
#include <string>
#include <vector>

#include "reports/qt/print_service.h"

namespace vardo::testing {

bool havePdfTools();

// A platform with a default printer that prints into the PDF file `path` (A4, high resolution);
// `confirm` stands for the print dialog, `betweenPages` runs after each page.
PrintService::Platform pdfPlatform(const QString& path,
                                   std::function<bool(QPrinter&, QWidget*)> confirm,
                                   std::function<void()> betweenPages = {});

// Every page of the PDF, each as its non-blank lines in order, without their blanks (PDF text
// keeps the glyphs' places, not the blanks between them).
std::vector<std::vector<std::string>> pdfPages(const QString& path);

// A report line as it is compared with what pdftotext gives back.
std::string withoutBlanks(const std::string& line);

using Pages = std::vector<std::vector<std::string>>;
// "" when the pages are equal, otherwise where they first differ.
std::string firstDifference(const Pages& actual, const Pages& expected);

struct WordBox {
    std::string word;
    double xMin, yMin, xMax, yMax;  // PDF points from the page's top-left corner
};
// The words of the first page with their boxes.
std::vector<WordBox> firstPageWords(const QString& path);

}  // namespace vardo::testing
