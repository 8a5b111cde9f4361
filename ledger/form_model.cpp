#include "ledger/form_model.h"

#include <algorithm>

namespace vardo {

bool designReadOnly(FieldId id) {
    if (id >= gridField(0, GridColumn::KMIni)) return id < headerField(Header::Comptabilite);
    for (int m = 0; m < kMonths; ++m) {
        if (id >= balanceField(m, Balance::KMFin) && id <= balanceField(m, Balance::CoPerso))
            return true;
    }
    return false;
}

FormModel::FormModel() {
    fields_.reserve(kFieldCount);
    for (FieldId id = 0; id < kFieldCount; ++id) {
        Field field;
        field.name = fieldName(id);
        const bool emptyHeader = id == headerField(Header::Vehicule) ||
                                 id == headerField(Header::Annee) ||
                                 id == headerField(Header::Chevaux);
        if (!emptyHeader) field.text.push_back('0');
        field.readOnly = designReadOnly(id);
        byName_.emplace(field.name, id);
        fields_.push_back(std::move(field));
    }
    checked_[navigationItem(kJanuary)] = true;
    panels_ = {std::string{kDatePanelDesign}, std::string{kProfessionalPanelDesign},
               std::string{kPersonalPanelDesign}, ""};
    captions_.fill(std::string{kCaptionCorriger});
}

FieldId FormModel::findField(std::string_view name) const {
    auto it = byName_.find(std::string{name});
    return it == byName_.end() ? -1 : it->second;
}

void FormModel::setText(FieldId id, std::string_view text, Origin origin) {
    Field& field = fields_[id];
    if (field.text == text) return;
    if (undo_) undo_->push_back({id, 0, field.text});
    field.text.assign(text);
    for (FormObserver* o : observers_) o->textChanged(id, origin);
    if (field.onChange) field.onChange();
}

void FormModel::changeReadOnly(FieldId id, bool readOnly) {
    Field& field = fields_[id];
    field.readOnly = readOnly;
    for (FormObserver* o : observers_) o->readOnlyChanged(id);
}

void FormModel::setChangeHandler(FieldId id, std::function<void()> handler) {
    fields_[id].onChange = std::move(handler);
}

MenuId FormModel::findMenuItem(std::string_view name) const {
    auto it = std::find_if(kMenuTable.begin(), kMenuTable.end(),
                           [name](const MenuEntry& entry) { return entry.name == name; });
    return it == kMenuTable.end() ? -1 : static_cast<MenuId>(it - kMenuTable.begin());
}

void FormModel::setChecked(MenuId id, bool checked) {
    if (checked_[id] == checked) return;
    checked_[id] = checked;
    for (FormObserver* o : observers_) o->checkedChanged(id);
}

void FormModel::setPanel(int index, std::string_view text) {
    if (panels_[index] == text) return;
    if (undo_) undo_->push_back({-1, index, panels_[index]});
    panels_[index].assign(text);
    for (FormObserver* o : observers_) o->panelChanged(index);
}

void FormModel::setCorrectionCaption(int month, std::string_view caption) {
    if (captions_[month] == caption) return;
    captions_[month].assign(caption);
    for (FormObserver* o : observers_) o->correctionCaptionChanged(month);
}

void FormModel::undo(const UndoLog& log) {
    for (auto entry = log.rbegin(); entry != log.rend(); ++entry) {
        if (entry->field < 0) {
            panels_[entry->panel] = entry->previous;
            for (FormObserver* o : observers_) o->panelChanged(entry->panel);
        } else {
            fields_[entry->field].text = entry->previous;
            for (FormObserver* o : observers_) o->textChanged(entry->field, Origin::Program);
        }
    }
}

void FormModel::addObserver(FormObserver* observer) { observers_.push_back(observer); }

void FormModel::removeObserver(FormObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

}  // namespace vardo
