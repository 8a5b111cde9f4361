#pragma once
// One print document: the lines laid out by the text printer on a QPrinter whose settings are
// already chosen, in the window's font at 8 points for the printer's resolution.
#include <QFont>
#include <functional>
#include <string>
#include <vector>

class QPrinter;

namespace vardo {

// The window's font at the report's size, black on the paper.
QFont reportFont(const QFont& windowFont);

// Starts the document, prints every line and ends the document, even after a failure. Throws
// vardo::Error ("Erreur d'impression") when the printer refuses the document or a page.
// betweenPages runs after each page is handed to the printer.
void printDocument(QPrinter& printer, const std::vector<std::string>& lines,
                   const QFont& windowFont, const std::function<void()>& betweenPages = {});

}  // namespace vardo
