#pragma once
// The About window: banner, product name, version, copyright line, the etched separator and the
// machine's memory figures, closed by "OK".
#include <QDialog>

class QLabel;
class QPushButton;
namespace vardo {

class SeparatorLine;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // Plays the default sound and fills the two memory lines with figures asked for now.
    explicit AboutWindow(QWidget* parent = nullptr);

    QLabel* banner = nullptr;
    QLabel* physicalMemory = nullptr;
    QLabel* freeResources = nullptr;
    SeparatorLine* darkLine = nullptr;
    SeparatorLine* lightLine = nullptr;
    QLabel* productName = nullptr;
    QLabel* version = nullptr;
    QLabel* copyright = nullptr;
    QPushButton* okButton = nullptr;

    // Sets a label's text and sizes the label to it, as an auto-sized label does.
    static void setLabelText(QLabel* label, const QString& text);

private:
    void showMemoryFigures();
};

}  // namespace vardo
