#pragma once
// The page control: a row of tabs over a stack of pages. A page change first takes the focus off
// the page being left (so the field that had it runs its exit handler), then shows the new page
// and reports it, so the page's show handler can place the focus itself.
// From the keyboard: the arrow keys walk the tabs and leave the focus on them, Tab or Entrée
// enters the page shown, Ctrl+Page Down and Ctrl+Page Up turn the pages from anywhere.
#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace vardo::app {

class PageTabBar;

class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    // Adds a page of the given client size; returns the page to fill.
    QWidget* addPage(const QString& caption);
    int count() const;
    int currentIndex() const;
    QWidget* page(int index) const;
    QTabBar* tabBar() const;
    // The page area inside the frame, in this widget's coordinates.
    QRect pageRect() const;
    // True while a page change comes from a walk along the tabs: the focus stays on the tabs.
    bool walkingTabs() const;

public slots:
    // Does nothing when the page is already the current one.
    void setCurrentIndex(int index);
    // The next page (+1) or the previous one (-1), the first following the last and back.
    void turn(int step);

signals:
    void pageShown(int index);
    // Tab or Entrée on the tabs: the user goes into the page shown.
    void pageEntered(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void switchTo(int index);

    PageTabBar* tabs_;
    QStackedWidget* stack_;
};

}  // namespace vardo::app
