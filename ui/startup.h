// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main_window.h"

#include <QStringList>

#include <memory>

// Start-up, the one path the program, the window tests and the start-up benchmark all take:
// names the application, installs the translation for the first of the user's interface
// languages that has one (none for an empty list: English), creates the window with the given
// services (applying its design runs no calculation), runs Form_Load and shows the window. The
// translation stays installed as long as the window lives. The caller runs the event loop.
std::unique_ptr<Form1> startUp(FormServices services, const QStringList &uiLanguages = {});
