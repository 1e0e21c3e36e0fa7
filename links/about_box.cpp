// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/about_box.h"

#include "platform/services/message_boxes.h"
#include "product_info.h"

#include <QCoreApplication>
#include <QStringList>

namespace AboutBox {

QString prompt()
{
    const auto translated = [](const char *text) {
        return QCoreApplication::translate("AboutBox", text);
    };
    const QStringList lines{
        QStringLiteral("%1 %2.%3")
            .arg(ProductInfo::DisplayName)
            .arg(ProductInfo::VersionMajor)
            .arg(ProductInfo::VersionMinor),
        translated(QT_TRANSLATE_NOOP("AboutBox", "By %1")).arg(ProductInfo::MakerName),
        translated(QT_TRANSLATE_NOOP("AboutBox", "Copyright © %1 %2"))
            .arg(ProductInfo::CopyrightYear)
            .arg(ProductInfo::MakerName),
        QString(),
        translated(QT_TRANSLATE_NOOP("AboutBox", "Browse to %1 home page?"))
            .arg(ProductInfo::MakerShortName),
    };
    return lines.join(QStringLiteral("\r\n"));
}

bool askToBrowse(MessageBoxes &messages)
{
    return messages.MsgBox(prompt(), MessageBoxes::OkCancel) == MessageBoxes::Ok;
}

} // namespace AboutBox
