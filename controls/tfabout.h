#pragma once
// The About window: banner, product name, version, copyright line, the etched separator and the
// machine's memory figures, closed by "OK".
#include <QDialog>

class QLabel;
class QPushButton;
class TLine;

class TFAbout : public QDialog {
    Q_OBJECT
public:
    // Plays the default sound and fills the two memory lines with figures asked for now.
    explicit TFAbout(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* lblPhysMem = nullptr;
    QLabel* lblPhysRes = nullptr;
    TLine* Line1 = nullptr;
    TLine* Line2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;

    // Sets a label's text and sizes the label to it, as an auto-sized label does.
    static void setLabelText(QLabel* label, const QString& text);

private slots:
    void Button1Click();

private:
    void FormCreate();
};
