// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QString>

// The character, word, sentence or line a screen reader asks for before, at or after an offset
// of a single-line text, as QAccessibleTextInterface means them; empty, at -1, when there is
// none. Every answer comes at once, whatever the offset. At the end of the text the item at the
// offset is the last one, as GTK answers; no character is there.
namespace TextBoundaries {

enum class Side { Before, At, After };

// The part of a text of this length between two offsets of a screen reader's choosing, kept
// inside the text, so that neither end nor their distance is ever outside it. Empty when the
// start comes after the end.
struct Range
{
    int start;
    int length;
};
Range range(int startOffset, int endOffset, int textLength);

// An offset of -1 stands for the end of the text, -2 for the caret.
QString item(const QString &text, int caret, int offset, Side side,
             QAccessible::TextBoundaryType type, int *startOffset, int *endOffset);

} // namespace TextBoundaries
