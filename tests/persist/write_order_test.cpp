// The order of every write that puts a file in place: its bytes reach the disk (fsync of the new
// file after its last write) before the rename or link gives it its name, so that after a power
// cut the name holds the old file or the whole new one, never a hole. Checked on the system calls
// themselves, for each writer of the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>

#include "ledger/error.h"
#include "ledger/form_model.h"
#include "persist/annual_text_file.h"
#include "persist/atomic_file.h"
#include "persist/form_store.h"
#include "persist/journal.h"
#include "persist/options.h"
#include "persist/startup_copy.h"
#include "persist/year_archive.h"
#include "system_call_log.h"
#include "test_support.h"
#include "tools/accountant_csv.h"
#include "tools/tool_options.h"

namespace vardo {
namespace {

using testing::FileCall;
using testing::ScratchFolder;
using testing::SystemCall;
using testing::SystemCallLog;
using testing::writeBytes;

// The kernel's name of the folder, with its trailing separator, as the recorded paths give it.
std::string recordedFolder(const ScratchFolder& scratch) {
    return std::filesystem::canonical(scratch.path()).string() + "/";
}

// A year with a few readings, for the writers that take one.
class AYear : public FormModel {
public:
    AYear() {
        setText(findField("aledComptabilite"), "2026");
        setText(findField("JanvKMIn"), "10000");
        setText(findField("JanvM02"), "10010");
        setText(findField("JanvS02"), "10100");
    }
};

struct Writer {
    const char* name;
    const char* placedAs;  // the file's name in the folder
    bool replaces;         // an older file stands there first
    std::function<void(const std::string& folder)> write;
};

const Writer kWriters[] = {
    {"store, first save", "VARDO.INI", false,
     [](const std::string& folder) { saveValues(AYear(), folder + "VARDO.INI"); }},
    {"store, replacing the year", "VARDO.INI", true,
     [](const std::string& folder) { saveValues(AYear(), folder + "VARDO.INI"); }},
    {"store's recovery file", "VARDO-recupere-20260102-030400.INI", false,
     [](const std::string& folder) {
         FormStore::SaveJob job;
         job.fileName = folder + "VARDO.INI";
         job.recovery = true;
         job.when.tm_year = 126;
         job.when.tm_mon = 0;
         job.when.tm_mday = 2;
         job.when.tm_hour = 3;
         job.when.tm_min = 4;
         job.values = takeSnapshot(AYear());
         FormStore::runSave(job);
     }},
    {"options", "VardoM.ini", true,
     [](const std::string& folder) { saveOptions(AYear(), folder); }},
    {"tools' options", "VardoM.ini", true,
     [](const std::string& folder) { writeElectric(folder, true); }},
    {"start-up copy", "Vardo.vrd", true,
     [](const std::string& folder) {
         writeBytes(folder + "Vardo", "[frmVardo]\r\nJanvM01=12500\r\n");
         startupCopy(folder, folder + "vardo-program");
     }},
    {"year archive", "VARDO_2026.INI", false,
     [](const std::string& folder) { archiveYear(AYear(), folder); }},
    {"annual text, save", "Vardo_2026.txt", true,
     [](const std::string& folder) {
         writeAnnualTextSave({"Bilan", "Total"}, folder + "Vardo_2026.txt");
     }},
    {"annual text, save as", "bilan.txt", true,
     [](const std::string& folder) {
         writeAnnualTextSaveAs({"Bilan", "Total"}, folder + "bilan.txt");
     }},
    {"accountant's CSV", "vardo_2026.csv", true,
     [](const std::string& folder) {
         const AYear form;
         writeAccountantCsv(form, false, folder + "vardo_2026.csv");
     }},
};

TEST(WriteOrder, EveryWriterFlushesTheNewFileBeforeItTakesItsName) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        ScratchFolder scratch;
        const std::string folder = recordedFolder(scratch);
        if (writer.replaces) writeBytes(folder + writer.placedAs, "[Default]\r\nMois=1\r\n");
        SystemCallLog log;
        writer.write(folder);
        const std::vector<SystemCall> calls = log.calls();
        const std::vector<std::string> placed = log.placedFiles();
        ASSERT_EQ(placed.size(), 1u) << testing::describe(calls);
        EXPECT_EQ(placed.front(), folder + writer.placedAs);
        EXPECT_EQ(testing::filesPlacedBeforeFlushed(calls), std::vector<std::string>{})
            << testing::describe(calls);
        EXPECT_EQ(testing::filesClosedUnflushed(calls), std::vector<std::string>{})
            << testing::describe(calls);
    }
}

