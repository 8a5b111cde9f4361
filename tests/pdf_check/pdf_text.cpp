#include "pdf_text.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

namespace vardo::testing {
namespace {

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

}  // namespace

PrintService::Platform pdfPlatform(const QString& path,
                                   std::function<bool(QPrinter&, QWidget*)> confirm,
                                   std::function<void()> betweenPages) {
    return {[] { return true; },
            [path] {
                auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(path);
                printer->setPageSize(QPageSize(QPageSize::A4));
                return printer;
            },
            std::move(confirm), std::move(betweenPages)};
}

bool havePdfTools() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

std::string withoutBlanks(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (c != ' ' && c != '\t' && c != '\r') out += c;
    }
    return out;
}

std::vector<std::vector<std::string>> pdfPages(const QString& path) {
    const QString text =
        QString::fromUtf8(run("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"}));
    QStringList pages = text.split(QChar('\f'));
    pages.removeLast();  // pdftotext ends every page with a form feed
    std::vector<std::vector<std::string>> result;
    for (const QString& page : pages) {
        std::vector<std::string> lines;
        for (const QString& line : page.split(QChar('\n'))) {
            std::string collapsed = withoutBlanks(line.toStdString());
            if (!collapsed.empty()) lines.push_back(std::move(collapsed));
        }
        result.push_back(std::move(lines));
    }
    return result;
}

std::string firstDifference(const Pages& actual, const Pages& expected) {
    for (std::size_t page = 0; page < std::max(actual.size(), expected.size()); ++page) {
        if (page >= actual.size()) return "page " + std::to_string(page + 1) + " missing";
        if (page >= expected.size()) return "extra page " + std::to_string(page + 1);
        const auto& a = actual[page];
        const auto& e = expected[page];
        for (std::size_t line = 0; line < std::max(a.size(), e.size()); ++line) {
            const std::string got = line < a.size() ? a[line] : "(none)";
            const std::string want = line < e.size() ? e[line] : "(none)";
            if (got != want) {
                return "page " + std::to_string(page + 1) + " line " + std::to_string(line + 1) +
                       ": got [" + got + "] expected [" + want + "]";
            }
        }
    }
    return "";
}

std::vector<WordBox> firstPageWords(const QString& path) {
    const QString html = QString::fromUtf8(
        run("pdftotext", {"-bbox", "-f", "1", "-l", "1", "-enc", "UTF-8", path, "-"}));
    static const QRegularExpression word(
        R"re(<word xMin="(-?[\d.]+)" yMin="(-?[\d.]+)" xMax="(-?[\d.]+)" yMax="(-?[\d.]+)">([^<]*)</word>)re");
    std::vector<WordBox> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5).toStdString(), m.captured(1).toDouble(),
                         m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    }
    return words;
}

}  // namespace vardo::testing
