#pragma once

#include "fakes.h"
#include "modal_watchdog.h"
#include "ui/main_window.h"

#include <QLocale>

// The window as the program starts it, with recording services instead of real message boxes
// and browser launches, under US English number settings whatever the machine's locale.
struct WindowUnderTest
{
    WindowUnderTest()
    {
        form.Form_Load();
        form.show();
    }

    template <typename T> T *child(const QString &name) const
    {
        T *widget = form.findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    ModalWatchdog watchdog;
    RecordingMessageBoxes messages;
    RecordingLauncher launcher;
    Form1 form{FormServices{messages, launcher, QLocale(QLocale::English, QLocale::UnitedStates)}};
};
