#include "reports/qt/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vardo {

void configurePrintDialog(QPrintDialog& dialog) {
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

bool runPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    configurePrintDialog(dialog);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vardo
