// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/desktop/desktop_launcher.h"
#include "platform/services/message_boxes.h"

#include <QList>
#include <QString>
#include <QStringList>

// Records every message box instead of showing it, and answers with a chosen button.
class RecordingMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString prompt;
        Style style;
    };

    Result MsgBox(const QString &prompt, Style style) override
    {
        shown.append({prompt, style});
        return answer;
    }

    QStringList prompts() const
    {
        QStringList result;
        for (const Shown &box : shown)
            result << box.prompt;
        return result;
    }

    Result answer = Ok;
    QList<Shown> shown;
};

// Records every launch instead of starting a browser. Told to fail, it hands the address to the
// real launcher, which raises: on the offscreen platform there is no browser to open it with,
// and on Windows it is told to start a shell program that does not exist.
class RecordingLauncher : public Launcher
{
public:
    void launch(const QString &url) override
    {
        if (fails) {
#ifdef Q_OS_WIN
            DesktopLauncher(QStringLiteral("no-such-shell.exe")).launch(url);
#else
            DesktopLauncher().launch(url);
#endif
        }
        urls << url;
        if (passesToTheDesktop)
            DesktopLauncher().launch(url);
    }

    bool fails = false;
    // Also opens the address for real, for the tests that watch what reaches the desktop.
    bool passesToTheDesktop = false;
    QStringList urls;
};
