#pragma once
// The help window: the contents on the left, the page on the right, with back, forward and
// contents buttons. It belongs to no window of the program and is never modal.
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace vardo {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    void showTopic(const QUrl& page);
    QUrl currentTopic() const;
    QTextBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }

private:
    void selectContentsEntry(const QUrl& page);

    QTreeWidget* contents_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace vardo
