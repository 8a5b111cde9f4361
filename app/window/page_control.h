#pragma once
// The page control: a row of tabs over a stack of pages. A page change first takes the focus off
// the page being left (so the field that had it runs its exit handler), then shows the new page
// and reports it, so the page's show handler can place the focus itself.
#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace vardo::app {

class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    // Adds a page of the given client size; returns the page to fill.
    QWidget* addPage(const QString& caption);
    int count() const;
    int currentIndex() const;
    QWidget* page(int index) const;
    QTabBar* tabBar() const { return tabs_; }
    // The page area inside the frame, in this widget's coordinates.
    QRect pageRect() const;

public slots:
    // Does nothing when the page is already the current one.
    void setCurrentIndex(int index);

signals:
    void pageShown(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void switchTo(int index);

    QTabBar* tabs_;
    QStackedWidget* stack_;
};

}  // namespace vardo::app
