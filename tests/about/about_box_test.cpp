// The About box and its window: texts cut to 100 characters, the window's layout, fresh memory
// figures and one default sound at each opening, the sound alone when the window can't be made.
#include "app/about/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/about/memory_status.h"
#include "controls/system_sound.h"
#include "app/about/about_window.h"
#include "controls/separator_line.h"
#include "tests/modal_wait.h"

namespace vardo {
namespace {

// Counts the default sounds and feeds chosen memory figures while a test runs.
class AboutFixture : public ::testing::Test {
protected:
    void SetUp() override {
        vardo::setDefaultSoundForTests([this] { ++sounds; });
        vardo::setMemoryStatusSourceForTests([this] {
            vardo::MemoryStatus status;
            status.known = true;
            status.totalBytes = 1024ull * (8000000 + 1000 * static_cast<unsigned>(queries));
            status.loadPercent = 30 + queries;
            ++queries;
            return status;
        });
    }
    void TearDown() override {
        vardo::setDefaultSoundForTests({});
        vardo::setMemoryStatusSourceForTests({});
    }

    // Runs Execute and, from inside the modal loop, records the window's texts and presses OK.
    QStringList executeAndRead(AboutBox& box) {
        QStringList seen;
        vardo::testing::whenModalWindow<AboutWindow>([&seen](AboutWindow* window) {
            for (QLabel* label : {window->productName, window->version, window->copyright,
                                  window->physicalMemory, window->freeResources}) {
                seen << label->text();
            }
            window->okButton->click();
        });
        box.exec();
        return seen;
    }

    int sounds = 0;
    int queries = 0;
};

TEST_F(AboutFixture, TheProgramsOwnTextsEachKeepingItsFirstHundredCharacters) {
    AboutBox box;
    EXPECT_EQ(box.productName(), QStringLiteral("Vardo"));
    const QString long120 = QString(60, u'a') + QString(60, u'é');
    box.setProductName(long120);
    box.setVersion(long120);
    box.setCopyright(long120);
    EXPECT_EQ(box.productName(), long120.left(100));
    EXPECT_EQ(box.version(), long120.left(100));
    EXPECT_EQ(box.copyright(), long120.left(100));
    box.setProductName(QStringLiteral("Court"));
    EXPECT_EQ(box.productName(), QStringLiteral("Court"));
}

TEST_F(AboutFixture, ACharacterOutsideTheBasicPlaneCountsAsOne) {
    const QString clef = QString::fromUtf8("\U0001D11E");
    const QString text = QString(99, u'x') + clef + clef;
    EXPECT_EQ(cutToHundredCharacters(text), QString(99, u'x') + clef);
}

TEST_F(AboutFixture, EachOpeningPlaysOneSoundAndShowsTheTextsCutAndFreshMemoryFigures) {
    AboutBox box;
    box.setProductName(QString(120, u'V'));
    const QStringList first = executeAndRead(box);  // OK closes the window, or this never returns
    EXPECT_EQ(sounds, 1);
    const QStringList second = executeAndRead(box);
    EXPECT_EQ(sounds, 2);
    ASSERT_EQ(first.size(), 5);
    ASSERT_EQ(second.size(), 5);
    EXPECT_EQ(first[0], QString(100, u'V'));
    EXPECT_EQ(first[1], QStringLiteral("Version 1.0"));
    EXPECT_EQ(first[2], QStringLiteral("© 2026 Les auteurs de Vardo"));
    EXPECT_NE(first[3], second[3]);
    EXPECT_EQ(first[4], QStringLiteral("Ressources système      : 70% libre."));
    EXPECT_EQ(second[4], QStringLiteral("Ressources système      : 69% libre."));
}

class FailingAboutBox : public AboutBox {
protected:
    AboutWindow* createWindow(QWidget*) override { throw std::bad_alloc(); }
};

TEST_F(AboutFixture, AWindowThatCantBeCreatedGivesTheSoundAndNothingElse) {
    FailingAboutBox box;
    box.exec();
    EXPECT_EQ(sounds, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AboutFixture, TheWindowHasItsCaptionSizeAndComponentsInPlace) {
    AboutWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("A propos de..."));
    EXPECT_EQ(window.size(), QSize(294, 268));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";
    EXPECT_EQ(window.banner->geometry(), QRect(-4, -4, 298, 81));
    EXPECT_EQ(window.banner->pixmap().size(), QSize(298, 81));
    EXPECT_EQ(window.physicalMemory->pos(), QPoint(86, 173));
    EXPECT_EQ(window.freeResources->pos(), QPoint(86, 193));
    EXPECT_EQ(window.productName->pos(), QPoint(88, 96));
    EXPECT_TRUE(window.productName->font().bold());
    EXPECT_EQ(window.version->pos(), QPoint(88, 120));
    EXPECT_FALSE(window.version->font().bold());
    EXPECT_EQ(window.copyright->pos(), QPoint(88, 136));
    EXPECT_EQ(window.okButton->text(), QStringLiteral("OK"));
    EXPECT_EQ(window.okButton->geometry(), QRect(208, 223, 74, 26));
    EXPECT_EQ(window.darkLine->geometry().topLeft(), QPoint(86, 158));
    EXPECT_EQ(window.darkLine->width(), 196);
    EXPECT_EQ(window.lightLine->geometry().topLeft(), QPoint(86, 159));
    EXPECT_EQ(window.lightLine->width(), 196);
    EXPECT_EQ(window.darkLine->pen().color(), QColor(Qt::black));
    EXPECT_EQ(window.lightLine->pen().color(), QColor(Qt::white));
    EXPECT_EQ(sounds, 1) << "the sound plays at creation";
}

}  // namespace
}  // namespace vardo
