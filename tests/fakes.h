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
// real launcher, which on the offscreen platform has no browser to open it with and raises.
class RecordingLauncher : public Launcher
{
public:
    void launch(const QString &url) override
    {
        if (fails)
            DesktopLauncher().launch(url);
        urls << url;
    }

    bool fails = false;
    QStringList urls;
};
