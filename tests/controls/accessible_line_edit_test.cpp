// The line edit's own accessibility interface: every boundary at every offset, the end included,
// answers at once and agrees with the text; one attribute run covers the whole text.
#include "controls/accessible_line_edit.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QRandomGenerator>

#include <memory>

namespace vardo {
namespace {

struct Answer {
    QString text;
    int start;
    int end;
};

class AccessibleLineEditTest : public ::testing::Test {
protected:
    void SetUp() override { installLineEditAccessibility(); }

    QAccessibleTextInterface* textOf(QLineEdit& edit) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&edit);
        EXPECT_NE(face, nullptr);
        EXPECT_NE(dynamic_cast<AccessibleLineEdit*>(face), nullptr) << "Qt's own interface answered";
        return face ? face->textInterface() : nullptr;
    }

    static Answer at(QAccessibleTextInterface* face, int offset, QAccessible::TextBoundaryType kind) {
        Answer a;
        a.text = face->textAtOffset(offset, kind, &a.start, &a.end);
        return a;
    }
    static Answer before(QAccessibleTextInterface* face, int offset, QAccessible::TextBoundaryType kind) {
        Answer a;
        a.text = face->textBeforeOffset(offset, kind, &a.start, &a.end);
        return a;
    }
    static Answer after(QAccessibleTextInterface* face, int offset, QAccessible::TextBoundaryType kind) {
        Answer a;
        a.text = face->textAfterOffset(offset, kind, &a.start, &a.end);
        return a;
    }
};

constexpr QAccessible::TextBoundaryType kKinds[] = {
    QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
    QAccessible::LineBoundary, QAccessible::ParagraphBoundary, QAccessible::NoBoundary};

TEST_F(AccessibleLineEditTest, AnswersEachBoundaryAtStartMiddleAndEnd) {
    struct Row {
        const char* name;
        QString text;
        int offset;
        QAccessible::TextBoundaryType kind;
        QString at;
        int start;
        int end;
    } rows[] = {
        {"first digit", "10200", 0, QAccessible::CharBoundary, "1", 0, 1},
        {"middle digit", "10200", 2, QAccessible::CharBoundary, "2", 2, 3},
        {"no character after the last", "10200", 5, QAccessible::CharBoundary, "", 5, 5},
        {"the figure is one word from its start", "10200", 0, QAccessible::WordBoundary, "10200", 0, 5},
        {"the word at the end offset is the last word", "10200", 5, QAccessible::WordBoundary, "10200", 0, 5},
        {"the line at the end offset, no digit lost", "10200", 5, QAccessible::LineBoundary, "10200", 0, 5},
        {"the sentence at the end offset", "10200", 5, QAccessible::SentenceBoundary, "10200", 0, 5},
        {"a coefficient's decimal comma", "0,123", 5, QAccessible::LineBoundary, "0,123", 0, 5},
        {"first word of two", "Peugeot 206", 3, QAccessible::WordBoundary, "Peugeot", 0, 7},
        {"last word of two at the end", "Peugeot 206", 11, QAccessible::WordBoundary, "206", 8, 11},
        {"the space between", "Peugeot 206", 7, QAccessible::WordBoundary, " ", 7, 8},
        {"two sentences, the second at the end", "Un. Deux.", 9, QAccessible::SentenceBoundary, "Deux.", 4, 9},
        {"-1 stands for the end", "10200", -1, QAccessible::WordBoundary, "10200", 0, 5},
        {"an empty box", "", 0, QAccessible::WordBoundary, "", 0, 0},
        {"past the end", "10200", 6, QAccessible::WordBoundary, "", -1, -1},
    };
    for (const Row& row : rows) {
        QLineEdit edit(row.text);
        QAccessibleTextInterface* face = textOf(edit);
        ASSERT_NE(face, nullptr);
        const Answer a = at(face, row.offset, row.kind);
        EXPECT_EQ(a.text, row.at) << row.name;
        EXPECT_EQ(a.start, row.start) << row.name;
        EXPECT_EQ(a.end, row.end) << row.name;
    }
}

