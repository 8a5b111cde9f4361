#include "app/window/page_control.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStackedWidget>
#include <QStyleFactory>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include "app/window/page_tab_bar.h"

namespace vardo::app {

namespace {

// Tabs with less room around their captions, so that the thirteen fit the control's width.
class CompactTabStyle : public QProxyStyle {
public:
    CompactTabStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new PageTabBar(this)), stack_(new QStackedWidget(this)) {
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(tabs_);
    tabs_->setStyle(tabStyle);
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    connect(tabs_, &QTabBar::currentChanged, this, &PageControl::switchTo);
    connect(tabs_, &PageTabBar::entered, this, [this] { emit pageEntered(currentIndex()); });
}

QTabBar* PageControl::tabBar() const {
    return tabs_;
}

bool PageControl::walkingTabs() const {
    return tabs_->walking();
}

void PageControl::turn(int step) {
    tabs_->moveTo(((currentIndex() + step) % count() + count()) % count());
}

QWidget* PageControl::addPage(const QString& caption) {
    auto* page = new QWidget;
    page->setAccessibleName(caption);  // a screen reader names the page as its tab
    stack_->addWidget(page);
    const QSignalBlocker blocker(tabs_);
    tabs_->addTab(caption);
    tabs_->adjustSize();
    return page;
}

int PageControl::count() const {
    return stack_->count();
}
int PageControl::currentIndex() const {
    return tabs_->currentIndex();
}
QWidget* PageControl::page(int index) const {
    return stack_->widget(index);
}

QRect PageControl::pageRect() const {
    const int top = tabs_->sizeHint().height();
    return QRect(4, top + 2, width() - 8, height() - top - 6);
}

void PageControl::setCurrentIndex(int index) {
    tabs_->setCurrentIndex(index);
}

void PageControl::switchTo(int index) {
    QWidget* old = stack_->currentWidget();
    QWidget* focus = QApplication::focusWidget();
    // Leaving the page: the focus goes to the tabs first, so its field runs its exit handler
    // before the new page shows, and the new page does not get the focus by the stack's choice.
    if (old && focus && old->isAncestorOf(focus)) tabs_->setFocus(Qt::OtherFocusReason);
    stack_->setCurrentIndex(index);
    emit pageShown(index);
}

void PageControl::resizeEvent(QResizeEvent*) {
    tabs_->move(2, 0);
    tabs_->resize(tabs_->sizeHint().width(), tabs_->sizeHint().height());
    stack_->setGeometry(pageRect());
}

void PageControl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, tabs_->sizeHint().height() - 1, width(),
                       height() - tabs_->sizeHint().height() + 1);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = tabs_->sizeHint();
    frame.tabBarRect = tabs_->geometry();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace vardo::app
