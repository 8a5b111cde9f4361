// The About box and its window: texts cut to 100 characters, the window's layout, fresh memory
// figures and one default sound at each opening, the sound alone when the window can't be made.
#include "controls/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "controls/memory_status.h"
#include "controls/system_sound.h"
#include "controls/tfabout.h"
#include "controls/tline.h"

namespace {

// Counts the default sounds and feeds chosen memory figures while a test runs.
class AboutFixture : public testing::Test {
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
    QStringList executeAndRead(TAboutBox& box) {
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto* window = qobject_cast<TFAbout*>(QApplication::activeModalWidget());
            if (window == nullptr) return;
            for (QLabel* label : {window->Label1, window->Label2, window->Label3,
                                  window->lblPhysMem, window->lblPhysRes}) {
                seen << label->text();
            }
            window->Button1->click();
        });
        box.Execute();
        return seen;
    }

    int sounds = 0;
    int queries = 0;
};

TEST_F(AboutFixture, TheProgramsOwnTextsComeFirst) {
    TAboutBox box;
    EXPECT_EQ(box.ProductName(), QStringLiteral("Vardo"));
    EXPECT_EQ(box.Version(), QStringLiteral("Version 1.0"));
    EXPECT_EQ(box.Copyright(), QStringLiteral("© 2026 Les auteurs de Vardo"));
}

TEST_F(AboutFixture, EachTextKeepsItsFirstHundredCharacters) {
    TAboutBox box;
    const QString long120 = QString(60, u'a') + QString(60, u'é');
    box.setProductName(long120);
    box.setVersion(long120);
    box.setCopyright(long120);
    EXPECT_EQ(box.ProductName(), long120.left(100));
    EXPECT_EQ(box.Version(), long120.left(100));
    EXPECT_EQ(box.Copyright(), long120.left(100));
    box.setProductName(QStringLiteral("Court"));
    EXPECT_EQ(box.ProductName(), QStringLiteral("Court"));
}

TEST_F(AboutFixture, ACharacterOutsideTheBasicPlaneCountsAsOne) {
    const QString clef = QString::fromUtf8("\U0001D11E");
    const QString text = QString(99, u'x') + clef + clef;
    EXPECT_EQ(cutToHundredCharacters(text), QString(99, u'x') + clef);
}

TEST_F(AboutFixture, AHundredAndTwentyCharacterNameIsShownCutToAHundred) {
    TAboutBox box;
    box.setProductName(QString(120, u'V'));
    const QStringList seen = executeAndRead(box);
    ASSERT_EQ(seen.size(), 5);
    EXPECT_EQ(seen[0], QString(100, u'V'));
    EXPECT_EQ(seen[1], QStringLiteral("Version 1.0"));
    EXPECT_EQ(seen[2], QStringLiteral("© 2026 Les auteurs de Vardo"));
}

TEST_F(AboutFixture, EachOpeningPlaysOneSoundAndShowsFreshMemoryFigures) {
    TAboutBox box;
    QSignalSpy closed(&box, &TAboutBox::closed);
    const QStringList first = executeAndRead(box);
    EXPECT_EQ(sounds, 1);
    const QStringList second = executeAndRead(box);
    EXPECT_EQ(sounds, 2);
    ASSERT_EQ(first.size(), 5);
    ASSERT_EQ(second.size(), 5);
    EXPECT_NE(first[3], second[3]);
    EXPECT_EQ(first[4], QStringLiteral("Ressources système      : 70% libre."));
    EXPECT_EQ(second[4], QStringLiteral("Ressources système      : 69% libre."));
    EXPECT_EQ(closed.count(), 2) << "the main window learns of each return";
}

class FailingAboutBox : public TAboutBox {
protected:
    TFAbout* createWindow(QWidget*) override { throw std::bad_alloc(); }
};

TEST_F(AboutFixture, AWindowThatCantBeCreatedGivesTheSoundAndNothingElse) {
    FailingAboutBox box;
    QSignalSpy closed(&box, &TAboutBox::closed);
    box.Execute();
    EXPECT_EQ(sounds, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(AboutFixture, TheWindowHasItsCaptionSizeAndComponentsInPlace) {
    TFAbout window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("A propos de..."));
    EXPECT_EQ(window.size(), QSize(294, 268));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";
    EXPECT_EQ(window.Image1->geometry(), QRect(-4, -4, 298, 81));
    EXPECT_EQ(window.Image1->pixmap().size(), QSize(298, 81));
    EXPECT_EQ(window.lblPhysMem->pos(), QPoint(86, 173));
    EXPECT_EQ(window.lblPhysRes->pos(), QPoint(86, 193));
    EXPECT_EQ(window.Label1->pos(), QPoint(88, 96));
    EXPECT_TRUE(window.Label1->font().bold());
    EXPECT_EQ(window.Label2->pos(), QPoint(88, 120));
    EXPECT_FALSE(window.Label2->font().bold());
    EXPECT_EQ(window.Label3->pos(), QPoint(88, 136));
    EXPECT_EQ(window.Button1->text(), QStringLiteral("OK"));
    EXPECT_EQ(window.Button1->geometry(), QRect(208, 223, 74, 26));
    EXPECT_EQ(window.Line1->Line(), TLine::ltHorizontal);
    EXPECT_EQ(window.Line1->geometry().topLeft(), QPoint(86, 158));
    EXPECT_EQ(window.Line1->width(), 196);
    EXPECT_EQ(window.Line2->geometry().topLeft(), QPoint(86, 159));
    EXPECT_EQ(window.Line2->width(), 196);
    EXPECT_EQ(window.Line1->Pen().color(), QColor(Qt::black));
    EXPECT_EQ(window.Line2->Pen().color(), QColor(Qt::white));
    EXPECT_EQ(sounds, 1) << "the sound plays at creation";
}

TEST_F(AboutFixture, OkClosesTheWindow) {
    TFAbout window;
    window.show();
    window.Button1->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
