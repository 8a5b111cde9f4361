// The help: its window, the command that opens or brings it forward, the closing of every help
// window, and pages whose links all lead somewhere.
#include "app/help/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTreeWidget>

#include "app/help/help_access.h"
#include "app/help/help_topics.h"

namespace {

using vardo::HelpWindow;

HelpWindow* openWindow() {
    return qobject_cast<HelpWindow*>(vardo::currentHelpWindow());
}

class HelpCommandTest : public testing::Test {
protected:
    void TearDown() override { vardo::closeAllHelp(); }
};

TEST_F(HelpCommandTest, OpensOnTheDefaultTopic) {
    vardo::openHelp();
    HelpWindow* window = openWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), nullptr) << "no window of the program owns it";
    EXPECT_FALSE(window->isModal());
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose))
        << "an open help window must not keep the program alive after the main window";
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Aide de Vardo"));
    EXPECT_EQ(window->currentTopic(), vardo::defaultHelpTopic());
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("Bienvenue dans Vardo")));
    ASSERT_NE(window->contents()->currentItem(), nullptr);
    EXPECT_EQ(window->contents()->currentItem()->text(0), QStringLiteral("Bienvenue dans Vardo"));
}

TEST_F(HelpCommandTest, ASecondCommandBringsTheSameWindowBackToTheDefaultTopic) {
    vardo::openHelp();
    QPointer<HelpWindow> first = openWindow();
    ASSERT_TRUE(first);
    first->showTopic(vardo::helpPageUrl(QStringLiteral("erreurs.html")));
    first->hide();
    vardo::openHelp();
    EXPECT_EQ(openWindow(), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->currentTopic(), vardo::defaultHelpTopic());
    EXPECT_EQ(QApplication::topLevelWidgets().count(first.data()), 1);
}

TEST_F(HelpCommandTest, AWindowTheUserClosedIsOpenedAfresh) {
    vardo::openHelp();
    QPointer<HelpWindow> window = openWindow();
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    vardo::openHelp();
    EXPECT_NE(openWindow(), nullptr);
}

TEST_F(HelpCommandTest, ClickingAContentsEntryShowsItsPage) {
    vardo::openHelp();
    HelpWindow* window = openWindow();
    QTreeWidgetItem* item = window->contents()->topLevelItem(5);
    emit window->contents()->itemClicked(item, 0);
    EXPECT_EQ(window->currentTopic(), item->data(0, Qt::UserRole).toUrl());
    EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("Corriger")));
}

TEST(HelpViewerTest, DetachingClosesEveryHelpWindow) {
    vardo::attachHelpViewer();
    EXPECT_TRUE(vardo::helpViewerAttached());
    vardo::openHelp();
    QPointer<QWidget> window = vardo::currentHelpWindow();
    vardo::detachHelpViewer();
    EXPECT_FALSE(vardo::helpViewerAttached());
    EXPECT_TRUE(window.isNull()) << "no help window outlives the viewer";
    EXPECT_EQ(vardo::currentHelpWindow(), nullptr);
    vardo::closeAllHelp();  // nothing left to close is no failure
    vardo::attachHelpViewer();
}

// Every page of the compiled-in help, by file name.
QStringList helpPages() {
    vardo::registerHelpPages();
    QStringList pages;
    QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files);
    while (it.hasNext()) pages << QFileInfo(it.next()).fileName();
    pages.sort();
    return pages;
}

