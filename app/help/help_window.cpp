#include "app/help/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/help/help_topics.h"

namespace vardo {

namespace {

QToolButton* makeButton(QWidget* parent, const QString& text, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

QString helpStyleSheet() {
    QFile file(QStringLiteral(":/help/style.css"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    registerHelpPages();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Aide de Vardo"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // A readable size of its own, whatever the small font of the main window.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(10);
    setFont(font);
    resize(900, 620);

    auto* back = makeButton(this, QStringLiteral("◀ Précédent"), QStringLiteral("Page précédente"));
    auto* forward = makeButton(this, QStringLiteral("Suivant ▶"), QStringLiteral("Page suivante"));
    auto* home = makeButton(this, QStringLiteral("Accueil"), QStringLiteral("Page d'accueil"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(home);
    bar->addStretch();

    contents_ = new QTreeWidget(this);
    contents_->setObjectName(QStringLiteral("contents"));
    contents_->setAccessibleName(QStringLiteral("Sommaire de l'aide"));
    contents_->setHeaderLabel(QStringLiteral("Sommaire"));
    contents_->setRootIsDecorated(false);
    for (const HelpTopic& topic : helpContents()) {
        auto* item = new QTreeWidgetItem(contents_, QStringList{topic.title});
        item->setData(0, Qt::UserRole, helpPageUrl(topic.page));
    }

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("browser"));
    browser_->setAccessibleName(QStringLiteral("Page de l'aide"));
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDefaultStyleSheet(helpStyleSheet());

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 660});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { showTopic(defaultHelpTopic()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showTopic(item->data(0, Qt::UserRole).toUrl()); });
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showTopic(item->data(0, Qt::UserRole).toUrl()); });
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::selectContentsEntry);
}

void HelpWindow::showTopic(const QUrl& page) {
    // The same page again starts from its top, or from its anchor.
    if (browser_->source() == page) {
        if (page.fragment().isEmpty()) {
            browser_->verticalScrollBar()->setValue(0);
        } else {
            browser_->scrollToAnchor(page.fragment());
        }
        return;
    }
    browser_->setSource(page);
}

QUrl HelpWindow::currentTopic() const {
    return browser_->source();
}

void HelpWindow::selectContentsEntry(const QUrl& page) {
    const QUrl withoutAnchor = page.adjusted(QUrl::RemoveFragment);
    for (int i = 0; i < contents_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = contents_->topLevelItem(i);
        if (item->data(0, Qt::UserRole).toUrl() == withoutAnchor) {
            contents_->setCurrentItem(item);
            return;
        }
    }
}

}  // namespace vardo
