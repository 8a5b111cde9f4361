#pragma once
// The system's print dialog as the print command shows it: printer choice, the printer's own
// properties and the number of copies; all pages only, no printing to a file.
class QPrintDialog;
class QPrinter;
class QWidget;

namespace vardo {

void configurePrintDialog(QPrintDialog& dialog);

// Opens the dialog on printer (modal); true when the user confirmed, the choices then in printer.
bool runPrintDialog(QPrinter& printer, QWidget* parent);

}  // namespace vardo
