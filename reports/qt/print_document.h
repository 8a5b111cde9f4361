#pragma once
// One print document: the lines laid out by the text printer on a QPrinter whose settings are
// already chosen, in the window's font at 8 points for the printer's resolution.
#include <QFont>
#include <functional>
#include <string>
#include <vector>

class QPainter;
class QPrinter;
class QRect;

namespace vardo {

// The window's font at the report's size, black on the paper.
QFont reportFont(const QFont& windowFont);

// Starts the document, prints every line and ends the document, even after a failure. Throws
// vardo::Error ("Erreur d'impression") when the printer refuses the document or a page.
// betweenPages runs after each page is handed to the printer.
void printDocument(QPrinter& printer, const std::vector<std::string>& lines,
                   const QFont& windowFont, const std::function<void()>& betweenPages = {});

// A picture drawn on one page: draw gets the painter and the printable area, in printer
// pixels. Throws vardo::Error ("Erreur d'impression") as printDocument does.
using PageDrawing = std::function<void(QPainter&, const QRect&)>;
void printDrawing(QPrinter& printer, const PageDrawing& draw);

}  // namespace vardo
