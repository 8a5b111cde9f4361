#pragma once
// What the "Outils" menu needs of the window it sits in, and nothing more: the menu does not
// know the main window, so the window can own the menu without the two knowing each other.
#include <string>

#include "ledger/naming.h"
#include "ledger/year_derivation.h"

class QString;
class QWidget;

namespace vardo {
class FormModel;
class PrintService;
}  // namespace vardo

namespace vardo::app {

class ToolsHost {
public:
    // The parent of the tools' dialogs.
    virtual QWidget* dialogParent() = 0;
    // The year the tools read.
    virtual const FormModel& year() const = 0;
    // Where the program keeps its files, ending with '/'.
    virtual const std::string& filesFolder() const = 0;
    // Runs the exit of the focused field and recounts the year (Ledger::bringUpToDate), so the
    // figures are current; false when it failed (its error has been shown).
    virtual bool leaveFocusedField() = 0;
    // The program's one print path.
    virtual PrintService& printService() = 0;
    // Shows a month's page (0-based) and puts the focus in one of its fields when it is shown.
    virtual void showField(int month, FieldId field) = 0;
    // The derivation of the year's readings as they stand (after leaveFocusedField, the
    // focused box counted as left): the figures every tool reads. Throws Error.
    virtual DerivedYear figures() const = 0;
    // The year whose days the ledger counts (ledger/calendar.h).
    virtual int calendarYear() const = 0;
    // The information box ("Information", one "OK" button).
    virtual void inform(const QString& text) = 0;
    // Puts the journal's waiting entries and then the year on disk, so that a fingerprint
    // handed out is one the disk holds and a check reads the year as it stands; throws Error.
    virtual void saveNow() = 0;

protected:
    ~ToolsHost() = default;
};

}  // namespace vardo::app
