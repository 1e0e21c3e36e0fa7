// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rounds to a whole number; a value exactly halfway between two whole numbers goes to the even
// one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Works on the double as computed, with no decimal fix-up.
double roundHalfToEven(double value);
