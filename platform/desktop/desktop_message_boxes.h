// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services/message_boxes.h"

// Real modal boxes: a QMessageBox centred on the active window, titled with the application title.
class DesktopMessageBoxes : public MessageBoxes
{
public:
    Result MsgBox(const QString &prompt, Style style) override;
};
