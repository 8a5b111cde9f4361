#pragma once
// The status bar: four sunken panels 105, 140 and 155 pixels wide, the last taking the rest. A
// screen reader finds it as the window's status bar, and hears the coefficients when they change.
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

    static constexpr const char* kAccessibleName = "Barre d'état";

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QLabel*, kStatusPanels> panels_{};
};

}  // namespace vardo::app
