// Fault injection: real program processes killed or stopped by signals while they work, and what
// the next start finds.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <sstream>
#include <thread>

#include "ledger/error.h"
#include "ledger/form_model.h"
#include "persist/form_store.h"
#include "persist/journal_chain.h"
#include "persist/journal_inputs.h"

extern char** environ;

namespace vardo::app::testing {
namespace {

using Clock = std::chrono::steady_clock;

pid_t spawn(const std::vector<std::string>& arguments, const std::string& errorFile = {}) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!errorFile.empty())
        posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

std::vector<std::string> readLines(const QString& path) {
    QFile file(path);
    std::vector<std::string> lines;
    if (!file.open(QIODevice::ReadOnly)) return lines;
    std::istringstream in(file.readAll().toStdString());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool waitForLine(const QString& log, const std::string& wanted, int timeoutMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < end) {
        for (const std::string& line : readLines(log))
            if (line == wanted) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

// What one killed run's log says: the commits, and how many of them the last completed save
// took (its "taken" line comes before its "saved" line).
struct RunLog {
    std::vector<std::pair<std::string, std::string>> commits;
    int savedCommits = -1;  // -1: no save completed
    std::vector<std::string> startupTrouble;  // errors and leftovers before "started"
    bool started = false;
};

RunLog parse(const std::vector<std::string>& lines) {
    RunLog run;
    int taken = -1;
    for (const std::string& line : lines) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "started") {
            run.started = true;
        } else if ((word == "error" || word == "leftover") && !run.started) {
            run.startupTrouble.push_back(line);
        } else if (word == "commit") {
            std::string name, text;
            words >> name >> text;
            run.commits.emplace_back(name, text);
        } else if (word == "taken") {
            words >> taken;
        } else if (word == "saved") {
            run.savedCommits = taken;
        }
    }
    return run;
}

// What a kill leaves of the journal: a chain without a break (a last line cut short aside, which
// the next start removes), and a store that is the journal's replay up to some line: the journal
// holds every change the store holds, and may hold more.
void expectJournalHoldsTheStore(const std::string& folder, const std::string& where) {
    QFile file(QString::fromStdString(folder + "Vardo.journal"));
    if (!file.open(QIODevice::ReadOnly)) return;  // killed before its first write
    const std::string bytes = file.readAll().toStdString();
    const JournalReading reading = readJournal(bytes);
    EXPECT_TRUE(reading.breaks.empty()) << where << ": " << reading.breaks.front().message;
    FormModel stored;
    try {
        loadValues(stored, folder + "VARDO.INI");
    } catch (const Error&) {
        return;
    }
    JournalValues values;
    bool matched = inputsDifferingFromJournal(values, stored).empty();
    for (std::size_t i = 0; i < reading.entries.size() && !matched; ++i) {
        replayEntry(reading.entries[i], values);
        matched = inputsDifferingFromJournal(values, stored).empty();
    }
    EXPECT_TRUE(matched) << where << ": the store holds a change the journal lacks";
}

// One folder, killed runs one after another; each run starts over the store the previous kill
// left, so each start is the restart that must find it whole.
// Counts in `savedRuns` the runs killed after a completed save.
void killRuns(const std::string& scratch, int lane, int kills, unsigned seed, int& savedRuns) {
    constexpr int kCommits = 200;
    const std::string folder = scratch + "/program" + std::to_string(lane) + "/";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    std::mt19937 random(seed + static_cast<unsigned>(lane));
    // One kill in five falls in the start-up; the others in the session, timed from its start,
    // so that a slow machine does not turn them all into start-up kills.
    std::uniform_int_distribution<int> instant(0, 400);
    std::uniform_int_distribution<int> kind(0, 4);
    for (int run = 0; run <= kills; ++run) {
        const QString log = QString::fromStdString(scratch) + QStringLiteral("/lane%1-run%2.log").arg(lane).arg(run);
        const bool last = run == kills;  // only the restart after the last kill
        const pid_t pid = spawn({VARDO_SESSION_DRIVER, folder, log.toStdString(),
                                 std::to_string(run), last ? "0" : std::to_string(kCommits), "20"});
        ASSERT_GT(pid, 0);
        if (last) {
            EXPECT_TRUE(waitForLine(log, "done", 10000));
        } else {
            if (kind(random) != 0) {
                EXPECT_TRUE(waitForLine(log, "started", 10000));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(instant(random)));
        }
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        const RunLog result = parse(readLines(log));
        EXPECT_TRUE(result.startupTrouble.empty())
            << "lane " << lane << " run " << run << ": " << result.startupTrouble.front()
            << " (seed " << seed << ")";
        expectJournalHoldsTheStore(folder, "lane " + std::to_string(lane) + " run " +
                                               std::to_string(run) + " (seed " +
                                               std::to_string(seed) + ")");
        if (last || result.savedCommits < 0) continue;
        ++savedRuns;
        FormModel stored;
        ASSERT_NO_THROW(loadValues(stored, folder + "VARDO.INI")) << "run " << run;
        for (int i = 0; i < result.savedCommits; ++i) {
            const auto& [name, text] = result.commits[static_cast<std::size_t>(i)];
            ASSERT_EQ(stored.text(stored.findField(name)), text)
                << "lane " << lane << " run " << run << ", commit " << i << " of "
                << result.savedCommits << " saved (seed " << seed << ")";
        }
    }
}

// A scripted session committing 200 field exits, killed (SIGKILL) at 100 random instants, in two
// folders side by side to use both processors. The save interval is shortened so that the kills
// fall before, during and after many saves.
TEST(KilledSession, EveryFieldCommittedBeforeTheLastCompletedSaveSurvivesAKill) {
    constexpr int kLanes = 2;
    constexpr int kKills = 100;
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const unsigned seed = std::random_device{}();
    int savedRuns[kLanes] = {};
    std::vector<std::thread> lanes;
    for (int lane = 0; lane < kLanes; ++lane)
        lanes.emplace_back(killRuns, scratch.path().toStdString(), lane, kKills / kLanes, seed,
                           std::ref(savedRuns[lane]));
    for (std::thread& lane : lanes) lane.join();
    const int total = savedRuns[0] + savedRuns[1];
    std::printf("[ figures  ] %d kills, %d after a completed save (seed %u)\n", kKills, total, seed);
    EXPECT_GT(total, kKills / 4) << "the kills should often fall after a save";
}

// The installed program alone in a folder of its own, as a user runs it.
class ProgramFolder {
public:
    ProgramFolder() {
        folder_ = scratch_.filePath("vardo").toStdString() + "/";
        QDir().mkdir(QString::fromStdString(folder_));
        QFile::copy(VARDO_PROGRAM, QString::fromStdString(folder_ + "vardo"));
    }
    const std::string& path() const { return folder_; }
    std::string operator/(const char* name) const { return folder_ + name; }

private:
    QTemporaryDir scratch_;
    std::string folder_;
};

QByteArray bytesOf(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct SignalRow {
    const char* name;
    int signalCount;
    bool startupBox;  // a start-up message box is open (or about to open) when the signal comes
};

// Nobody at the screen and the options file unwritable: SIGTERM still saves the year, tells the
// options' failure on the standard error output and ends the program; a second signal lets the
// save finish; a signal during a start-up box ends the program after the save.
TEST(KilledSession, SigtermWithAnUnwritableOptionsFileSavesTheYearAndEndsWithinASecond) {
    const SignalRow rows[] = {{"one SIGTERM", 1, false},
                              {"two SIGTERM", 2, false},
                              {"SIGTERM during a start-up box", 1, true}};
    for (const SignalRow& row : rows) {
        ProgramFolder program;
        if (row.startupBox) QDir().mkdir(QString::fromStdString(program / "Vardo.vrd"));
        QDir().mkdir(QString::fromStdString(program / "VardoM.ini"));
        ASSERT_TRUE(writeBytes(program / "VARDO.INI", "[frmVardo]\r\nJanvKMIn=12500\r\n"));
        ASSERT_TRUE(writeBytes(program / "Vardo", ""));
        const std::string errorFile = program / "stderr.txt";
        const pid_t pid = spawn({program / "vardo"}, errorFile);
        ASSERT_GT(pid, 0);
        // The start-up copy is made once the signal handlers are in place; a signal before the
        // event loop runs waits for it, or for the loop of the box.
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (!row.startupBox && !QFile::exists(QString::fromStdString(program / "Vardo.vrd")) &&
               Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(row.startupBox ? 1500 : 300));
        const auto sent = Clock::now();
        for (int i = 0; i < row.signalCount; ++i) ::kill(pid, SIGTERM);
        int status = 0;
        while (::waitpid(pid, &status, WNOHANG) == 0 && Clock::now() - sent < std::chrono::seconds(5))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent);
        if (!WIFEXITED(status) && !WIFSIGNALED(status)) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            FAIL() << row.name << ": still running after 5 s";
        }
        std::printf("[ figures  ] %s: ended %lld ms after the signal\n", row.name,
                    static_cast<long long>(took.count()));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << row.name;
        const QByteArray saved = bytesOf(program / "VARDO.INI");
        EXPECT_TRUE(saved.startsWith("[frmVardo]\r\nJanvKMIn=12500\r\n")) << row.name;
        EXPECT_EQ(saved.count("\r\n"), 1 + kStoreKeys) << row.name << ": every key saved";
        EXPECT_TRUE(bytesOf(errorFile).contains(
            QByteArray("Vardo 1.0 : Impossible d'\xC3\xA9""crire dans ") +
            QByteArray::fromStdString(program / "VardoM.ini")))
            << row.name << ": " << bytesOf(errorFile).toStdString();
    }
}

}  // namespace
}  // namespace vardo::app::testing
