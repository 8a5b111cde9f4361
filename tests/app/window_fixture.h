#pragma once
// A real main window on the offscreen platform, in a folder of its own, with a fixed date,
// French regional settings, and every box and dialog replaced by a recorder.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/cli/application.h"
#include "app/window/error_guard.h"
#include "app/window/main_window.h"
#include "app/window/page_control.h"
#include "app/cli/signal_closer.h"
#include "app/window/status_bar.h"
#include "controls/align_edit.h"

namespace vardo::app::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool fontSet = [] {
            QApplication::setFont(windowFont());
            return true;
        }();
        (void)fontSet;
        ASSERT_TRUE(dir.isValid());
        setErrorPresenter([this](const QString& text) { errors.push_back(text); });
    }
    void TearDown() override {
        window.reset();
        setErrorPresenter({});
        setUnattended(false);
    }

    std::string folder() const { return dir.path().toStdString() + "/"; }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString& name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    MainWindow& open(bool start = true) {
        WindowSetup setup;
        setup.filesFolder = folder();
        setup.programPath = folder() + "vardo";
        setup.locale = QLocale(QLocale::French, QLocale::France);
        setup.today = [this] { return today; };
        setup.information = [this](QWidget*, const QString& text) { infos.push_back(text); };
        setup.saveFileName = [this](QWidget*) { return saveAsName; };
        setup.question = [this](QWidget*, const QString& text) {
            questions.push_back(text);
            return answer;
        };
        // The print commands run their whole path up to the dialog, which records the report
        // the command left in the buffer and is cancelled.
        setup.printPlatform = PrintService::Platform{
            [] { return true; },
            [] { return std::make_unique<QPrinter>(QPrinter::HighResolution); },
            [this](QPrinter&, QWidget*) {
                printed.push_back(window->printService().documentLines());
                return false;
            },
            {}};
        window = std::make_unique<MainWindow>(setup);
        if (start) {
            window->start();
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        return *window;
    }

    AlignedEdit* edit(const char* name) const { return window->field(std::string_view(name)); }
    QString text(const char* name) const { return edit(name)->text(); }
    std::string model(const char* name) const {
        return window->form().text(window->form().findField(name));
    }
    bool readOnly(const char* name) const { return edit(name)->isReadOnly(); }
    QWidget* focus() const { return QApplication::focusWidget(); }

    // Types into the focused field (replacing its selected text), then presses Tab.
    void typeAndTab(const QString& typed) {
        QWidget* target = focus();
        ASSERT_NE(target, nullptr);
        QTest::keyClicks(target, typed);
        QTest::keyClick(target, Qt::Key_Tab);
    }
    // January's initial reading and first morning typed, then the evening typed with the focus
    // left in it (its exit handler not run yet).
    void typeFirstDay(const QString& kmIn, const QString& morning, const QString& evening) {
        edit("JanvKMIn")->setFocus(Qt::TabFocusReason);
        typeAndTab(kmIn);
        typeAndTab(morning);
        QTest::keyClicks(focus(), evening);
    }
    void settle() { QCoreApplication::processEvents(); }

    bool checked(const char* item) const { return window->menuItem(item)->isChecked(); }
    int checkedNavigationItems() const {
        int count = 0;
        for (int page = 0; page < kPages; ++page)
            count += window->form().checked(navigationItem(page)) ? 1 : 0;
        return count;
    }

    QTemporaryDir dir;
    QDate today{2026, 12, 9};
    QString saveAsName;
    bool answer = true;  // to every question
    std::vector<QString> questions;
    std::vector<QString> errors;
    std::vector<QString> infos;
    std::vector<std::vector<std::string>> printed;
    std::unique_ptr<MainWindow> window;
};

}  // namespace vardo::app::testing
