#pragma once
// One-line edit box behind every figure and header field: aligned text, a colour and a font for
// the focused state and another pair for the unfocused state, Return refused with a beep, Up and
// Down moving the caret like Left and Right, the whole text selected on keyboard entry, and a
// text of exactly "0" selected by a click too, so that typing replaces it.
#include <QColor>
#include <QFont>
#include <QLineEdit>

namespace vardo {

class AlignedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit AlignedEdit(QWidget* parent = nullptr);
    // With its first text: cheaper than a text set afterwards, for the window's 888 boxes.
    AlignedEdit(const QString& text, QWidget* parent);

    // A write by the program: while the box does not have the focus, a text wider than the box
    // shows its beginning, not its end.
    void writeText(const QString& text);

    // Horizontal part of the alignment: Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment horizontalAlignment() const { return alignment() & Qt::AlignHorizontal_Mask; }
    void setAlignmentMode(Qt::Alignment horizontal);

    QColor colorOnFocus() const { return colorOnFocus_; }
    void setColorOnFocus(const QColor& color);
    QColor colorOnNoFocus() const { return colorOnNoFocus_; }
    void setColorOnNoFocus(const QColor& color);

    // A font goes with its text colour, as a font of the window description does.
    QFont fontOnFocus() const { return fontOnFocus_; }
    QColor fontColorOnFocus() const { return textOnFocus_; }
    void setFontOnFocus(const QFont& font, const QColor& textColor);
    QFont fontOnNoFocus() const { return fontOnNoFocus_; }
    QColor fontColorOnNoFocus() const { return textOnNoFocus_; }
    void setFontOnNoFocus(const QFont& font, const QColor& textColor);

    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }
    // Whether the box shows its focused look (entered by the keyboard or a click, not yet left).
    bool focusLook() const { return focused_; }

    // A box whose text cannot be right shows it in red, focused or not, with the reason as its
    // tool tip; an empty reason takes the flag away. Typing and the box's size are untouched.
    void setFlag(const QString& reason);
    // The box's name, its tool tip while no flag's reason replaces it.
    void setNameTip(const QString& name);
    bool flagged() const { return !flag_.isEmpty(); }

signals:
    // Return was refused (a beep sounds); lets tests and the window observe it.
    void returnRefused();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void applyLook(bool focused);
    void showBeginning();

    QColor colorOnFocus_;
    QColor colorOnNoFocus_;
    QFont fontOnFocus_;
    QFont fontOnNoFocus_;
    QColor textOnFocus_;
    QColor textOnNoFocus_;
    bool autoSelect_ = true;
    bool focused_ = false;
    bool selectZeroOnClick_ = false;  // a click gave the focus to a box holding "0"
    QString flag_;
    QString nameTip_;
};

}  // namespace vardo
