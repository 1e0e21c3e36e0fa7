#include "platform/desktop/desktop_launcher.h"
#include "platform/desktop/desktop_message_boxes.h"
#include "product_info.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QIcon>

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
    QApplication::setApplicationName(ProductInfo::ApplicationTitle.toString());
    QApplication::setApplicationVersion(ProductInfo::VersionText.toString());
    QApplication::setOrganizationName(ProductInfo::MakerName.toString());
    QApplication::setDesktopFileName(ProductInfo::DesktopFileName.toString());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/varneltosk.png")));

    DesktopMessageBoxes messages;
    DesktopLauncher launcher;
    Form1 window({messages, launcher, QLocale::system()});
    window.Form_Load();
    window.show();
    return app.exec();
}
