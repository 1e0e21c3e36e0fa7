#include "link_table.h"

#include "product_info.h"

#include <QStringView>

#include <array>

namespace {

struct LinkEntry
{
    Link link;
    QStringView suffix;
};

constexpr std::array<LinkEntry, 5> Links{{
    {Link::MakerName, u"/?tq1l1"},
    {Link::DiscountedMortgage, u"/?tq1l2"},
    {Link::OnlineCalc, u"/?tq1"},
    {Link::TermsOfUse, u"/?tq1t"},
    {Link::AboutHomePage, u"/?tq1a"},
}};

} // namespace

QString LinkUrl(Link link)
{
    for (const LinkEntry &entry : Links) {
        if (entry.link == link)
            return QStringLiteral("http://%1%2").arg(ProductInfo::WebHost, entry.suffix);
    }
    Q_UNREACHABLE();
}
