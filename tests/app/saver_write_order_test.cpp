// The saver's order of writes, on the system calls: a change reaches the journal, flushed to
// disk, before the store that holds it takes its name; in a save on the writing thread as in the
// save of the close.
#include <gtest/gtest.h>

#include <QTest>
#include <QTemporaryDir>
#include <filesystem>

#include "app/window/year_saver.h"
#include "persist/file_names.h"
#include "persist/journal_keeper.h"
#include "tests/persist/system_call_log.h"

namespace vardo::app {
namespace {

using testing::FileCall;
using testing::SystemCall;
using testing::SystemCallLog;

// Where in the calls the journal's last flush and the store's rename are (-1: none).
struct Order {
    long journalFlushed = -1;
    long journalWritten = -1;
    long storePlaced = -1;
};

Order orderOf(const std::vector<SystemCall>& calls, const std::string& folder,
              const std::string& storePath) {
    Order order;
    const std::string journal = folder + std::string(kJournalName);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const SystemCall& call = calls[i];
        const auto at = static_cast<long>(i);
        if (call.path == journal && call.call == FileCall::Write) order.journalWritten = at;
        if (call.path == journal && call.call == FileCall::Fsync && call.result == 0)
            order.journalFlushed = at;
        if (call.call == FileCall::Rename && call.result == 0 &&
            call.target == storePath)
            order.storePlaced = at;
    }
    return order;
}

class SaverWriteOrder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = std::filesystem::canonical(dir.path().toStdString()).string() + "/";
        store.windowLoaded(folder, folder + "vardo");
        saver.keepJournal(&keeper);
        keeper.start();
        saver.watch();
    }

    // The journal written, then flushed, then the store renamed into its name.
    void expectJournalFlushedBeforeTheStoreIsPlaced(const std::vector<SystemCall>& calls) const {
        const Order order = orderOf(calls, folder, store.filePath());
        ASSERT_GE(order.journalWritten, 0) << testing::describe(calls);
        ASSERT_GE(order.storePlaced, 0) << testing::describe(calls);
        EXPECT_LT(order.journalWritten, order.journalFlushed) << testing::describe(calls);
        EXPECT_LT(order.journalFlushed, order.storePlaced) << testing::describe(calls);
    }

    QTemporaryDir dir;
    std::string folder;
    FormModel form;
    FormStore store{form};
    JournalKeeper keeper{form, dir.path().toStdString() + "/" + std::string(kJournalName)};
    YearSaver saver{form, store};
};

TEST_F(SaverWriteOrder, TheJournalIsFlushedBeforeTheStoreTakesItsNameInTheBackground) {
    form.setText(form.findField("JanvM01"), "12500", Origin::Typing);
    SystemCallLog log;
    bool saved = false;
    saver.onSaved = [&saved] { saved = true; };
    saver.saveInBackground();
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved; }, 10000));
    expectJournalFlushedBeforeTheStoreIsPlaced(log.calls());
}

TEST_F(SaverWriteOrder, TheJournalIsFlushedBeforeTheStoreTakesItsNameAtTheClose) {
    form.setText(form.findField("JanvS01"), "12600", Origin::Typing);
    keeper.recordClose();
    SystemCallLog log;
    saver.flush();
    expectJournalFlushedBeforeTheStoreIsPlaced(log.calls());
}

}  // namespace
}  // namespace vardo::app
