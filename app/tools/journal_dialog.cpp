#include "app/tools/journal_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "tools/field_in_words.h"

namespace vardo::app {
namespace {

constexpr int kRowIndex = Qt::UserRole;

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

JournalDialog::JournalDialog(std::vector<JournalListRow> rows, std::vector<std::string> verdict,
                             bool holds, QWidget* parent)
    : QDialog(parent), rows_(std::move(rows)), verdict_(new QLabel(this)),
      months_(new QComboBox(this)), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("JournalDialog"));
    setWindowTitle(QStringLiteral("Journal des saisies"));
    setModal(true);

    QStringList lines;
    for (const std::string& line : verdict) lines << utf8(line);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setText(lines.join(QLatin1Char('\n')));
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A journal that does not hold says so in red; the text says what, for those who cannot see it.
    if (!holds) verdict_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));

    auto* monthLabel = new QLabel(QStringLiteral("&Mois :"), this);
    months_->setObjectName(QStringLiteral("mois"));
    months_->addItem(QStringLiteral("Tous les mois"), -1);
    for (int m = 0; m < kMonths; ++m)
        months_->addItem(utf8(std::string(monthInfo(m).caption)), m);
    monthLabel->setBuddy(months_);
    months_->setAccessibleName(QStringLiteral("Mois"));

    list_->setObjectName(QStringLiteral("entrees"));
    list_->setAccessibleName(QStringLiteral("Entrées du journal des saisies"));
    list_->setAccessibleDescription(verdict_->text());
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setHeaderLabels({QStringLiteral("Date et heure"), QStringLiteral("Événement"),
                            QStringLiteral("Champ"), QStringLiteral("Avant → après")});
    list_->setMinimumSize(720, 320);
    list_->header()->setStretchLastSection(true);

    auto* go = new QPushButton(QStringLiteral("&Aller au champ"), this);
    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    go->setAutoDefault(false);
    close->setAutoDefault(false);

    auto* filter = new QHBoxLayout;
    filter->addWidget(monthLabel);
    filter->addWidget(months_);
    filter->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(go);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(verdict_);
    layout->addLayout(filter);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(months_, &QComboBox::currentIndexChanged, this,
            [this](int index) { showMonth(months_->itemData(index).toInt()); });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { choose(item); });
    connect(go, &QPushButton::clicked, this, [this] { choose(list_->currentItem()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    showMonth(-1);
    list_->setFocus();
}

void JournalDialog::showMonth(int month) {
    list_->clear();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const JournalListRow& row = rows_[i];
        if (month >= 0 && row.month != month) continue;
        auto* item = new QTreeWidgetItem(
            list_, {utf8(row.when), utf8(row.event), utf8(row.field), utf8(row.change)});
        item->setData(0, kRowIndex, static_cast<int>(i));
    }
    for (int column = 0; column < 3; ++column) list_->resizeColumnToContents(column);
    // The latest entries are those one looks for first.
    if (list_->topLevelItemCount() > 0) {
        QTreeWidgetItem* last = list_->topLevelItem(list_->topLevelItemCount() - 1);
        list_->setCurrentItem(last);
        list_->scrollToItem(last);
    }
}

void JournalDialog::choose(QTreeWidgetItem* item) {
    if (!item || chosen_) return;
    const JournalListRow& row = rows_[static_cast<std::size_t>(item->data(0, kRowIndex).toInt())];
    if (row.id < 0 || row.month < 0) return;  // a header field or no field: nothing to go to
    chosen_ = row;
    accept();
}

}  // namespace vardo::app
