#pragma once
// The form model: every named field (text, read-only state) and menu item (checked state) of the
// main window, in creation order, plus the status bar panels and the correction-button captions.
// A program write of a different text runs the field's change handler
// synchronously, inside the write; an exception from the handler leaves the write (which stands).
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ledger/messages.h"
#include "ledger/naming.h"

namespace vardo {

// Who made a text write: the program, or the user typing into the widget. Both fire handlers;
// a view uses the origin to avoid echoing the user's own keystrokes back into the widget.
enum class Origin { Program, Typing };

class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void textChanged(FieldId, Origin) {}
    virtual void readOnlyChanged(FieldId) {}
    virtual void checkedChanged(MenuId) {}
    virtual void panelChanged(int /*panel 0..3*/) {}
    virtual void correctionCaptionChanged(int /*month*/) {}
};

class FormModel {
public:
    FormModel();  // every field, item, panel and caption with its design value
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    // Fields, in creation order.
    int fieldCount() const { return kFieldCount; }
    FieldId findField(std::string_view name) const;  // -1 when no field has that name
    const std::string& name(FieldId id) const { return fields_[id].name; }
    const std::string& text(FieldId id) const { return fields_[id].text; }
    bool readOnly(FieldId id) const { return fields_[id].readOnly; }
    bool isZero(FieldId id) const {
        const std::string& t = fields_[id].text;
        return t.size() == 1 && t[0] == '0';
    }

    // Writes a text; when it differs, observers learn of it and then the change handler runs.
    void setText(FieldId id, std::string_view text, Origin origin = Origin::Program);
    void setReadOnly(FieldId id, bool readOnly) {
        if (fields_[id].readOnly != readOnly) changeReadOnly(id, readOnly);
    }
    void setChangeHandler(FieldId id, std::function<void()> handler);

    // Menu items, in creation order.
    int menuCount() const { return kMenuCount; }
    MenuId findMenuItem(std::string_view name) const;  // -1 when unknown
    std::string_view menuName(MenuId id) const { return kMenuTable[id].name; }
    bool checked(MenuId id) const { return checked_[id]; }
    void setChecked(MenuId id, bool checked);

    // Status bar panels 0..3 (panel 1 of the window is index 0).
    const std::string& panel(int index) const { return panels_[index]; }
    void setPanel(int index, std::string_view text);

    // Caption of each month's correction button: "&Corriger" or "&Protéger".
    const std::string& correctionCaption(int month) const { return captions_[month]; }
    void setCorrectionCaption(int month, std::string_view caption);

    // What an update changed, to put back when it fails half-way: while a log is being kept,
    // every text and panel write records the value it replaces.
    struct UndoEntry {
        FieldId field;  // -1 for a status panel
        int panel;
        std::string previous;
    };
    using UndoLog = std::vector<UndoEntry>;
    void keepUndoLog(UndoLog* log) { undo_ = log; }
    // Puts the logged values back, latest first, without running change handlers; observers
    // learn of each.
    void undo(const UndoLog& log);

    void addObserver(FormObserver* observer);
    void removeObserver(FormObserver* observer);

private:
    void changeReadOnly(FieldId id, bool readOnly);

    struct Field {
        std::string name;
        std::string text;
        bool readOnly = false;
        std::function<void()> onChange;
    };
    std::vector<Field> fields_;
    std::unordered_map<std::string, FieldId> byName_;
    std::array<bool, kMenuCount> checked_{};
    std::array<std::string, kStatusPanels> panels_;
    std::array<std::string, kMonths> captions_;
    std::vector<FormObserver*> observers_;
    UndoLog* undo_ = nullptr;
};


// Design read-only state: month balance fields KMFin..CoPerso and every "Bilan" field.
bool designReadOnly(FieldId id);

}  // namespace vardo
