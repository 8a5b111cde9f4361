#pragma once
// The pieces of a one-line text that a screen reader walks: characters, words, sentences and the
// line, each piece as the half-open range [start, end) of offsets. Every offset from 0 to the
// text's length is answered, the end included, in a bounded number of steps.
#include <QAccessible>
#include <QString>

namespace vardo {

struct TextPiece {
    int start = -1;  // -1 when the offset lies outside the text
    int end = -1;
};

// The piece that holds the offset. At the end offset: no character ([length, length)), and for
// the other kinds the last piece, which ends there. An offset of -1 stands for the end.
TextPiece pieceAt(const QString& text, int offset, QAccessible::TextBoundaryType kind);
// The piece just before, and just after, the one that holds the offset; an empty range at the
// text's edge when there is none.
TextPiece pieceBefore(const QString& text, int offset, QAccessible::TextBoundaryType kind);
TextPiece pieceAfter(const QString& text, int offset, QAccessible::TextBoundaryType kind);

}  // namespace vardo
