// Nothing typed is lost: the year saved as the user goes, the close that saves before it asks
// anything, the year found under either name, the questions before a new year and before a
// file is replaced, and characters the stored files cannot hold refused at the keyboard.
#include <sys/stat.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QRegularExpression>

#include "app/window/year_saver.h"
#include "window_fixture.h"

namespace vardo::app::testing {
namespace {

using SavedAsYouGo = WindowTest;

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return ::stat(path.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
}

TEST_F(SavedAsYouGo, ACommittedFieldReachesTheDiskWithoutACloseAndTheCloseWritesTheSameBytes) {
    open();
    int saves = 0;
    window->saver().onSaved = [&saves] { ++saves; };
    typeAndTab("12500");  // JanvKMIn
    // The bound is generous: a loaded machine (or the sanitizers) may run the one-second timer late.
    // The write runs on its own thread and tells the window afterwards, so the file may be in
    // place a moment before the window hears of it: both are waited for.
    ASSERT_TRUE(QTest::qWaitFor([&] { return saves > 0; }, 20000));
    EXPECT_TRUE(readFile("VARDO.INI").contains("JanvKMIn=12500\r\n"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(saves, 1);
    // A close finds the file as it would write it: same bytes, so it is not written again.
    const ino_t autosaved = inodeOf(dir.filePath("VARDO.INI"));
    window->close();
    window.reset();
    EXPECT_EQ(inodeOf(dir.filePath("VARDO.INI")), autosaved);
}

TEST_F(SavedAsYouGo, TypingIsCoalescedAndNothingChangedWritesNothing) {
    writeFile("VARDO.INI", "[frmVardo]\r\nJanvKMIn=12500\r\n");
    open();
    window->saver().setInterval(100);
    int saves = 0;
    window->saver().onSaved = [&saves] { ++saves; };
    QTest::qWait(300);
    EXPECT_EQ(saves, 0) << "the start-up load is no change of the user's";
    EXPECT_EQ(readFile("VARDO.INI"), "[frmVardo]\r\nJanvKMIn=12500\r\n");
    QTest::keyClicks(edit("aledVehicule"), "Utilitaire de chantier");  // 22 changes
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return readFile("VARDO.INI").contains("aledVehicule=Utilitaire de chantier"); },
        20000));
    EXPECT_LE(saves, 2) << "a save per interval, not per keystroke";
}

TEST_F(SavedAsYouGo, ASaveThatFailsInTheBackgroundIsToldOnceAndTriedAgainAtTheClose) {
    open();
    window->store().relocate(dir.filePath("absent/VARDO.INI").toStdString());
    window->saver().setInterval(50);
    typeAndTab("1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return errors.size() == 1u; }, 20000));
    typeAndTab("2");
    QTest::qWait(200);
    EXPECT_EQ(errors.size(), 1u) << "told once";
    EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8("Impossible d'écrire dans "))) << errors[0].toStdString();
    window->close();
    EXPECT_EQ(errors.size(), 2u) << "the close tries again and tells it";
    window.reset();
    EXPECT_EQ(errors.size(), 2u) << "and the destruction does not repeat it";
}

// Nobody at the screen: the year first, the failed options on the standard error output, no box.
TEST_F(SavedAsYouGo, ACloseByASignalSavesTheYearFirstAndWaitsOnNoBox) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("VardoM.ini"));
    open();
    typeAndTab("12500");
    ::testing::internal::CaptureStderr();
    window->closeUnattended();
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(errors.empty()) << "no box";
    EXPECT_NE(told.find("Vardo 1.0 : Impossible d'écrire dans " + folder() + "VardoM.ini"),
              std::string::npos)
        << told;
    EXPECT_TRUE(readFile("VARDO.INI").contains("JanvKMIn=12500\r\n"));
}

TEST_F(SavedAsYouGo, AnUnreadableStoreIsLeftAloneAndTheYearGoesToARecoveryFile) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("VARDO.INI"));  // exists, cannot be read
    open();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8("Impossible d'ouvrir le fichier \"")));
    typeAndTab("12500");
    window->close();
    const QStringList recovered =
        QDir(dir.path()).entryList({QStringLiteral("VARDO-recupere-*.INI")}, QDir::Files);
    ASSERT_EQ(recovered.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^VARDO-recupere-\\d{8}-\\d{6}\\.INI$"))
                    .match(recovered[0])
                    .hasMatch())
        << recovered[0].toStdString();
    EXPECT_TRUE(readFile(recovered[0]).contains("JanvKMIn=12500\r\n"));
    EXPECT_TRUE(QFileInfo(dir.filePath("VARDO.INI")).isDir()) << "left untouched";
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1].toStdString(),
              QString::fromUtf8("Le fichier \"%1VARDO.INI\" n'a pas pu être lu : l'année de "
                                "cette session est enregistrée dans \"%1%2\".")
                  .arg(QString::fromStdString(folder()), recovered[0])
                  .toStdString());
}

