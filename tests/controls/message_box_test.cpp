// Ctrl+C in one of the program's message boxes puts the whole box on the clipboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "controls/message_box.h"
#include "tests/modal_wait.h"

namespace {

TEST(MessageBox, CtrlCCopiesTitleTextAndButton) {
    QApplication::clipboard()->clear();
    QString copied;
    vardo::testing::whenModalWindow([&](QWidget* box) {
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    vardo::showMessageBox(QMessageBox::Critical, "Vardo 1.0",
                          "'' n'est pas une valeur entière correcte.", nullptr);
    EXPECT_EQ(copied,
              "---------------------------\nVardo 1.0\n---------------------------\n"
              "'' n'est pas une valeur entière correcte.\n---------------------------\nOK\n"
              "---------------------------\n");
}

}  // namespace
