#pragma once
// The system's print dialog as the print command shows it: printer choice, the printer's own
// properties and the number of copies; all pages only (no range, no page set, no selection),
// no printing to a file.
#include <QPrintDialog>

class QPrinter;
class QWidget;

namespace vardo {

class AllPagesPrintDialog : public QPrintDialog {
public:
    AllPagesPrintDialog(QPrinter* printer, QWidget* parent);
    void setVisible(bool visible) override;

private:
    void lockToAllPages();
};

// Opens the dialog on printer (modal); true when the user confirmed, the choices then in printer.
bool runPrintDialog(QPrinter& printer, QWidget* parent);

}  // namespace vardo
