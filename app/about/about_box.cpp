#include "app/about/about_box.h"

#include <QLabel>
#include <memory>

#include "controls/system_sound.h"
#include "app/about/about_window.h"

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

TAboutBox::TAboutBox(QObject* owner) : QObject(owner) {
    setObjectName(QStringLiteral("AboutBox1"));
    setProductName(QStringLiteral("Vardo"));
    setVersion(QStringLiteral("Version 1.0"));
    setCopyright(QStringLiteral("© 2026 Les auteurs de Vardo"));
}

void TAboutBox::setProductName(const QString& text) {
    productName_ = cutToHundredCharacters(text);
}
void TAboutBox::setVersion(const QString& text) {
    version_ = cutToHundredCharacters(text);
}
void TAboutBox::setCopyright(const QString& text) {
    copyright_ = cutToHundredCharacters(text);
}

AboutWindow* TAboutBox::createWindow(QWidget* parent) {
    return new AboutWindow(parent);
}

void TAboutBox::Execute(QWidget* parent) {
    std::unique_ptr<AboutWindow> window;
    try {
        window.reset(createWindow(parent));
    } catch (const std::exception&) {
        window.reset();
    }
    if (!window) {
        vardo::playDefaultSound();
        return;
    }
    AboutWindow::setLabelText(window->productName, productName_);
    AboutWindow::setLabelText(window->version, version_);
    AboutWindow::setLabelText(window->copyright, copyright_);
    window->exec();
}
