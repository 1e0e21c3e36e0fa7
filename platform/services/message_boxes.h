// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Modal message boxes with the application title as caption and no icon. Behind an interface so
// tests can record what would have been shown instead of blocking on a modal box.
class MessageBoxes
{
public:
    enum Style { OkOnly = 0, OkCancel = 1 };
    enum Result { Ok = 1, Cancel = 2 };

    virtual ~MessageBoxes() = default;

    // Shows the prompt and waits; closing the box without OK counts as Cancel.
    virtual Result MsgBox(const QString &prompt, Style style) = 0;
};