QString pageText(const QString& page) {
    QFile file(QStringLiteral(":/help/") + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(HelpPagesTest, EveryPageIsInTheContentsAndEveryEntryExists) {
    const QStringList pages = helpPages();
    ASSERT_GE(pages.size(), 10);
    QStringList listed;
    for (const vardo::HelpTopic& topic : vardo::helpContents()) {
        EXPECT_TRUE(pages.contains(topic.page)) << topic.page.toStdString();
        listed << topic.page;
    }
    for (const QString& page : pages) EXPECT_TRUE(listed.contains(page)) << page.toStdString();
    EXPECT_EQ(vardo::defaultHelpTopic(), QUrl(QStringLiteral("qrc:/help/index.html")));
}

TEST(HelpPagesTest, EveryLinkAndPictureOfEveryPageResolves) {
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    int checked = 0;
    for (const QString& page : helpPages()) {
        const QString text = pageText(page);
        const QUrl base = vardo::helpPageUrl(page);
        for (auto match = reference.globalMatch(text); match.hasNext();) {
            const QString target = match.next().captured(1);
            const QUrl url = base.resolved(QUrl(target));
            SCOPED_TRACE(page.toStdString() + " -> " + target.toStdString());
            ASSERT_EQ(url.scheme(), QStringLiteral("qrc")) << "no link leaves the help";
            const QString file = QLatin1Char(':') + url.path();
            ASSERT_TRUE(QFile::exists(file));
            if (url.hasFragment()) {
                const QString anchor = url.fragment();
                const QString targetText = pageText(QFileInfo(file).fileName());
                EXPECT_TRUE(targetText.contains(QStringLiteral("name=\"") + anchor + u'"') ||
                            targetText.contains(QStringLiteral("id=\"") + anchor + u'"'));
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

TEST(HelpPagesTest, EveryPageHasATitleAndLoadsInTheBrowser) {
    QTextBrowser browser;
    for (const QString& page : helpPages()) {
        SCOPED_TRACE(page.toStdString());
        browser.setSource(vardo::helpPageUrl(page));
        EXPECT_FALSE(browser.documentTitle().isEmpty());
        EXPECT_GT(browser.toPlainText().size(), 200);
        EXPECT_FALSE(browser.toPlainText().contains(QChar(0xFFFD))) << "text read as UTF-8";
    }
}

TEST(HelpPagesTest, TheErrorPageExplainsEveryMessageOfTheProgram) {
    const QStringList messages{
        QStringLiteral("'%s' n'est pas une valeur entière correcte"),
        QStringLiteral("'%s' n'est pas une valeur en virgule flottante correcte"),
        QStringLiteral("Débordement d'entier"),
        QStringLiteral("Impossible d'ouvrir le fichier \"%s\". %s"),
        QStringLiteral("Impossible de créer le fichier \"%s\". %s"),
        QStringLiteral("Impossible d'écrire dans %s"),
        QStringLiteral("Fichier introuvable"),
        QStringLiteral("Nom de fichier incorrect"),
        QStringLiteral("Trop de fichiers ouverts"),
        QStringLiteral("Accès au fichier refusé"),
        QStringLiteral("Disque plein"),
        QStringLiteral("Erreur E/S %d"),
        QStringLiteral("Erreur d'écriture dans le flux"),
        QStringLiteral("Aucune imprimante par défaut sélectionnée"),
        QStringLiteral("Impression en cours"),
    };
    // Shown in the page as the messages read: the markup holds no line break inside a message.
    QTextBrowser browser;
    browser.setSource(vardo::helpPageUrl(QStringLiteral("erreurs.html")));
    const QString shown = browser.toPlainText().simplified();
    for (const QString& message : messages) {
        EXPECT_TRUE(shown.contains(message)) << message.toStdString();
    }
}

TEST(HelpPagesTest, TheFilesPageNamesEveryFileOfTheProgramFolder) {
    QTextBrowser browser;
    browser.setSource(vardo::helpPageUrl(QStringLiteral("fichiers.html")));
    const QString shown = browser.toPlainText();
    for (const char* name : {"VARDO.INI", "VardoM.ini", "Vardo.vrd", "vardo_<année>.txt",
                             "VARDO_<année>.INI", "HHDebug.txt", "debug.debug",
                             // the two places, and how to know which one is in use
                             "dossier du programme", "~/.local/share/vardo",
                             "$XDG_DATA_HOME/vardo", "vardo --help"}) {
        EXPECT_TRUE(shown.contains(QString::fromUtf8(name))) << name;
    }
}

}  // namespace
