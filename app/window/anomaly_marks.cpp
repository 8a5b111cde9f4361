#include "app/window/anomaly_marks.h"

#include "controls/align_edit.h"
#include "tools/reading_checks.h"

namespace vardo::app {

AnomalyMarks::AnomalyMarks(const FormModel& form, BoxOf boxOf)
    : form_(form), boxOf_(std::move(boxOf)) {}

void AnomalyMarks::refresh(int calendarYear) {
    std::map<FieldId, QString> wanted;
    for (const Anomaly& anomaly : checkReadings(form_, calendarYear)) {
        const QString line = QString::fromStdString(anomalyLine(anomaly));
        for (FieldId id : anomaly.fields) {
            QString& reasons = wanted[id];
            if (!reasons.contains(line)) reasons += (reasons.isEmpty() ? QString() : QStringLiteral("\n")) + line;
        }
    }
    for (const auto& [id, reasons] : shown_)
        if (!wanted.count(id)) boxOf_(id)->setFlag(QString());
    for (const auto& [id, reasons] : wanted) boxOf_(id)->setFlag(reasons);
    shown_ = std::move(wanted);
}

}  // namespace vardo::app
