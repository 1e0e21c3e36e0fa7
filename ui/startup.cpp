// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startup.h"

#include "product_info.h"
#include "ui/interface_language.h"

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

Application::Application(int argc, char *argv[])
    : m_argumentCount(argc > 0 ? 1 : 0)
    , m_arguments{argc > 0 ? argv[0] : nullptr, nullptr}
    , m_application(m_argumentCount, m_arguments.data())
{}

StartedWindow::StartedWindow(FormServices services, const QStringList &uiLanguages)
    : m_language(std::make_unique<InterfaceLanguage>(uiLanguages))
    , m_window(std::make_unique<Form1>(services))
{
    m_window->Form_Load();
    m_window->show();
}

StartedWindow::~StartedWindow() = default;

StartedWindow startUp(FormServices services, const QStringList &uiLanguages)
{
    describeApplication();
    return StartedWindow(services, uiLanguages);
}
