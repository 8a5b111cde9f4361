#include "reports/qt/print_service.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "ledger/error.h"
#include "reports/print_messages.h"
#include "reports/qt/print_dialog.h"
#include "reports/qt/print_document.h"

namespace vardo {
namespace {

// The report starts at the top-left corner of what the printer can print: no margins beyond
// the printer's own unprintable edges.
void useWholePrintableArea(QPrinter& printer) {
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
}

class PrintingFlag {
public:
    explicit PrintingFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~PrintingFlag() { flag_ = false; }
    PrintingFlag(const PrintingFlag&) = delete;
    PrintingFlag& operator=(const PrintingFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

PrintService::Platform PrintService::systemPlatform() {
    return {
        [] { return !QPrinterInfo::defaultPrinter().isNull(); },
        [] { return std::make_unique<QPrinter>(QPrinter::HighResolution); },
        runPrintDialog,
        [] { QCoreApplication::processEvents(); },
    };
}

PrintService::PrintService() : PrintService(systemPlatform()) {}

PrintService::PrintService(Platform platform) : platform_(std::move(platform)) {}

PrintService::~PrintService() = default;

void PrintService::print(QWidget* parent, const std::vector<std::string>& lines,
                         const QFont& windowFont, const std::string& jobName) {
    if (!printing_) documentLines_ = lines;
    run(parent, jobName, [&](QPrinter& printer) {
        // The service's own copy: the caller's lines may go while pages are handed over.
        printDocument(printer, documentLines_, windowFont, platform_.betweenPages);
    });
}

void PrintService::printDrawing(QWidget* parent, const PageDrawing& draw,
                                const std::string& jobName) {
    run(parent, jobName, [&](QPrinter& printer) { vardo::printDrawing(printer, draw); });
}

void PrintService::run(QWidget* parent, const std::string& jobName,
                       const std::function<void(QPrinter&)>& document) {
    const QString docName = QString::fromStdString(jobName);
    if (!printer_) {
        if (!platform_.hasDefaultPrinter()) throw Error(std::string(kNoDefaultPrinter));
        printer_ = platform_.makePrinter();
        useWholePrintableArea(*printer_);
    }
    if (printing_) {
        // The running document keeps its printer and settings: this dialog works on a copy.
        QPrinter other(QPrinter::HighResolution);
        other.setPrinterName(printer_->printerName());
        other.setDocName(docName);
        if (platform_.confirm(other, parent)) throw Error(std::string(kPrintingInProgress));
        return;
    }
    printer_->setDocName(docName);
    if (!platform_.confirm(*printer_, parent)) return;
    useWholePrintableArea(*printer_);  // the printer chosen may have other edges
    PrintingFlag flag(printing_);
    document(*printer_);
}

}  // namespace vardo
