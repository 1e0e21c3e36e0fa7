#include "links/link_table.h"

#include "product_info.h"

const LinkDesign &linkDesign(Link link)
{
    for (const LinkDesign &design : Links) {
        if (design.link == link)
            return design;
    }
    Q_UNREACHABLE();
}

QString linkCaption(const LinkDesign &design)
{
    if (!design.caption)
        return ProductInfo::MakerName.toString();
    return QCoreApplication::translate("Links", design.caption);
}

QString LinkUrl(Link link)
{
    return QStringLiteral("http://%1%2").arg(ProductInfo::WebHost, linkDesign(link).suffix);
}
