// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/desktop_launcher.h"
#include "platform/desktop/desktop_message_boxes.h"
#include "ui/startup.h"

#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

// Where Qt finds no display it aborts with a long message; one clear line serves the user
// better. Qt tries in turn the platforms QT_QPA_PLATFORM names (a list separated by ';', each
// name perhaps followed by ':' and its arguments) or, without it, Wayland where WAYLAND_DISPLAY
// is set or XDG_SESSION_TYPE says wayland, then X11. X11 needs DISPLAY, Wayland WAYLAND_DISPLAY
// or its default socket. Returns the variables missing for every platform tried, or nothing
// where one of them has its display or needs none (offscreen, vnc, eglfs, ...: Qt itself says
// what goes wrong there).
QStringList missingDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                             qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland";
        platforms = wayland ? QStringLiteral("wayland;xcb") : QStringLiteral("xcb");
    }
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                                (!runtimeFolder.isEmpty() &&
                                 QFileInfo::exists(runtimeFolder + QStringLiteral("/wayland-0")));
    QStringList missing;
    for (const QString &platform : platforms.split(u';')) {
        const QString name = platform.section(u':', 0, 0).toLower();
        if (name.isEmpty())
            continue;
        if (name == u"xcb") {
            if (!qEnvironmentVariableIsEmpty("DISPLAY"))
                return {};
            missing << QStringLiteral("DISPLAY");
        } else if (name.startsWith(u"wayland")) {
            if (waylandDisplay)
                return {};
            missing << QStringLiteral("WAYLAND_DISPLAY");
        } else {
            return {};
        }
    }
    missing.removeDuplicates();
    return missing;
#else
    return {};
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (const QStringList missing = missingDisplay(); !missing.isEmpty()) {
        const QString unset = missing.size() == 1
                                  ? QStringLiteral("%1 is not set").arg(missing.constFirst())
                                  : QStringLiteral("neither %1 is set").arg(missing.join(u" nor "));
        std::fprintf(stderr, "varneltosk: no display to show the window on (%s).\n",
                     qPrintable(unset));
        return 1;
    }

    Application app(argc, argv);
    DesktopMessageBoxes messages;
    DesktopLauncher launcher;
    const StartedWindow window =
        startUp({messages, launcher, QLocale::system()}, QLocale::system().uiLanguages());
    return QApplication::exec();
}
