#include "app/window/status_bar.h"

#include <QLabel>

namespace vardo::app {

namespace {
constexpr int kWidths[3] = {105, 140, 155};
}

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(2);
        label->setTextFormat(Qt::PlainText);
        panels_[i] = label;
    }
}

void StatusPanels::setPanelText(int index, const QString& text) {
    panels_[static_cast<std::size_t>(index)]->setText(text);
}

QString StatusPanels::panelText(int index) const {
    return panels_[static_cast<std::size_t>(index)]->text();
}

void StatusPanels::resizeEvent(QResizeEvent*) {
    int left = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const int width = i < 3 ? kWidths[i] : std::max(0, this->width() - left);
        panels_[i]->setGeometry(left, 1, width - 2, height() - 1);
        left += width;
    }
}

}  // namespace vardo::app