TEST_F(AccessibleLineEditTest, WalksWordsBackAndForthFromTheEnd) {
    QLineEdit edit(QStringLiteral("Peugeot 206"));
    QAccessibleTextInterface* face = textOf(edit);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(before(face, 11, QAccessible::WordBoundary).text, " ");
    EXPECT_EQ(before(face, 8, QAccessible::WordBoundary).text, " ");
    EXPECT_EQ(before(face, 7, QAccessible::WordBoundary).text, "Peugeot");
    EXPECT_EQ(before(face, 0, QAccessible::WordBoundary).text, "");
    EXPECT_EQ(after(face, 0, QAccessible::WordBoundary).text, " ");
    EXPECT_EQ(after(face, 8, QAccessible::WordBoundary).text, "");
    const Answer last = after(face, 11, QAccessible::WordBoundary);
    EXPECT_EQ(last.text, "");
    EXPECT_EQ(last.start, 11);
    EXPECT_EQ(before(face, 11, QAccessible::CharBoundary).text, "6") << "the character before the end";
    EXPECT_EQ(after(face, 10, QAccessible::CharBoundary).text, "") << "nothing after the last";
}

// Every offset of every kind: the piece is the text between its offsets, holds the offset, and
// the pieces before and after touch it. Texts drawn at random from digits, letters, spaces and
// punctuation.
TEST_F(AccessibleLineEditTest, EveryOffsetOfRandomTextsAgreesWithTheText) {
    const QString alphabet = QStringLiteral("0123456789 ,.;:!?aéZ'-\t");
    QRandomGenerator random(23);
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int length = static_cast<int>(random.bounded(12));
        for (int i = 0; i < length; ++i) text += alphabet.at(random.bounded(alphabet.size()));
        QLineEdit edit(text);
        QAccessibleTextInterface* face = textOf(edit);
        ASSERT_NE(face, nullptr);
        ASSERT_EQ(face->characterCount(), length);
        for (QAccessible::TextBoundaryType kind : kKinds) {
            for (int offset = 0; offset <= length; ++offset) {
                const Answer a = at(face, offset, kind);
                const QString where = QStringLiteral("'%1' offset %2 kind %3").arg(text).arg(offset).arg(kind);
                ASSERT_EQ(a.text, text.mid(a.start, a.end - a.start)) << where.toStdString();
                ASSERT_LE(a.start, offset) << where.toStdString();
                ASSERT_LE(offset, a.end) << where.toStdString();
                if (offset < length) {
                    ASSERT_LT(offset, a.end) << where.toStdString();
                }
                const Answer b = before(face, offset, kind);
                ASSERT_EQ(b.text, text.mid(b.start, b.end - b.start)) << where.toStdString();
                if (!b.text.isEmpty()) {
                    ASSERT_EQ(b.end, a.start) << where.toStdString();
                }
                const Answer n = after(face, offset, kind);
                ASSERT_EQ(n.text, text.mid(n.start, n.end - n.start)) << where.toStdString();
                if (!n.text.isEmpty()) {
                    ASSERT_EQ(n.start, a.end) << where.toStdString();
                }
            }
        }
    }
}

TEST_F(AccessibleLineEditTest, OneAttributeRunCoversTheWholeText) {
    QLineEdit edit(QStringLiteral("10200"));
    QAccessibleTextInterface* face = textOf(edit);
    ASSERT_NE(face, nullptr);
    for (int offset : {0, 2, 4, 5, -1}) {
        int start = -2;
        int end = -2;
        const QString attributes = face->attributes(offset, &start, &end);
        EXPECT_EQ(start, 0) << offset;
        EXPECT_EQ(end, 5) << offset;
        EXPECT_TRUE(attributes.contains(QStringLiteral("font-family:"))) << offset;
    }
    EXPECT_EQ(face->text(0, -1), "10200") << "the whole text, last digit included";
    EXPECT_EQ(face->text(0, face->characterCount()), "10200");
}

TEST_F(AccessibleLineEditTest, ExposesTheReadOnlyStateTheValueAndTheSelection) {
    QLineEdit edit(QStringLiteral("4500"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&edit);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::EditableText);
    EXPECT_EQ(face->text(QAccessible::Value), "4500");
    EXPECT_FALSE(face->state().readOnly);
    EXPECT_TRUE(face->state().editable);
    edit.setReadOnly(true);
    EXPECT_TRUE(face->state().readOnly);
    EXPECT_FALSE(face->state().editable);
    face->setText(QAccessible::Value, QStringLiteral("1"));
    EXPECT_EQ(edit.text(), "4500") << "a locked box is not written through the interface";
    face->textInterface()->setSelection(0, 1, 3);
    int start = 0;
    int end = 0;
    face->textInterface()->selection(0, &start, &end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(face->textInterface()->selectionCount(), 1);
}

}  // namespace
}  // namespace vardo
