#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

namespace vardo::testing {
namespace {

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

}  // namespace

bool havePdfTools() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

std::string collapseBlanks(const std::string& line) {
    std::string out;
    for (char c : line) {
        const bool blank = c == ' ' || c == '\t' || c == '\r';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::vector<std::vector<std::string>> pdfPages(const QString& path) {
    const QString text = QString::fromUtf8(run("pdftotext", {"-enc", "UTF-8", path, "-"}));
    QStringList pages = text.split(QChar('\f'));
    pages.removeLast();  // pdftotext ends every page with a form feed
    std::vector<std::vector<std::string>> result;
    for (const QString& page : pages) {
        std::vector<std::string> lines;
        for (const QString& line : page.split(QChar('\n'))) {
            std::string collapsed = collapseBlanks(line.toStdString());
            if (!collapsed.empty()) lines.push_back(std::move(collapsed));
        }
        result.push_back(std::move(lines));
    }
    return result;
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
