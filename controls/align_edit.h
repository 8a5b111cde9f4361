#pragma once
// One-line edit box behind every figure and header field: aligned text, a colour and a font for
// the focused state and another pair for the unfocused state, Return refused with a beep, Up and
// Down moving the caret like Left and Right, the whole text selected on keyboard entry, and a
// text of exactly "0" selected by a click too, so that typing replaces it.
#include <QColor>
#include <QFont>
#include <QLineEdit>

class TAlignEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TAlignEdit(QWidget* parent = nullptr);
    // With its first text: cheaper than a text set afterwards, for the window's 888 boxes.
    TAlignEdit(const QString& text, QWidget* parent);

    // A write by the program: while the box does not have the focus, a text wider than the box
    // shows its beginning, not its end.
    void writeText(const QString& text);

    // Horizontal part of the alignment: Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment() & Qt::AlignHorizontal_Mask; }
    void setAlignmentMode(Qt::Alignment horizontal);

    QColor ColorOnFocus() const { return colorOnFocus_; }
    void setColorOnFocus(const QColor& color);
    QColor ColorOnNoFocus() const { return colorOnNoFocus_; }
    void setColorOnNoFocus(const QColor& color);

    // A font goes with its text colour, as a font of the window description does.
    QFont FontOnFocus() const { return fontOnFocus_; }
    QColor FontColorOnFocus() const { return textOnFocus_; }
    void setFontOnFocus(const QFont& font, const QColor& textColor);
    QFont FontOnNoFocus() const { return fontOnNoFocus_; }
    QColor FontColorOnNoFocus() const { return textOnNoFocus_; }
    void setFontOnNoFocus(const QFont& font, const QColor& textColor);

    bool AutoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }
    bool Focused() const { return focused_; }

    // Optional modes; the main window uses none of them.
    bool ExitOnReturn() const { return exitOnReturn_; }
    void setExitOnReturn(bool on);
    bool MultiLine() const { return multiLine_; }
    void setMultiLine(bool on);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);

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
    bool exitOnReturn_ = false;
    bool multiLine_ = false;
    bool wordWrap_ = false;
    bool selectZeroOnClick_ = false;  // a click gave the focus to a box holding "0"
};
