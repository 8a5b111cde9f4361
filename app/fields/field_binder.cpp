#include "app/fields/field_binder.h"

#include <QSignalBlocker>
#include <stdexcept>

#include "app/fields/cp1252_validator.h"
#include "app/window/error_guard.h"
#include "controls/align_edit.h"
#include "ledger/calendar.h"
#include "ledger/spoken_names.h"

namespace vardo::app {

FieldBinder::FieldBinder(FormModel& form, QObject* parent)
    : QObject(parent), form_(form), cp1252_(new Cp1252Validator(this)), year_(accountingYear(form)) {
    form_.addObserver(this);
}

FieldBinder::~FieldBinder() {
    form_.removeObserver(this);
}

FieldId FieldBinder::bind(AlignedEdit* edit) {
    const FieldId id = form_.findField(edit->objectName().toStdString());
    if (id < 0) throw std::logic_error("no field named " + edit->objectName().toStdString());
    edits_[static_cast<std::size_t>(id)] = edit;
    ids_.insert(edit, id);
    if (const QString text = QString::fromStdString(form_.text(id)); edit->text() != text) {
        const QSignalBlocker blocker(edit);
        edit->writeText(text);
    }
    edit->setReadOnly(form_.readOnly(id));
    nameField(id);
    describeField(id);
    edit->setValidator(cp1252_);
    connect(edit, &QLineEdit::textEdited, this, &FieldBinder::onTextEdited);
    return id;
}

AlignedEdit* FieldBinder::edit(std::string_view name) const {
    const FieldId id = form_.findField(name);
    return id < 0 ? nullptr : edit(id);
}

// One handler for every field: the sender says which.
void FieldBinder::onTextEdited(const QString& text) {
    if (const FieldId id = fieldOf(qobject_cast<QWidget*>(sender())); id >= 0) typed(id, text);
}

void FieldBinder::typed(FieldId id, const QString& text) {
    const int limit = limits_[static_cast<std::size_t>(id)];
    QString kept = text;
    if (limit > 0 && kept.size() > limit) {
        kept.truncate(limit);
        AlignedEdit* widget = edit(id);
        const QSignalBlocker blocker(widget);
        widget->setText(kept);
    }
    // A failure in the change handler that typing fires ends that handler only.
    guarded([&] { form_.setText(id, kept.toStdString(), Origin::Typing); });
}

void FieldBinder::textChanged(FieldId id, Origin origin) {
    AlignedEdit* widget = edit(id);
    if (!widget) return;
    const QString text = QString::fromStdString(form_.text(id));
    if (id == headerField(Header::Comptabilite)) followYear();
    if (origin == Origin::Typing && widget->text() == text) return;
    const QSignalBlocker blocker(widget);
    widget->writeText(text);
}

void FieldBinder::readOnlyChanged(FieldId id) {
    if (AlignedEdit* widget = edit(id)) {
        widget->setReadOnly(form_.readOnly(id));
        describeField(id);
    }
}

// The name a screen reader says is the tooltip too: the grid shows no weekday, the tooltip does.
void FieldBinder::nameField(FieldId id) {
    AlignedEdit* widget = edit(id);
    const QString name = QString::fromStdString(spokenName(id, year_));
    widget->setAccessibleName(name);
    widget->setNameTip(name);
}

void FieldBinder::describeField(FieldId id) {
    edit(id)->setAccessibleDescription(
        QString::fromStdString(spokenDescription(id, form_.readOnly(id))));
}

// The weekdays follow the accounting year: renamed only when the year it holds changes.
void FieldBinder::followYear() {
    const std::optional<int> year = accountingYear(form_);
    if (year == year_) return;
    year_ = year;
    for (int m = 0; m < kMonths; ++m) {
        for (int day = 1; day <= monthInfo(m).dayRows; ++day) {
            for (FieldId id : {morningField(m, day), eveningField(m, day)}) {
                if (edit(id)) nameField(id);
            }
        }
    }
}

}  // namespace vardo::app