TEST_F(SavedAsYouGo, AYearStoredUnderTheOtherNameIsReadAndKeptThere) {
    writeFile("VARDO", "[frmVardo]\r\nJanvKMIn=12500\r\n");
    open();
    EXPECT_EQ(text("JanvKMIn"), "12500");
    window->showPageCommand(2);
    window->close();
    window.reset();
    EXPECT_FALSE(QFile::exists(dir.filePath("VARDO.INI")));
    EXPECT_TRUE(readFile("VARDO").contains("Mars1=1\r\n"));
    EXPECT_TRUE(readFile("VARDO").startsWith("[frmVardo]\r\nJanvKMIn=12500\r\n"));
}

TEST_F(SavedAsYouGo, AStoreWithAByteOrderMarkShowsItsYearAndIsWrittenBackInWindows1252) {
    writeFile("VARDO.INI", "\xEF\xBB\xBF[frmVardo]\r\nJanvKMIn=12500\r\naledVehicule=Citro\xC3\xABn\r\n");
    open();
    EXPECT_EQ(text("JanvKMIn"), "12500");
    EXPECT_EQ(text("aledVehicule"), QString::fromUtf8("Citroën"));
    window->close();
    const QByteArray saved = readFile("VARDO.INI");
    EXPECT_TRUE(saved.startsWith("[frmVardo]\r\nJanvKMIn=12500\r\n"));
    EXPECT_TRUE(saved.contains("aledVehicule=Citro\xEBn\r\n"));
    EXPECT_EQ(saved.count("[frmVardo]"), 1);
}

// "Non" changes nothing; "Oui" archives under the file the question named, beside an older archive,
// then resets.
TEST_F(SavedAsYouGo, NewYearAnsweredNonChangesNothingAndOuiArchivesUnderTheNamedFile) {
    writeFile("VARDO.INI", "[frmVardo]\r\nJanvKMIn=12500\r\naledComptabilite=2025\r\n");
    writeFile("VARDO_2025.INI", "an older archive");
    open();
    answer = false;
    window->menuItem("Nouvelleanne1")->trigger();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].startsWith(QString::fromUtf8("Commencer une nouvelle année ?")));
    EXPECT_TRUE(questions[0].contains(QString::fromStdString(folder()) + "VARDO_2025-2.INI"))
        << questions[0].toStdString();
    EXPECT_EQ(text("JanvKMIn"), "12500");
    EXPECT_FALSE(QFile::exists(dir.filePath("VARDO_2025-2.INI")));

    answer = true;
    window->menuItem("Nouvelleanne1")->trigger();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[1], questions[0]);
    EXPECT_TRUE(readFile("VARDO_2025-2.INI").contains("JanvKMIn=12500\r\n"));
    EXPECT_EQ(readFile("VARDO_2025.INI"), "an older archive");
    EXPECT_EQ(text("JanvKMIn"), "0");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return readFile("VARDO.INI").contains("JanvKMIn=0\r\n"); }, 20000));
}

TEST_F(SavedAsYouGo, SaveAsAsksBeforeReplacingAFileAndACancelWritesNothing) {
    writeFile("lettre.txt", "a letter");
    open();
    window->menuItem("Sauvegarderlebilanannuelsous1")->trigger();  // the file dialog cancelled
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(errors.empty());
    saveAsName = dir.filePath("lettre.txt");
    answer = false;
    window->menuItem("Sauvegarderlebilanannuelsous1")->trigger();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], QString::fromUtf8("Le fichier \"%1\" existe déjà.\nVoulez-vous le "
                                              "remplacer ?")
                                .arg(dir.filePath("lettre.txt")));
    EXPECT_EQ(readFile("lettre.txt"), "a letter");
    answer = true;
    window->menuItem("Sauvegarderlebilanannuelsous1")->trigger();
    EXPECT_EQ(readFile("lettre.txt").count("\r\n"), 511) << "2026 has no 29 February";
    saveAsName = dir.filePath("nouveau.txt");
    window->menuItem("Sauvegarderlebilanannuelsous1")->trigger();
    EXPECT_EQ(questions.size(), 2u) << "a new file is written without a question";
    EXPECT_EQ(readFile("nouveau.txt").count("\r\n"), 511);
    EXPECT_TRUE(infos.empty()) << "no message follows a save-as";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"lettre.txt", "nouveau.txt"})) << "the cancel wrote nothing";
}

// Each character as a key press typing it, as a keyboard layout with that character sends it.
void typeCharacters(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
    }
}

TEST_F(SavedAsYouGo, CharactersWindows1252CannotHoldAreRefusedTypedOrPasted) {
    open();
    AlignedEdit* vehicle = edit("aledVehicule");
    vehicle->setFocus();
    typeCharacters(vehicle, QString::fromUtf8("Citroën €"));
    EXPECT_EQ(model("aledVehicule"), "Citroën €");
    typeCharacters(vehicle, QString::fromUtf8("Ł"));
    EXPECT_EQ(vehicle->text(), QString::fromUtf8("Citroën €"));
    QApplication::clipboard()->setText(QString::fromUtf8("de Łódź"));
    vehicle->paste();
    EXPECT_EQ(vehicle->text(), QString::fromUtf8("Citroën €"));
    EXPECT_EQ(model("aledVehicule"), "Citroën €");
    QApplication::clipboard()->setText(QString::fromUtf8(" œuvre"));
    vehicle->paste();
    EXPECT_EQ(model("aledVehicule"), "Citroën € œuvre");
}

}  // namespace
}  // namespace vardo::app::testing
