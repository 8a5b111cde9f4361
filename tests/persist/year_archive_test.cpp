// The archive of the year that a new year is about to wipe.
#include "persist/year_archive.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "ledger/error.h"
#include "persist/atomic_file.h"
#include "persist/form_store.h"
#include "test_support.h"

namespace vardo {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

TEST(ArchiveYear, NamedAfterTheYearNeverReplacingAndLoadableAsAStore) {
    ScratchFolder folder;
    FormModel form;
    form.setText(headerField(Header::Comptabilite), "2004");
    form.setText(morningField(0, 1), "12500");
    form.setText(headerField(Header::Vehicule), " Clio \"é\" ");

    EXPECT_EQ(archiveYear(form, folder.path()), folder / "VARDO_2004.INI");
    const std::string first = readBytes(folder / "VARDO_2004.INI");
    EXPECT_EQ(first.substr(0, 12), "[frmVardo]\r\n");

    form.setText(morningField(0, 1), "13000");
    EXPECT_EQ(archiveYear(form, folder.path()), folder / "VARDO_2004-2.INI");
    EXPECT_EQ(archiveYear(form, folder.path()), folder / "VARDO_2004-3.INI");
    EXPECT_EQ(readBytes(folder / "VARDO_2004.INI"), first);

    FormModel restored;
    loadValues(restored, folder / "VARDO_2004.INI");
    EXPECT_EQ(restored.text(morningField(0, 1)), "12500");
    EXPECT_EQ(restored.text(headerField(Header::Vehicule)), " Clio \"é\" ");
    EXPECT_EQ(restored.text(headerField(Header::Comptabilite)), "2004");
}

TEST(ArchiveYear, OnlyAYearHoldingSomethingIsKept) {
    struct Row {
        const char* name;
        FieldId field;
        const char* text;
        bool holds;
    };
    const FieldId comptabilite = headerField(Header::Comptabilite);
    const FieldId vehicule = headerField(Header::Vehicule);
    for (const Row& row : {Row{"design texts", comptabilite, "0", false},
                           Row{"accounting year filled in", comptabilite, "2026", false},
                           Row{"header reset to 0", vehicule, "0", false},
                           Row{"vehicle", vehicule, "Clio", true},
                           Row{"horse power", headerField(Header::Chevaux), "5", true},
                           Row{"one reading", morningField(5, 3), "7", true},
                           Row{"an emptied reading", eveningField(0, 1), "", true}}) {
        FormModel form;
        form.setText(row.field, row.text);
        EXPECT_EQ(holdsAYear(form), row.holds) << row.name;
    }
}

TEST(ArchiveYear, YearTextsThatCannotNameAFileStopBeforeAnythingIsWritten) {
    EXPECT_EQ(archiveFileName("/p/", "0", 1), "/p/VARDO_0.INI");
    EXPECT_EQ(archiveFileName("/p/", "2004", 2), "/p/VARDO_2004-2.INI");
    ScratchFolder folder;
    for (const char* year : {"", "20/04", "../x", " 04 ", "a*b?", "20045"}) {
        FormModel form;
        form.setText(headerField(Header::Comptabilite), year);
        EXPECT_EQ(testing::errorOf([&] { archiveYear(form, folder.path()); }),
                  std::string("'") + year + "' n'est pas une valeur entière correcte");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(ArchiveYear, FailureNamesTheArchive) {
    ScratchFolder folder;
    FormModel form;
    form.setText(headerField(Header::Comptabilite), "2004");
    injectWriteFailure(WriteStage::Write, ENOSPC);
    EXPECT_EQ(testing::errorOf([&] { archiveYear(form, folder.path()); }),
              "Impossible d'écrire dans " + folder.path() + "VARDO_2004.INI");
    EXPECT_EQ(testing::errorOf([&] { archiveYear(form, folder / "absent/"); }),
              "Impossible d'écrire dans " + folder.path() + "absent/VARDO_2004.INI");
}

}  // namespace
}  // namespace vardo
