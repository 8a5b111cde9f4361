#include "app/tools/year_chart_dialog.h"

#include <QBarSet>
#include <QChartView>
#include <QCursor>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/window/error_guard.h"
#include "app/window/save_dialog.h"
#include "app/tools/year_chart_view.h"
#include "reports/qt/print_service.h"
#include "tools/tool_options.h"

namespace vardo::app {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString askImageFileName(QWidget* parent, const QString& suggested) {
    return askSaveFileName(parent, {QStringLiteral("Enregistrer l'image du graphique"),
                                    QStringLiteral("ChartImageDialog"), QStringLiteral("png"),
                                    QStringLiteral("Images PNG ou SVG (*.png *.svg)"), suggested,
                                    true});
}

QPushButton* namedButton(QDialogButtonBox* box, const char* caption, const char* name,
                         QDialogButtonBox::ButtonRole role) {
    QPushButton* button = box->addButton(QString::fromUtf8(caption), role);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(button->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    return button;
}

}  // namespace

YearChartDialog::YearChartDialog(const FormModel& form, const DerivedYear& figures,
                                 std::string filesFolder, PrintService& printing, QWidget* parent)
    : QDialog(parent),
      data_(yearChart(form, figures)),
      filesFolder_(std::move(filesFolder)),
      year_(form.text(headerField(Header::Comptabilite))),
      printing_(printing),
      tabs_(new QTabWidget(this)),
      table_(makeTable()) {
    setObjectName(QStringLiteral("YearChartDialog"));
    setWindowTitle(QStringLiteral("Graphique de l'année"));
    setAccessibleName(windowTitle());
    setModal(true);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setAccessibleName(QStringLiteral("Graphique ou tableau"));
    tabs_->addTab(makeChartTab(), QStringLiteral("&Graphique"));
    tabs_->addTab(table_, QStringLiteral("&Tableau"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton* save = namedButton(buttons, "&Enregistrer l'image...", "saveImage",
                                    QDialogButtonBox::ActionRole);
    QPushButton* print = namedButton(buttons, "&Imprimer...", "print", QDialogButtonBox::ActionRole);
    QPushButton* close = namedButton(buttons, "&Fermer", "close", QDialogButtonBox::RejectRole);
    connect(save, &QPushButton::clicked, this, [this] { guarded([this] { saveImage(); }); });
    connect(print, &QPushButton::clicked, this, [this] { guarded([this] { this->print(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    resize(900, 600);
}

QWidget* YearChartDialog::makeChartTab() {
    if (data_.empty()) {
        emptyText_ = new QLabel(text(data_.title) + QStringLiteral("\n\n") + text(data_.emptySentence));
        emptyText_->setObjectName(QStringLiteral("emptyText"));
        emptyText_->setTextFormat(Qt::PlainText);  // the vehicle's name as typed
        emptyText_->setAlignment(Qt::AlignCenter);
        emptyText_->setWordWrap(true);
        emptyText_->setAccessibleName(QStringLiteral("Graphique vide"));
        return emptyText_;
    }
    QChart* chart = makeYearChart(data_);
    view_ = new QChartView(chart);
    view_->setObjectName(QStringLiteral("chart"));
    view_->setAccessibleName(QStringLiteral("Graphique des kilomètres de l'année"));
    view_->setAccessibleDescription(
        QStringLiteral("Barres empilées des kilomètres professionnels et personnels de chaque "
                       "mois, courbe du coefficient professionnel depuis janvier ; les mêmes "
                       "chiffres sont dans l'onglet Tableau."));
    view_->setRenderHint(QPainter::Antialiasing);
    for (QAbstractSeries* series : chart->series()) {
        if (auto* bars = qobject_cast<QStackedBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                connect(set, &QBarSet::hovered, this, [this](bool status, int index) {
                    if (status) QToolTip::showText(QCursor::pos(), monthTip(index), view_);
                    else QToolTip::hideText();
                });
            }
        } else if (auto* line = qobject_cast<QLineSeries*>(series)) {
            connect(line, &QLineSeries::hovered, this, [this](const QPointF& point, bool state) {
                const int month = qRound(point.x());
                if (state && month >= 0 && month < kMonths)
                    QToolTip::showText(QCursor::pos(), monthTip(month), view_);
                else QToolTip::hideText();
            });
        }
    }
    return view_;
}

QTableWidget* YearChartDialog::makeTable() {
    const QStringList headings = {QStringLiteral("Mois"), QStringLiteral("Km professionnels"),
                                  QStringLiteral("Km personnels"), QStringLiteral("Km total"),
                                  QStringLiteral("Coefficient pro depuis janvier")};
    auto* table = new QTableWidget(kMonths, static_cast<int>(headings.size()), this);
    table->setObjectName(QStringLiteral("table"));
    table->setAccessibleName(QStringLiteral("Tableau des kilomètres de l'année"));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int m = 0; m < kMonths; ++m) {
        const ChartMonth& month = data_.months[m];
        QStringList cells = {text(std::string(monthInfo(m).caption)), QString(), QString(),
                             QString(), QString()};
        if (month.hasBar) {
            cells[1] = text(kilometresText(month.professional));
            cells[2] = text(kilometresText(month.personal));
            cells[3] = text(kilometresText(month.professional + month.personal));
        }
        if (month.cumulatedPercent) cells[4] = text(percentText(*month.cumulatedPercent));
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(m, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QString YearChartDialog::monthTip(int month) const {
    return text(monthSummary(data_, month));
}

QString YearChartDialog::suggestedImagePath() const {
    QString folder = text(readExportFolder(filesFolder_));
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(text("vardo_" + year_ + ".png"));
}

void YearChartDialog::saveImage() {
    const QString suggested = suggestedImagePath();
    const QString name = imageFileName ? imageFileName(this, suggested)
                                       : askImageFileName(this, suggested);
    if (name.isEmpty()) return;
    writeYearChartImage(data_, name);
    guarded([&] { writeExportFolder(filesFolder_, QFileInfo(name).absolutePath().toStdString()); });
}

void YearChartDialog::print() {
    printing_.printDrawing(
        this, [this](QPainter& painter, const QRect& page) { drawYearChart(data_, painter, page); },
        "vardo_" + year_);
}

}  // namespace vardo::app
