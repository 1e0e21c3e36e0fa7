// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_boundaries.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// The offsets where items of one kind meet, 0 and the length included: between two neighbours
// lies a word, a run of spaces or punctuation, a sentence or a character.
QList<int> itemBoundaries(const QString &text, QTextBoundaryFinder::BoundaryType type)
{
    constexpr QTextBoundaryFinder::BoundaryReasons itemEdge =
        QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
    QList<int> boundaries{0};
    QTextBoundaryFinder finder(type, text);
    // Every step moves forward, and past the end the finder answers -1.
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        if (at == text.size() || (finder.boundaryReasons() & itemEdge))
            boundaries.append(int(at));
    }
    return boundaries;
}

} // namespace

namespace TextBoundaries {

QString item(const QString &text, int caret, int offset, Side side,
             QAccessible::TextBoundaryType type, int *startOffset, int *endOffset)
{
    *startOffset = *endOffset = -1;
    const int length = int(text.size());
    if (offset == -1)
        offset = length;
    else if (offset == -2)
        offset = caret;
    if (text.isEmpty() || offset < 0 || offset > length)
        return QString();

    QTextBoundaryFinder::BoundaryType finderType = QTextBoundaryFinder::Grapheme;
    switch (type) {
    case QAccessible::CharBoundary:
        if (side == Side::At && offset == length)
            return QString();
        break;
    case QAccessible::WordBoundary:
        finderType = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        finderType = QTextBoundaryFinder::Sentence;
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::NoBoundary:
        if (side != Side::At)
            return QString();
        *startOffset = 0;
        *endOffset = length;
        return text;
    }

    const QList<int> boundaries = itemBoundaries(text, finderType);
    const auto next = std::upper_bound(boundaries.cbegin(), boundaries.cend(), offset);
    const auto last = boundaries.cend() - 1;
    int start = 0;
    int end = 0;
    switch (side) {
    case Side::Before:
        if (next - 1 == boundaries.cbegin())
            return QString();
        start = *(next - 2);
        end = *(next - 1);
        break;
    case Side::At:
        start = next == boundaries.cend() ? *(last - 1) : *(next - 1);
        end = next == boundaries.cend() ? length : *next;
        break;
    case Side::After:
        if (next == boundaries.cend() || next == last)
            return QString();
        start = *next;
        end = *(next + 1);
        break;
    }
    *startOffset = start;
    *endOffset = end;
    return text.mid(start, end - start);
}

Range range(int startOffset, int endOffset, int textLength)
{
    const int start = std::clamp(startOffset, 0, textLength);
    const int end = std::clamp(endOffset, 0, textLength);
    return {start, std::max(end - start, 0)};
}

} // namespace TextBoundaries
