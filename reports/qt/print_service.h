#pragma once
// The print command: asks for a printer with the system's print dialog, then prints the lines
// as one document. The printer chosen stays the current printer until the program ends.
#include <QFont>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "reports/qt/print_document.h"

class QPrinter;
class QWidget;

namespace vardo {

class PrintService {
public:
    // The platform steps, replaceable so that the print path runs without a dialog or a system
    // printer (tests, the real-printer check).
    struct Platform {
        std::function<bool()> hasDefaultPrinter;                 // the system has a default printer
        std::function<std::unique_ptr<QPrinter>()> makePrinter;  // the first current printer
        std::function<bool(QPrinter&, QWidget*)> confirm;        // the dialog; false when cancelled
        std::function<void()> betweenPages;  // runs after each page is handed to the printer
    };
    static Platform systemPlatform();

    PrintService();
    explicit PrintService(Platform platform);
    ~PrintService();
    PrintService(const PrintService&) = delete;
    PrintService& operator=(const PrintService&) = delete;

    // Dialog, then one document with every line. A cancelled dialog prints and shows nothing.
    // Throws vardo::Error: "Aucune imprimante par défaut sélectionnée" before the dialog when
    // the system has no default printer; "Impression en cours" after the dialog when a document
    // is still being printed (its lines are left as they are); "Erreur d'impression" when the
    // printer refuses the document, which is ended all the same. The job carries jobName (the
    // dialog's file name when printing to a file, the queue's title).
    void print(QWidget* parent, const std::vector<std::string>& lines, const QFont& windowFont,
               const std::string& jobName = {});
    // The same steps and messages for a picture drawn on one page (the chart of the year).
    void printDrawing(QWidget* parent, const PageDrawing& draw, const std::string& jobName);

    // The lines of the document being printed, or else of the latest print command: a command
    // refused because a document is running leaves that document's lines.
    const std::vector<std::string>& documentLines() const { return documentLines_; }

    // True while a document is being printed: the window keeps processing events meanwhile,
    // and a report built then must not replace the one being printed.
    bool printing() const { return printing_; }

    // The current printer, null until the first print command gets past the default check.
    QPrinter* currentPrinter() const { return printer_.get(); }

private:
    // The default printer's check, the dialog, then the document while printing() holds.
    void run(QWidget* parent, const std::string& jobName,
             const std::function<void(QPrinter&)>& document);

    Platform platform_;
    std::unique_ptr<QPrinter> printer_;
    std::vector<std::string> documentLines_;
    bool printing_ = false;
};

}  // namespace vardo