TEST(WriteOrder, AFileOverwrittenWhereItStandsIsFlushedBeforeItIsClosed) {
    ScratchFolder scratch;
    const std::string file = scratch / "VARDO.INI";
    writeBytes(file, "[frmVardo]\r\nJanvM01=1\r\n");
    testing::ReadOnlyFolder locked(scratch.path());
    if (!locked.active()) GTEST_SKIP() << "the file system does not let this folder refuse new files";
    SystemCallLog log;
    saveValues(AYear(), file);
    const std::vector<SystemCall> calls = log.calls();
    EXPECT_TRUE(log.placedFiles().empty());
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(),
                            [](const SystemCall& call) { return call.call == FileCall::Write; }))
        << testing::describe(calls);
    EXPECT_EQ(testing::filesClosedUnflushed(calls), std::vector<std::string>{})
        << testing::describe(calls);
}

// The journal is appended to where it stands: its new lines are flushed before it is closed, the
// first time (the file made) as later.
TEST(WriteOrder, TheJournalsNewLinesAreFlushedBeforeItIsClosed) {
    ScratchFolder scratch;
    const std::string journal = recordedFolder(scratch) + "Vardo.journal";
    for (const char* lines : {"{\"first\":1}\n", "{\"next\":2}\n{\"next\":3}\n"}) {
        SCOPED_TRACE(lines);
        SystemCallLog log;
        Journal::appendToFile(journal, lines);
        const std::vector<SystemCall> calls = log.calls();
        EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [&](const SystemCall& call) {
            return call.call == FileCall::Write && call.path == journal;
        })) << testing::describe(calls);
        EXPECT_EQ(testing::filesClosedUnflushed(calls), std::vector<std::string>{})
            << testing::describe(calls);
    }
}

// "Commencer nouvelle année" puts the journal aside under its archive name: the new name is on
// disk once the folder is flushed after the rename.
TEST(WriteOrder, TheArchivedJournalsNameIsFlushedWithItsFolder) {
    ScratchFolder scratch;
    const std::string folder = recordedFolder(scratch);
    Journal journal{folder + "Vardo.journal"};
    journal.open();
    journal.record(JournalEvent::Opened);
    Journal::appendToFile(journal.path(), journal.takePending());
    SystemCallLog log;
    journal.archiveAs(folder + "VARDO_2026.journal");
    const std::vector<SystemCall> calls = log.calls();
    EXPECT_EQ(log.placedFiles(), std::vector<std::string>{folder + "VARDO_2026.journal"})
        << testing::describe(calls);
    EXPECT_EQ(testing::foldersUnflushedAfterPlacing(calls), std::vector<std::string>{})
        << testing::describe(calls);
}

// A disk that fills part way through an append: the error is told, the file is left as it was,
// and the lines written again later follow the last whole line, never a part of one.
TEST(WriteOrder, AJournalAppendThatFailsPartWayLeavesNoPartOfALine) {
    ScratchFolder scratch;
    const std::string journal = recordedFolder(scratch) + "Vardo.journal";
    const std::string before = "{\"first\":1}\n";
    const std::string lines = "{\"next\":2}\n{\"next\":3}\n";
    writeBytes(journal, before);
    for (const std::size_t writtenBeforeFailing : {std::size_t{0}, std::size_t{5}, lines.size() - 1}) {
        SCOPED_TRACE(writtenBeforeFailing);
        {
            SystemCallLog log;
            log.failWritesTo(journal, writtenBeforeFailing, ENOSPC);
            try {
                Journal::appendToFile(journal, lines);
                ADD_FAILURE() << "the full disk was not told";
            } catch (const Error& failure) {
                EXPECT_EQ(std::string(failure.what()).rfind("Impossible d'écrire dans " + journal + ". ", 0), 0u)
                    << failure.what();
            }
        }
        EXPECT_EQ(testing::readBytes(journal), before);
    }
    Journal::appendToFile(journal, lines);
    EXPECT_EQ(testing::readBytes(journal), before + lines);
}

