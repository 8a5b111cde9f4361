#pragma once
// The status bar: four sunken panels 105, 140 and 155 pixels wide, the last taking the rest.
#include <QWidget>
#include <array>

#include "ledger/naming.h"

class QLabel;

namespace vardo::app {

class StatusPanels : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);
    void setPanelText(int index, const QString& text);
    QString panelText(int index) const;
    QLabel* panel(int index) const { return panels_[static_cast<std::size_t>(index)]; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QLabel*, kStatusPanels> panels_{};
};

}  // namespace vardo::app
