// The tools' own section of the options file: kept through the program's options save, and
// never disturbing the page it records.
#include <gtest/gtest.h>

#include "persist/options.h"
#include "tests/persist/test_support.h"
#include "tools/tool_options.h"

namespace vardo {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

TEST(ToolOptions, ElectricSurvivesTheOptionsSave) {
    ScratchFolder folder;
    EXPECT_FALSE(readElectric(folder.path()));
    writeElectric(folder.path(), true);
    writeExportFolder(folder.path(), "/home/moi/compta 2024");

    FormModel form;
    form.setChecked(navigationItem(0), false);
    form.setChecked(navigationItem(5), true);
    saveOptions(form, folder.path());

    EXPECT_TRUE(readElectric(folder.path()));
    EXPECT_EQ(readExportFolder(folder.path()), "/home/moi/compta 2024");
    EXPECT_EQ(readBytes(folder / "VardoM.ini"),
              "[Outils]\r\nVehiculeElectrique=1\r\nDossierExport=/home/moi/compta 2024\r\n"
              "[Default]\r\nMois=0000010000000\r\n");
}

TEST(ToolOptions, WritingLeavesTheRecordedPageAlone) {
    ScratchFolder folder;
    writeBytes(folder / "VardoM.ini", "[Default]\r\nMois=0000000000001\r\nAutre=x\r\n");
    writeElectric(folder.path(), true);
    writeElectric(folder.path(), false);
    EXPECT_FALSE(readElectric(folder.path()));
    EXPECT_EQ(readBytes(folder / "VardoM.ini"),
              "[Default]\r\nMois=0000000000001\r\nAutre=x\r\n[Outils]\r\nVehiculeElectrique=0\r\n");

    FormModel form;
    loadOptions(form, folder.path());
    EXPECT_TRUE(form.checked(navigationItem(kBilanPage)));
}

TEST(ToolOptions, CostsAreKeptAsTypedAmountsAndCanBeEmptied) {
    ScratchFolder folder;
    EXPECT_FALSE(readCosts(folder.path()));
    writeCosts(folder.path(), 450050);
    EXPECT_EQ(readCosts(folder.path()), 450050);
    EXPECT_EQ(readBytes(folder / "VardoM.ini"), "[Outils]\r\nFraisReels=4500,50\r\n");
    writeCosts(folder.path(), std::nullopt);
    EXPECT_FALSE(readCosts(folder.path()));
}

TEST(ToolOptions, CostsEditedIntoSomethingElseReadAsNone) {
    ScratchFolder folder;
    writeBytes(folder / "VardoM.ini", "[Outils]\r\nFraisReels=beaucoup\r\n");
    EXPECT_FALSE(readCosts(folder.path()));
}

TEST(ToolOptions, AFolderThatCannotBeWrittenGivesTheMessage) {
    ScratchFolder folder;
    const std::string missing = folder / "absent/";
    EXPECT_EQ(testing::errorOf([&] { writeElectric(missing, true); }),
              "Impossible d'écrire dans " + missing + "VardoM.ini");
}

}  // namespace
}  // namespace vardo
