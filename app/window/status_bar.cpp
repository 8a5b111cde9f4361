#include "app/window/status_bar.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace vardo::app {

namespace {
constexpr int kWidths[3] = {105, 140, 155};

// The panels are drawn as they always were; only what a screen reader learns of them changes.
QAccessibleInterface* statusBarFactory(const QString& /*className*/, QObject* object) {
    auto* panels = qobject_cast<StatusPanels*>(object);
    return panels ? new QAccessibleWidget(panels, QAccessible::StatusBar) : nullptr;
}

}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(statusBarFactory);
        return true;
    }();
    (void)installed;
    setAccessibleName(QString::fromUtf8(kAccessibleName));
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(2);
        label->setTextFormat(Qt::PlainText);
        panels_[i] = label;
    }
}

// Qt 6.4 has no announcement event: a changed coefficient is told as a new name of its panel.
// A label without a name of its own is named by its text, and Qt tells the screen reader of the
// new name when the text changes; so the panels must never be given a name.
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
