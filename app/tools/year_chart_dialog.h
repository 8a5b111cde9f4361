#pragma once
// "Graphique de l'année": the chart of the months in one tab and the same figures as a table in
// the other (for the keyboard and screen readers), with the image saved as PNG or SVG and the
// chart printed through the program's print path. Échap closes it.
#include <QDialog>
#include <functional>
#include <string>

#include "tools/year_chart.h"

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace vardo {
class PrintService;
}

namespace vardo::app {

class YearChartDialog : public QDialog {
    Q_OBJECT
public:
    // figures: the year's derivation, with the focused box counted as left.
    YearChartDialog(const FormModel& form, const DerivedYear& figures, std::string filesFolder,
                    PrintService& printing, QWidget* parent);

    QTabWidget* tabs() const { return tabs_; }
    QTableWidget* table() const { return table_; }
    QChartView* view() const { return view_; }
    QLabel* emptyText() const { return emptyText_; }
    const YearChart& data() const { return data_; }

    // The save dialog, given the suggested path; an empty name means cancelled. Tests replace it.
    std::function<QString(QWidget*, const QString& suggested)> imageFileName;

    void saveImage();
    void print();
    // The month's figures as a bar's tooltip shows them.
    QString monthTip(int month) const;

private:
    QWidget* makeChartTab();
    QTableWidget* makeTable();
    QString suggestedImagePath() const;

    YearChart data_;
    std::string filesFolder_;
    std::string year_;
    PrintService& printing_;
    QTabWidget* tabs_;
    QChartView* view_ = nullptr;
    QLabel* emptyText_ = nullptr;
    QTableWidget* table_;
};

}  // namespace vardo::app
