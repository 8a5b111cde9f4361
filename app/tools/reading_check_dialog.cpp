#include "app/tools/reading_check_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vardo::app {

ReadingCheckDialog::ReadingCheckDialog(std::vector<Anomaly> found, QWidget* parent)
    : QDialog(parent), found_(std::move(found)), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("ReadingCheckDialog"));
    setWindowTitle(QStringLiteral("Contrôler les relevés"));
    setModal(true);

    list_->setObjectName(QStringLiteral("anomalies"));
    list_->setAccessibleName(QStringLiteral("Anomalies des relevés"));
    list_->setMinimumSize(620, 240);
    // Long sentences wrap: no line hides behind a horizontal scroll bar.
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setResizeMode(QListView::Adjust);
    for (const std::string& line : anomalyLines(found_))
        list_->addItem(QString::fromStdString(line));
    list_->setCurrentRow(0);

    auto* hint = new QLabel(found_.empty() ? QString()
                                           : QStringLiteral("Entrée ou double-clic sur une ligne : "
                                                            "aller au champ concerné."),
                            this);
    list_->setAccessibleDescription(hint->text());
    auto* go = new QPushButton(QStringLiteral("&Aller au champ"), this);
    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    go->setEnabled(!found_.empty());
    // Return belongs to the list: no button takes it as the dialog's default.
    go->setAutoDefault(false);
    close->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint, 1);
    buttons->addWidget(go);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(list_->row(item)); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { choose(list_->row(item)); });
    connect(go, &QPushButton::clicked, this, [this] { choose(list_->currentRow()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    list_->setFocus();
}

void ReadingCheckDialog::choose(int row) {
    if (row < 0 || row >= static_cast<int>(found_.size()) || chosen_) return;
    chosen_ = found_[static_cast<std::size_t>(row)];
    accept();
}

}  // namespace vardo::app
