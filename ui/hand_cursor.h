// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>

// The pointing hand shown over the link labels, hot spot at the fingertip: 32 x 32 pixels, or
// the same drawing at twice the size where the screen has 1.5 device pixels or more to a logical
// pixel, so it matches the size of the system's own cursors there.
QCursor handCursor(qreal devicePixelRatio);
