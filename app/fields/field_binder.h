#pragma once
// Binds every aligned edit of the window to its model field by name. The model's changes are
// pushed into the widgets (without echoing signals back); the user's typing is written back as
// typing, so the field's change handler runs on every keystroke.
#include <QHash>
#include <QObject>
#include <array>
#include <optional>
#include <string_view>

#include "ledger/form_model.h"

class QValidator;
class QWidget;

namespace vardo {
class AlignedEdit;
}  // namespace vardo

namespace vardo::app {

class FieldBinder : public QObject, public FormObserver {
    Q_OBJECT
public:
    FieldBinder(FormModel& form, QObject* parent = nullptr);
    ~FieldBinder() override;

    // Binds an edit through its object name (the field's name); the widget takes the model's
    // text and read-only state. A name the model does not know is a programming error.
    FieldId bind(AlignedEdit* edit);
    // The length limit of a field's typing (0: none); a longer paste is cut to it.
    void setLengthLimit(FieldId id, int limit) { limits_[static_cast<std::size_t>(id)] = limit; }

    AlignedEdit* edit(FieldId id) const { return edits_[static_cast<std::size_t>(id)]; }
    AlignedEdit* edit(std::string_view name) const;
    FieldId fieldOf(const QWidget* widget) const { return ids_.value(widget, -1); }

    void textChanged(FieldId id, Origin origin) override;
    void readOnlyChanged(FieldId id) override;

private:
    void onTextEdited(const QString& text);
    void typed(FieldId id, const QString& text);
    void nameField(FieldId id);
    void describeField(FieldId id);
    void followYear();

    FormModel& form_;
    QValidator* cp1252_;  // shared by every field
    std::array<AlignedEdit*, kFieldCount> edits_{};
    std::array<int, kFieldCount> limits_{};
    QHash<const QWidget*, FieldId> ids_;
    std::optional<int> year_;  // the accounting year the day fields' weekdays follow
};

}  // namespace vardo::app
