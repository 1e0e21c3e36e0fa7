// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MessageBoxes;

// The About box: product, version and maker, with an offer to open the maker's home page.
namespace AboutBox {

// Five lines joined by CR LF; the fourth is empty.
QString prompt();

// Shows the box (OK and Cancel) and tells whether the user chose to open the home page.
bool askToBrowse(MessageBoxes &messages);

} // namespace AboutBox
