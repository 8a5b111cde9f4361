// A month and the year printed through a real CUPS queue (cups-pdf, default printer of a
// private cupsd) by the print command with its dialog step skipped; the PDF that comes out is
// read back with pdftotext: every line, in order, on the pages where the layout puts them.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "expected_pages.h"
#include "ledger/form_model.h"
#include "pdf_text.h"
#include "reports/qt/print_service.h"
#include "reports/report_text.h"
#include "samples/sample_year.h"

namespace vardo {
namespace {

// The private server, started once for the whole program and stopped at its end.
class CupsServer {
public:
    static CupsServer& instance() {
        static CupsServer server;
        return server;
    }
    bool running() const { return running_; }
    const std::string& why() const { return why_; }
    void stop() {
        if (!running_) return;
        QProcess::execute("bash", {VARDO_CUPS_SCRIPT, "stop", dir_.path()});
        running_ = false;
    }

private:
    CupsServer() {
        // cups-pdf writes every job of this user into one folder: one round trip at a time
        // on this machine, whatever build folder runs it.
        folderLock_.setStaleLockTime(0);
        if (!folderLock_.tryLock(300000)) {
            why_ = "another printing test holds " + folderLock_.fileName().toStdString();
            return;
        }
        if (!dir_.isValid()) {
            why_ = "no temporary folder";
            return;
        }
        QDir(dir_.path()).mkpath(".");
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                               QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther);
        QProcess start;
        start.start("bash", {VARDO_CUPS_SCRIPT, "start", dir_.path()});
        if (!start.waitForFinished(60000) || start.exitStatus() != QProcess::NormalExit ||
            start.exitCode() != 0) {
            why_ = start.readAllStandardError().trimmed().toStdString();
            if (why_.empty()) why_ = "cups-test-server.sh start failed";
            return;
        }
        // Every CUPS client of this process, Qt's included, talks to the private server.
        qputenv("CUPS_SERVER", QDir(dir_.path()).filePath("cups.sock").toLocal8Bit());
        running_ = true;
    }
    ~CupsServer() { stop(); }

    QLockFile folderLock_{QDir::tempPath() + "/vardo-cups-pdf.lock"};
    QTemporaryDir dir_{QDir::tempPath() + "/vardo-cups-XXXXXX"};
    bool running_ = false;
    std::string why_;
};

// cups-pdf writes into its "Out" folder, ${HOME}/PDF unless configured otherwise, where HOME
// is the job owner's home in the password database (not this process's $HOME).
QString outputFolder() {
    const passwd* user = getpwuid(getuid());
    const QString home = user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    QString out = "${HOME}/PDF";
    QFile conf("/etc/cups/cups-pdf.conf");
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : conf.readAll().split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (trimmed.startsWith("Out ")) out = QString::fromLocal8Bit(trimmed.mid(4).trimmed());
        }
    }
    return out.replace("${HOME}", home);
}

bool jobsPending() {
    QProcess lpstat;
    lpstat.start("lpstat", {"-o"});
    lpstat.waitForFinished(10000);
    return !lpstat.readAllStandardOutput().trimmed().isEmpty();
}

// The PDF written since `since`, once the queue is empty; empty after the time limit. (cups-pdf
// may give every untitled job the same file name, so the time tells the new file.)
QString waitForNewPdf(const QDateTime& since) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 120000) {
        QCoreApplication::processEvents();
        if (!jobsPending()) {
            const QFileInfoList files =
                QDir(outputFolder()).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
            if (!files.isEmpty() && files.first().lastModified() >= since) {
                return files.first().filePath();
            }
        }
        QThread::msleep(200);
    }
    return {};
}

class CupsRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing::havePdfTools()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
        CupsServer& server = CupsServer::instance();
        if (!server.running()) {
            std::printf("CUPS server not started: %s\n", server.why().c_str());
            GTEST_SKIP() << "CUPS server not started: " << server.why();
        }
        samples::fillSampleYear(form, "Fourgon " + std::string(250, 'V'));
    }

    static void TearDownTestSuite() { CupsServer::instance().stop(); }

    // Through the print command on the system's default printer, the dialog confirmed.
    void printThroughCups(const std::vector<std::string>& lines) {
        PrintService::Platform platform = PrintService::systemPlatform();
        platform.confirm = [](QPrinter&, QWidget*) { return true; };
        PrintService service(platform);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        const QFont font("Liberation Sans", 8);
        service.print(nullptr, lines, font);
        ASSERT_NE(service.currentPrinter(), nullptr);
        EXPECT_EQ(service.currentPrinter()->printerName(), "VardoPDF");
        const QString pdf = waitForNewPdf(before);
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out in " << outputFolder().toStdString();
        const auto expected = testing::expectedPages(*service.currentPrinter(), lines, font);
        EXPECT_EQ(testing::firstDifference(testing::pdfPages(pdf), expected), "")
            << pdf.toStdString();
        // VARDO_KEEP_PRINTED=folder keeps the PDFs there, to be looked at.
        const QString keep = qEnvironmentVariable("VARDO_KEEP_PRINTED");
        if (!keep.isEmpty()) {
            QFile::remove(QDir(keep).filePath(QFileInfo(pdf).fileName()));
            QFile::copy(pdf, QDir(keep).filePath(QFileInfo(pdf).fileName()));
        }
        QFile::remove(pdf);
    }

    FormModel form;
};

TEST_F(CupsRoundTrip, TheDefaultPrinterIsThePdfQueue) {
    EXPECT_EQ(QPrinterInfo::defaultPrinter().printerName(), "VardoPDF");
}

TEST_F(CupsRoundTrip, AMonth) {
    printThroughCups(monthlyReportLines(form, 0));
}

TEST_F(CupsRoundTrip, TheYear) {
    printThroughCups(annualReportLines(form));
}

}  // namespace
}  // namespace vardo
