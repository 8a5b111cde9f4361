#pragma once
// Reading back a printed PDF: its text page by page (pdftotext), blanks collapsed, blank lines
// dropped, and the position of its words (pdftotext -bbox).
#include <QString>
#include <string>
#include <vector>

namespace vardo::testing {

bool havePdfTools();

// Every page of the PDF, each as its non-blank lines in order with runs of blanks made one.
std::vector<std::vector<std::string>> pdfPages(const QString& path);

// A report line as pdftotext gives it back: runs of blanks made one, no blank at either end.
std::string collapseBlanks(const std::string& line);

struct WordBox {
    std::string word;
    double xMin, yMin, xMax, yMax;  // PDF points from the page's top-left corner
};
// The words of the first page with their boxes.
std::vector<WordBox> firstPageWords(const QString& path);

}  // namespace vardo::testing
