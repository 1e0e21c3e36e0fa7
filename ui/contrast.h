// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPalette;

namespace Contrast {

// The WCAG 2 contrast ratio of two opaque colours: 1 for equal colours, 21 for black on white.
double ratio(const QColor &a, const QColor &b);

// The caption colour of a web link on a window of the given theme: pure blue where it is
// readable on the window background (a contrast of 4.5:1 by WCAG 2, level AA for ordinary text),
// the theme's own link colour elsewhere, moved towards the theme's window text just as far as it
// takes to be readable.
QColor linkColour(const QPalette &theme);

} // namespace Contrast
