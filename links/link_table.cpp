// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/link_table.h"

#include "product_info.h"

const LinkDesign *linkOf(QStringView objectName)
{
    for (const LinkDesign &link : Links) {
        if (link.objectName == objectName)
            return &link;
    }
    return nullptr;
}

QString linkCaption(const LinkDesign &link)
{
    if (!link.caption)
        return ProductInfo::MakerName.toString();
    return QCoreApplication::translate("Links", link.caption);
}

QString linkUrl(const LinkDesign &link)
{
    return QStringLiteral("http://%1%2").arg(ProductInfo::WebHost, link.suffix);
}
