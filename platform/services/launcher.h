// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Opens a web address in the user's browser: one launch per call, never waited on. Behind an
// interface so tests can record launches instead of starting a browser.
class Launcher
{
public:
    virtual ~Launcher() = default;

    // Raises RuntimeError when the browser cannot be started.
    virtual void launch(const QString &url) = 0;
};
