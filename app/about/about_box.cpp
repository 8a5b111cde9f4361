#include "app/about/about_box.h"

#include <QLabel>
#include <memory>

#include "controls/system_sound.h"
#include "app/about/about_window.h"
#include "ledger/version.h"

namespace vardo {

QString cutToHundredCharacters(const QString& text) {
    constexpr int kLimit = 100;
    int characters = 0;
    qsizetype end = 0;
    while (end < text.size() && characters < kLimit) {
        end += (text[end].isHighSurrogate() && end + 1 < text.size()) ? 2 : 1;
        ++characters;
    }
    return text.left(end);
}

AboutBox::AboutBox(QObject* owner) : QObject(owner) {
    setProductName(QStringLiteral("Vardo"));
    setVersion(QStringLiteral("Version ") + QString::fromUtf8(kVersion));
    setCopyright(QStringLiteral("© 2026 Les auteurs de Vardo"));
}

void AboutBox::setProductName(const QString& text) {
    productName_ = cutToHundredCharacters(text);
}
void AboutBox::setVersion(const QString& text) {
    version_ = cutToHundredCharacters(text);
}
void AboutBox::setCopyright(const QString& text) {
    copyright_ = cutToHundredCharacters(text);
}

AboutWindow* AboutBox::createWindow(QWidget* parent) {
    return new AboutWindow(parent);
}

void AboutBox::exec(QWidget* parent) {
    std::unique_ptr<AboutWindow> window;
    try {
        window.reset(createWindow(parent));
    } catch (const std::exception&) {
        window.reset();
    }
    if (!window) {
        playDefaultSound();
        return;
    }
    AboutWindow::setLabelText(window->productName, productName_);
    AboutWindow::setLabelText(window->version, version_);
    AboutWindow::setLabelText(window->copyright, copyright_);
    window->exec();
}

}  // namespace vardo
