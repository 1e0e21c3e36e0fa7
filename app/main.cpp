// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/desktop_launcher.h"
#include "platform/desktop/desktop_message_boxes.h"
#include "ui/startup.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a long message; one clear line serves the user better.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto isSet = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("varneltosk: no display to show the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set).\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    DesktopMessageBoxes messages;
    DesktopLauncher launcher;
    const StartedWindow window =
        startUp({messages, launcher, QLocale::system()}, QLocale::system().uiLanguages());
    return app.exec();
}
