#pragma once
// The About box of the main window: holds the product name, version and copyright line and shows
// them in the About window.
#include <QObject>
#include <QString>

class QWidget;

namespace vardo {

class AboutWindow;

class AboutBox : public QObject {
    Q_OBJECT
public:
    // Starts with the program's own texts: "Vardo", "Version 1.0", "© 2026 Les auteurs de Vardo".
    explicit AboutBox(QObject* owner = nullptr);

    // Each text keeps only its first 100 characters.
    QString productName() const { return productName_; }
    void setProductName(const QString& text);
    QString version() const { return version_; }
    void setVersion(const QString& text);
    QString copyright() const { return copyright_; }
    void setCopyright(const QString& text);

    // Creates the About window, fills it, shows it modally and frees it. When the window can't be
    // created the default sound plays and nothing is shown.
    void exec(QWidget* parent = nullptr);

protected:
    // The window to show; a test may make the creation fail.
    virtual AboutWindow* createWindow(QWidget* parent);

private:
    QString productName_;
    QString version_;
    QString copyright_;
};

// The first 100 characters of a text (a character outside the basic plane counts as one).
QString cutToHundredCharacters(const QString& text);

}  // namespace vardo
