#pragma once
// The key filter shared by the 747 figure fields: a typed digit or Backspace passes, any other
// character is refused, control characters (the clipboard shortcuts) included. Keys that type
// nothing (arrows, Delete, Home, End, Tab, Return) pass. Text that arrives without a key press
// is typed text too: an input method's composed characters keep only their digits, and dropped
// text goes in only when it is all digits. A paste (context menu, middle click) is not filtered.
// Fields with a length limit refuse a digit that would pass it.
#include <QHash>
#include <QObject>

class QLineEdit;

namespace vardo::app {

class DigitKeyFilter : public QObject {
    Q_OBJECT
public:
    explicit DigitKeyFilter(QObject* parent = nullptr) : QObject(parent) {}

    // maxLength 0: no limit.
    void attach(QLineEdit* edit, int maxLength = 0);
    int maxLength(const QObject* edit) const { return limits_.value(edit, 0); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<const QObject*, int> limits_;
};

// True when the key event reaches the field: the rule above, without the length limit.
bool digitKeyPasses(int key, const QString& text);
// True when every character is a digit "0" to "9" (the empty text included).
bool onlyDigits(const QString& text);

}  // namespace vardo::app
