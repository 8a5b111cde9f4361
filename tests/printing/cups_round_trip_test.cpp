// A month and the year printed through a real CUPS queue (cups-pdf, default printer of a
// private cupsd) by the window's print commands with the dialog step skipped; the PDF of that
// job, found by its number and its name, is read back with pdftotext: every line, in order, on
// the pages where the layout puts them.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <memory>

#include "expected_pages.h"
#include "ledger/form_model.h"
#include "pdf_text.h"
#include "reports/qt/print_commands.h"
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
        ::chmod(QFile::encodeName(dir_.path()).constData(), 0755);  // the server's user reads it
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

// The jobs of the private server, pending or done, by their number ("VardoPDF-12" is 12).
QStringList jobNumbers(bool pendingOnly) {
    QProcess lpstat;
    lpstat.start("lpstat", pendingOnly ? QStringList{"-o"} : QStringList{"-W", "all", "-o"});
    lpstat.waitForFinished(10000);
    QStringList numbers;
    for (const QString& line : QString::fromLocal8Bit(lpstat.readAllStandardOutput()).split('\n')) {
        const QString id = line.section(' ', 0, 0, QString::SectionSkipEmpty);
        if (!id.isEmpty()) numbers << id.section('-', -1);
    }
    return numbers;
}

// What `found` gives once it is not empty, polled for at most `ms` milliseconds; empty after.
QString waitFor(int ms, const std::function<QString()>& found) {
    QElapsedTimer clock;
    clock.start();
    for (QString value; clock.elapsed() < ms; QThread::msleep(100)) {
        QCoreApplication::processEvents();
        if (!(value = found()).isEmpty()) return value;
    }
    return {};
}

// The number of the one job that is not in `before`.
QString waitForNewJob(const QStringList& before) {
    return waitFor(30000, [&] {
        QStringList fresh = jobNumbers(false);
        fresh.removeIf([&](const QString& number) { return before.contains(number); });
        return fresh.size() == 1 ? fresh.first() : QString();
    });
}

// The PDF of the job, once the queue is empty: the test queue names it "job_<n>-<title>.pdf",
// the title's blanks turned into underscores. A file of that name older than `since` was left
// by an earlier run of a server whose job numbers started over.
QString waitForJobPdf(const QString& number, const QString& title, const QDateTime& since) {
    const QString path = QDir(outputFolder())
                             .filePath("job_" + number + "-" + QString(title).replace(' ', '_') +
                                       ".pdf");
    return waitFor(120000, [&] {
        return jobNumbers(true).isEmpty() && QFileInfo(path).lastModified() >= since ? path
                                                                                      : QString();
    });
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
    using PrintCommand = std::function<void(PrintService&, const QFont&)>;
    void printThroughCups(const PrintCommand& command, const std::vector<std::string>& lines,
                          const std::string& jobName) {
        PrintService::Platform platform = PrintService::systemPlatform();
        platform.confirm = [](QPrinter&, QWidget*) { return true; };
        PrintService service(platform);
        const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
        const QStringList jobsBefore = jobNumbers(false);
        const QFont font("Liberation Sans", 8);
        command(service, font);
        ASSERT_NE(service.currentPrinter(), nullptr);
        EXPECT_EQ(service.currentPrinter()->printerName(), "VardoPDF") << "the default printer";
        const QString job = waitForNewJob(jobsBefore);
        ASSERT_FALSE(job.isEmpty()) << "the queue got no new job";
        const QString pdf = waitForJobPdf(job, QString::fromStdString(jobName), since);
        ASSERT_FALSE(pdf.isEmpty()) << "job " << job.toStdString() << " left no PDF named for it in "
                                    << outputFolder().toStdString();
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

TEST_F(CupsRoundTrip, AMonth) {
    printThroughCups([&](PrintService& service,
                         const QFont& font) { printMonthReport(service, form, 2024, 0, nullptr, font); },
                     monthlyReportLines(form, 2024, 0), "Vardo - Janvier 2004");
}

TEST_F(CupsRoundTrip, TheYear) {
    printThroughCups([&](PrintService& service,
                         const QFont& font) { printAnnualReport(service, form, 2024, nullptr, font); },
                     annualReportLines(form, 2024), "Vardo - Bilan annuel 2004");
}

}  // namespace
}  // namespace vardo
