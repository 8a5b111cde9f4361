// A scripted session for the fault-injection test: the program's window, offscreen, in a given
// folder, commits field exits one after another and writes to a log what it did, unbuffered, so
// that whatever instant it is killed at, the log tells what was committed and what was saved:
//   started                  the start-up is over (load, show handlers); the year is then zeroed
//   error <text>             a message the program showed
//   leftover <file>          a new file of a cut-short write still there after the start-up
//   commit <field> <text>    a field left with a new text
//   taken <n>                a save took its values, after n commits
//   saved                    that save reached the disk
//   done                     every commit made; the session then waits to be killed
// Usage: vardo_session_driver <folder/> <log> <run> <commits> <save interval ms>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <string>

#include "app/window/error_guard.h"
#include "app/window/main_window.h"
#include "app/window/year_saver.h"
#include "controls/align_edit.h"

namespace {

int logFile = -1;

void log(const std::string& line) {
    const std::string text = line + "\n";
    [[maybe_unused]] const ssize_t written = ::write(logFile, text.data(), text.size());
}

// The fields a session fills, in the order a user fills them: each month's initial reading,
// then the morning and evening of days 1 to 28.
vardo::FieldId committedField(int index) {
    constexpr int kPerMonth = 1 + 28 * 2;
    const int month = (index / kPerMonth) % vardo::kMonths;
    const int step = index % kPerMonth;
    if (step == 0) return vardo::balanceField(month, vardo::Balance::KMIn);
    const int day = (step + 1) / 2;
    return step % 2 == 1 ? vardo::morningField(month, day) : vardo::eveningField(month, day);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string folder = argv[1];
    logFile = ::open(argv[2], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const int run = std::stoi(argv[3]);
    const int commits = std::stoi(argv[4]);

    vardo::app::setErrorPresenter(
        [](const QString& text) { log("error " + text.toStdString()); });
    vardo::app::WindowSetup setup;
    setup.filesFolder = folder;
    setup.programPath = folder + "vardo";
    vardo::app::MainWindow window(setup);
    window.start();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) log("error the window never became active");
    for (const QString& name : QDir(QString::fromStdString(folder)).entryList(QDir::Files))
        if (name.contains(QStringLiteral(".tmp"))) log("leftover " + name.toStdString());
    log("started");

    vardo::app::YearSaver& saver = window.saver();
    saver.setInterval(std::stoi(argv[5]));
    int done = 0;
    saver.onValuesTaken = [&done] { log("taken " + std::to_string(done)); };
    saver.onSaved = [] { log("saved"); };
    // The previous run's readings are locked: the session starts from a zeroed year.
    window.ledger().resetYear();

    for (int i = 0; i < commits; ++i) {
        const vardo::FieldId id = committedField(i);
        vardo::AlignedEdit* edit = window.field(id);
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        // Every run types other readings, rising through the session.
        const std::string text = std::to_string(100000 + run * 10000 + i * 10);
        QTest::keyClicks(edit, QString::fromStdString(text));
        window.field(committedField(i + 1))->setFocus(Qt::TabFocusReason);
        ++done;
        // What the field holds: a reading the previous exit carried into it stays locked.
        log("commit " + window.form().name(id) + " " + window.form().text(id));
        QCoreApplication::processEvents();
    }
    log("done");
    return QApplication::exec();
}
