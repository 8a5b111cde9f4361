#include "controls/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>

namespace vardo {

namespace {

const QString kRule = QStringLiteral("---------------------------\n");

class CopyableMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            const QString button = buttons().isEmpty() ? QString() : buttons().first()->text();
            QApplication::clipboard()->setText(
                messageBoxClipboardText(windowTitle(), text(), QString(button).remove('&')));
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

}  // namespace

QString messageBoxClipboardText(const QString& title, const QString& text, const QString& button) {
    return kRule + title + '\n' + kRule + text + '\n' + kRule + button + '\n' + kRule;
}

void showMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                    QWidget* parent) {
    CopyableMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool askYesNo(const QString& title, const QString& text, QWidget* parent) {
    CopyableMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace vardo
