#include "app/window/error_guard.h"

#include "controls/message_box.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace vardo::app {

namespace {

ErrorPresenter& presenter() {
    static ErrorPresenter current;
    return current;
}

QPointer<QWidget>& boxParent() {
    static QPointer<QWidget> parent;
    return parent;
}

bool& unattendedFlag() {
    static bool flag = false;
    return flag;
}

void present(const QString& text) {
    if (unattendedFlag()) {
        std::fprintf(stderr, "%s : %s\n", kApplicationTitle, text.toLocal8Bit().constData());
        std::fflush(stderr);
    } else if (presenter())
        presenter()(text);
    else
        showErrorBox(boxParent(), text);
}

}  // namespace

void setErrorPresenter(ErrorPresenter newPresenter) {
    presenter() = std::move(newPresenter);
}
void setErrorBoxParent(QWidget* parent) {
    boxParent() = parent;
}
void setUnattended(bool unattended) {
    unattendedFlag() = unattended;
}
bool unattended() {
    return unattendedFlag();
}

void showError(const std::string& message) {
    present(QString::fromStdString(errorBoxText(message)));
}

void showErrorLater(const std::string& message) {
    const QString text = QString::fromStdString(errorBoxText(message));
    QTimer::singleShot(0, [text] { present(text); });
}

void showErrorBox(QWidget* parent, const QString& text) {
    showMessageBox(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), text, parent);
}

}  // namespace vardo::app
