#include "about_box.h"

#include "platform/services/message_boxes.h"
#include "product_info.h"

#include <QStringList>

namespace AboutBox {

QString prompt()
{
    const QStringList lines{
        QStringLiteral("%1 %2.%3")
            .arg(ProductInfo::DisplayName)
            .arg(ProductInfo::VersionMajor)
            .arg(ProductInfo::VersionMinor),
        QStringLiteral("By %1").arg(ProductInfo::MakerName),
        QStringLiteral("Copyright \u00A9 %1 %2")
            .arg(ProductInfo::CopyrightYear)
            .arg(ProductInfo::MakerName),
        QString(),
        QStringLiteral("Browse to Velmora home page?"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

bool askToBrowse(MessageBoxes &messages)
{
    return messages.MsgBox(prompt(), MessageBoxes::OkCancel) == MessageBoxes::Ok;
}

} // namespace AboutBox
