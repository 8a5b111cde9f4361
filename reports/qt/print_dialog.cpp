#include "reports/qt/print_dialog.h"

#include <QComboBox>
#include <QPageRanges>
#include <QPrinter>
#include <QRadioButton>
#include <array>

namespace vardo {
namespace {

// Qt's dialog shows its page range widgets on CUPS printers whatever the options say (the
// server would pick the pages), and enables them again whenever another printer is chosen.
constexpr std::array kRangeWidgets{"printRange",
                                   "from",
                                   "to",
                                   "pagesRadioButton",
                                   "pagesLineEdit",
                                   "pageSetCombo",
                                   "printSelection",
                                   "printCurrentPage"};

}  // namespace

AllPagesPrintDialog::AllPagesPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent) {
    setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    setPrintRange(QAbstractPrintDialog::AllPages);
    if (auto* printers = findChild<QComboBox*>("printers")) {
        connect(printers, &QComboBox::currentIndexChanged, this, [this] { lockToAllPages(); });
    }
}

void AllPagesPrintDialog::setVisible(bool visible) {
    QPrintDialog::setVisible(visible);
    if (visible) lockToAllPages();
}

void AllPagesPrintDialog::lockToAllPages() {
    if (auto* all = findChild<QRadioButton*>("printAll")) all->setChecked(true);
    if (auto* pageSet = findChild<QComboBox*>("pageSetCombo")) pageSet->setCurrentIndex(0);
    for (const char* name : kRangeWidgets) {
        if (auto* widget = findChild<QWidget*>(name)) widget->setEnabled(false);
    }
}

bool runPrintDialog(QPrinter& printer, QWidget* parent) {
    AllPagesPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    return true;
}

}  // namespace vardo
