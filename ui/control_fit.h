// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

// How much room a control's text needs and how much its current geometry gives it, as the
// widget's style lays it out. Labels, line edits, drop-down lists and push buttons are known.
namespace ControlFit {

// The single-line size of the control's text; for a list, of its widest entry.
QSize textSize(const QWidget *control);

// The part of the control where the style draws that text.
QSize textArea(const QWidget *control);

} // namespace ControlFit
