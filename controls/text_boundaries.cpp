#include "controls/text_boundaries.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace vardo {
namespace {

// The offsets where pieces of this kind begin or end, 0 and the length included, ascending.
std::vector<int> cuts(const QString& text, QAccessible::TextBoundaryType kind) {
    const int length = static_cast<int>(text.size());
    std::vector<int> at{0};
    if (kind == QAccessible::CharBoundary || kind == QAccessible::WordBoundary ||
        kind == QAccessible::SentenceBoundary) {
        const auto finderKind = kind == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                                : kind == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                    : QTextBoundaryFinder::Sentence;
        QTextBoundaryFinder finder(finderKind, text);
        // toNextBoundary() returns -1 once past the end: the loop stops there, never spins.
        for (qsizetype next = finder.toNextBoundary(); next > 0 && next < length;
             next = finder.toNextBoundary()) {
            const bool itemEdge = kind != QAccessible::WordBoundary ||
                                  (finder.boundaryReasons() & (QTextBoundaryFinder::StartOfItem |
                                                               QTextBoundaryFinder::EndOfItem));
            if (itemEdge) at.push_back(static_cast<int>(next));
        }
    }
    // Line, paragraph and the whole text: a one-line box is a single piece.
    if (length > 0) at.push_back(length);
    return at;
}

int normalOffset(const QString& text, int offset) {
    return offset == -1 ? static_cast<int>(text.size()) : offset;
}

}  // namespace

TextPiece pieceAt(const QString& text, int offset, QAccessible::TextBoundaryType kind) {
    const int length = static_cast<int>(text.size());
    offset = normalOffset(text, offset);
    if (offset < 0 || offset > length) return {};
    if (length == 0) return {0, 0};
    if (kind == QAccessible::CharBoundary && offset == length) return {length, length};
    const std::vector<int> at = cuts(text, kind);
    // The last cut not after the offset starts the piece; at the end, the piece ending there.
    auto next = std::upper_bound(at.begin(), at.end(), offset);
    if (next == at.end()) --next;
    return {*(next - 1), *next};
}

TextPiece pieceBefore(const QString& text, int offset, QAccessible::TextBoundaryType kind) {
    const TextPiece here = pieceAt(text, offset, kind);
    if (here.start <= 0) return here.start < 0 ? here : TextPiece{0, 0};
    const std::vector<int> at = cuts(text, kind);
    const auto start = std::lower_bound(at.begin(), at.end(), here.start);
    return {*(start - 1), here.start};
}

TextPiece pieceAfter(const QString& text, int offset, QAccessible::TextBoundaryType kind) {
    const int length = static_cast<int>(text.size());
    const TextPiece here = pieceAt(text, offset, kind);
    if (here.start < 0) return here;
    if (here.end >= length) return {length, length};
    // At the end offset a character piece is empty; every other piece ends on a cut.
    const std::vector<int> at = cuts(text, kind);
    const auto end = std::upper_bound(at.begin(), at.end(), here.end);
    return {here.end, *end};
}

}  // namespace vardo
