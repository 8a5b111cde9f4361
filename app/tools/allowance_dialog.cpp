#include "app/tools/allowance_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/window/error_guard.h"
#include "tools/mileage_scale.h"
#include "tools/tool_options.h"

namespace vardo::app {

AllowanceDialog::AllowanceDialog(const FormModel& form, DerivedYear figures,
                                 std::string programFolder, QWidget* parent)
    : QDialog(parent),
      form_(form),
      figures_(std::move(figures)),
      programFolder_(std::move(programFolder)),
      lines_(new QLabel(this)),
      amount_(new QLabel(this)),
      electric_(new QCheckBox(QStringLiteral("Véhicule électrique (+20 %)"), this)) {
    setObjectName(QStringLiteral("AllowanceDialog"));
    setWindowTitle(QStringLiteral("Indemnités kilométriques"));
    setModal(true);
    lines_->setObjectName(QStringLiteral("lines"));
    amount_->setObjectName(QStringLiteral("amount"));
    amount_->setWordWrap(true);
    QFont bold = amount_->font();
    bold.setBold(true);
    amount_->setFont(bold);
    electric_->setObjectName(QStringLiteral("electric"));
    electric_->setChecked(readElectric(programFolder_));

    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines_);
    layout->addWidget(amount_);
    layout->addSpacing(8);
    layout->addWidget(electric_);
    layout->addWidget(close, 0, Qt::AlignRight);
    setMinimumWidth(460);

    connect(electric_, &QCheckBox::toggled, this, &AllowanceDialog::electricToggled);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    electric_->setFocus();
}

QString AllowanceDialog::shownText() const {
    return lines_->text() + QLatin1Char('\n') + amount_->text();
}

// The last line is the amount, or the sentence that replaces it.
void AllowanceDialog::refresh() {
    const Allowance allowance = mileageAllowance(form_, figures_, electric_->isChecked());
    QStringList lines;
    for (const std::string& line : allowance.lines) lines << QString::fromStdString(line);
    amount_->setText(lines.takeLast());
    lines_->setText(lines.join(QLatin1Char('\n')));
}

void AllowanceDialog::electricToggled(bool on) {
    refresh();
    guarded([&] { writeElectric(programFolder_, on); });
}

}  // namespace vardo::app
