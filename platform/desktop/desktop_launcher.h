#pragma once

#include "platform/services/launcher.h"

// Opens the address in the default browser: through the Windows shell on Windows, through the
// desktop's URL handler elsewhere.
class DesktopLauncher : public Launcher
{
public:
    void launch(const QString &url) override;
};
