#pragma once
// The row of tabs, walked from the keyboard without leaving it: the arrow keys (and Home, End)
// change the page and keep the focus here, so a screen reader user hears each page's name; Tab
// or Entrée asks to go into the page shown.
#include <QTabBar>

namespace vardo::app {

class PageTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit PageTabBar(QWidget* parent = nullptr);

    // True while a key pressed on the tabs changes the page.
    bool walking() const { return walking_; }
    // Changes the page as a walk along the tabs when they have the focus, as a command otherwise.
    void moveTo(int index);

signals:
    void entered();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool walking_ = false;
};

}  // namespace vardo::app
