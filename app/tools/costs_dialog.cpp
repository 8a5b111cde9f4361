#include "app/tools/costs_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window/error_guard.h"
#include "tools/costs_comparison.h"
#include "tools/tool_options.h"

namespace vardo::app {

CostsDialog::CostsDialog(const FormModel& form, DerivedYear figures, std::string filesFolder,
                         QWidget* parent)
    : QDialog(parent),
      form_(form),
      figures_(std::move(figures)),
      filesFolder_(std::move(filesFolder)),
      electric_(readElectric(filesFolder_)),
      costs_(new QLineEdit(this)),
      comparison_(new QLabel(this)) {
    setObjectName(QStringLiteral("CostsDialog"));
    setWindowTitle(QStringLiteral("Frais réels et barème"));
    setModal(true);
    costs_->setObjectName(QStringLiteral("costs"));
    costs_->setAccessibleName(QStringLiteral("Frais du véhicule pour l'année, en euros"));
    costs_->setPlaceholderText(QStringLiteral("4 500,00"));
    costs_->setMaxLength(20);
    costs_->setAlignment(Qt::AlignRight);
    if (const auto kept = readCosts(filesFolder_))
        costs_->setText(QString::fromStdString(plainEuros(*kept)));
    comparison_->setObjectName(QStringLiteral("comparison"));
    comparison_->setAccessibleName(QStringLiteral("Comparaison"));
    comparison_->setTextFormat(Qt::PlainText);
    comparison_->setWordWrap(true);
    comparison_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    comparison_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    comparison_->setMinimumWidth(440);

    auto* entry = new QVBoxLayout;
    auto* caption = new QLabel(QStringLiteral("&Frais du véhicule de l'année (€) :"), this);
    caption->setBuddy(costs_);
    auto* hint = new QLabel(QStringLiteral("carburant, assurance, entretien, amortissement…"), this);
    hint->setWordWrap(true);
    entry->addWidget(caption);
    entry->addWidget(costs_);
    entry->addWidget(hint);
    entry->addStretch();
    auto* side = new QHBoxLayout;
    side->addLayout(entry);
    side->addSpacing(12);
    side->addWidget(comparison_, 1);

    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(close, 0, Qt::AlignRight);
    setMinimumWidth(720);

    connect(costs_, &QLineEdit::textChanged, this, &CostsDialog::refresh);
    connect(costs_, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    costs_->setFocus();
}

QString CostsDialog::shownText() const {
    return comparison_->text();
}

// Each keystroke: the comparison for the amount typed, or what is wrong with it.
void CostsDialog::refresh() {
    const std::string typed = costs_->text().toStdString();
    QStringList lines;
    if (costs_->text().trimmed().isEmpty()) {
        lines << QStringLiteral("Tapez le total des frais du véhicule pour l'année.");
    } else {
        try {
            const std::int64_t cents = readEuros(typed);
            for (const std::string& line : compareCosts(form_, figures_, cents, electric_).lines)
                lines << QString::fromStdString(line);
        } catch (const Error& error) {
            lines << QString::fromStdString(errorBoxText(error.what()));
        }
    }
    comparison_->setText(lines.join(QLatin1Char('\n')));
    // Wrapped lines need more height than the layout gives a label by itself.
    comparison_->setMinimumHeight(comparison_->heightForWidth(comparison_->minimumWidth()));
}

void CostsDialog::done(int result) {
    std::optional<std::int64_t> cents;
    try {
        if (!costs_->text().trimmed().isEmpty()) cents = readEuros(costs_->text().toStdString());
    } catch (const Error&) {
        cents = readCosts(filesFolder_);  // a wrong amount does not replace the one kept
    }
    guarded([&] { writeCosts(filesFolder_, cents); });
    QDialog::done(result);
}

}  // namespace vardo::app
