// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startup.h"

#include "product_info.h"
#include "ui/interface_language.h"

#include <QApplication>
#include <QIcon>

namespace {

void describeApplication()
{
    QApplication::setApplicationName(ProductInfo::ApplicationTitle.toString());
    QApplication::setApplicationVersion(ProductInfo::VersionText.toString());
    QApplication::setOrganizationName(ProductInfo::MakerName.toString());
    QApplication::setDesktopFileName(ProductInfo::DesktopFileName.toString());
    // Built into the executable; windows without it (tests) keep the platform's default icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/varneltosk.png")));
}

} // namespace

std::unique_ptr<Form1> startUp(FormServices services, const QStringList &uiLanguages)
{
    describeApplication();
    auto translation = std::make_unique<InterfaceLanguage>(uiLanguages);
    auto window = std::make_unique<Form1>(services);
    translation.release()->setParent(window.get());
    window->Form_Load();
    window->show();
    return window;
}
