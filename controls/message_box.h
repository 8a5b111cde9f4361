#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace vardo {

// The program's message boxes: one "OK" button and, as users of the program have always been
// able to, Ctrl+C copies the whole box (title, text, button) as plain text to the clipboard.
void showMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                    QWidget* parent);

// A question with the buttons "Oui" and "Non", "Non" being the default (and the Escape key):
// true for "Oui".
bool askYesNo(const QString& title, const QString& text, QWidget* parent);

// The clipboard text of a box, in the layout of the system boxes it imitates.
QString messageBoxClipboardText(const QString& title, const QString& text, const QString& button);

}  // namespace vardo
