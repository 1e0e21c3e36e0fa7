#include "platform/desktop/desktop_launcher.h"

#include "platform/numbers/runtime_error.h"

#ifdef Q_OS_WIN
#include <QProcess>
#include <qt_windows.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

#ifdef Q_OS_WIN

// The Windows shell opens the address in the default browser: "explorer.exe " and the address
// as it stands, unquoted, started minimised with focus and left to run on its own.
void DesktopLauncher::launch(const QString &url)
{
    QProcess process;
    process.setProgram(QStringLiteral("explorer.exe"));
    process.setNativeArguments(url);
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
    if (!process.startDetached())
        throw RuntimeError::cannotOpen(url);
}

#else

void DesktopLauncher::launch(const QString &url)
{
    if (!QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode)))
        throw RuntimeError::cannotOpen(url);
}

#endif