// The checks themselves, on made-up sequences of calls.
SystemCall call(FileCall kind, const std::string& path, const std::string& target = {},
                int result = 0) {
    return {kind, kind == FileCall::Rename || kind == FileCall::Link ? -1 : 3, path, target, result};
}

TEST(WriteOrderChecks, TellWhenAFileIsPlacedBeforeItsBytesAreFlushed) {
    using F = FileCall;
    struct Row {
        const char* name;
        std::vector<SystemCall> calls;
        std::size_t faults;
    } rows[] = {
        {"write, fsync, close, rename",
         {call(F::Write, "/d/a.tmp"), call(F::Fsync, "/d/a.tmp"), call(F::Close, "/d/a.tmp"),
          call(F::Rename, "/d/a.tmp", "/d/a")},
         0},
        {"fdatasync counts as a flush",
         {call(F::Write, "/d/a.tmp"), call(F::Fdatasync, "/d/a.tmp"), call(F::Rename, "/d/a.tmp", "/d/a")},
         0},
        {"no fsync", {call(F::Write, "/d/a.tmp"), call(F::Rename, "/d/a.tmp", "/d/a")}, 1},
        {"link without fsync", {call(F::Write, "/d/a.tmp"), call(F::Link, "/d/a.tmp", "/d/a")}, 1},
        {"fsync before the last write",
         {call(F::Write, "/d/a.tmp"), call(F::Fsync, "/d/a.tmp"), call(F::Write, "/d/a.tmp"),
          call(F::Rename, "/d/a.tmp", "/d/a")},
         1},
        {"truncation after the fsync",
         {call(F::Write, "/d/a.tmp"), call(F::Fsync, "/d/a.tmp"), call(F::Truncate, "/d/a.tmp"),
          call(F::Rename, "/d/a.tmp", "/d/a")},
         1},
        {"another file flushed",
         {call(F::Write, "/d/a.tmp"), call(F::Fsync, "/d/b.tmp"), call(F::Rename, "/d/a.tmp", "/d/a")},
         1},
        {"a failed fsync",
         {call(F::Write, "/d/a.tmp"), call(F::Fsync, "/d/a.tmp", {}, -1),
          call(F::Rename, "/d/a.tmp", "/d/a")},
         1},
        {"a failed rename puts nothing in place",
         {call(F::Write, "/d/a.tmp"), call(F::Rename, "/d/a.tmp", "/d/a", -1)}, 0},
        {"a renamed file carries its unflushed bytes",
         {call(F::Write, "/d/a.tmp"), call(F::Rename, "/d/a.tmp", "/d/b.tmp"),
          call(F::Rename, "/d/b.tmp", "/d/a")},
         2},
    };
    for (const Row& row : rows)
        EXPECT_EQ(testing::filesPlacedBeforeFlushed(row.calls).size(), row.faults) << row.name;
}

TEST(WriteOrderChecks, TellWhenAWrittenFileIsClosedUnflushed) {
    using F = FileCall;
    EXPECT_EQ(testing::filesClosedUnflushed({call(F::Write, "/d/j"), call(F::Fsync, "/d/j"),
                                             call(F::Close, "/d/j")})
                  .size(),
              0u);
    EXPECT_EQ(testing::filesClosedUnflushed({call(F::Write, "/d/j"), call(F::Close, "/d/j")}),
              std::vector<std::string>{"/d/j is closed with bytes not flushed"});
    EXPECT_EQ(testing::filesClosedUnflushed({call(F::Fsync, "/d/j"), call(F::Write, "/d/j")}),
              std::vector<std::string>{"/d/j is left with bytes not flushed"});
}

TEST(WriteOrderChecks, TellWhenTheFolderIsNotFlushedAfterARename) {
    using F = FileCall;
    EXPECT_TRUE(testing::foldersUnflushedAfterPlacing({call(F::Rename, "/d/a.tmp", "/d/a"),
                                                       call(F::Fsync, "/d")})
                    .empty());
    EXPECT_EQ(testing::foldersUnflushedAfterPlacing({call(F::Fsync, "/d"),
                                                     call(F::Rename, "/d/a.tmp", "/d/a")}),
              std::vector<std::string>{"/d is not flushed after /d/a is put in place"});
}

}  // namespace
}  // namespace vardo
