#include "ui/startup.h"

#include "product_info.h"

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

std::unique_ptr<Form1> startUp(FormServices services)
{
    describeApplication();
    auto window = std::make_unique<Form1>(services);
    window->Form_Load();
    window->show();
    return window;
}
