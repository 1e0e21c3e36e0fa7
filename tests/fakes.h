#pragma once

#include "platform/numbers/runtime_error.h"
#include "platform/services/launcher.h"
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

// Records every launch instead of starting a browser; can be told to fail like a missing one.
class RecordingLauncher : public Launcher
{
public:
    void launch(const QString &url) override
    {
        if (fails)
            throw RuntimeError::cannotOpen(url);
        urls << url;
    }

    bool fails = false;
    QStringList urls;
};
