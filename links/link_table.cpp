#include "link_table.h"

#include <QStringView>

#include <array>

namespace {

// A reserved example domain: it can never belong to anyone real.
constexpr QStringView WebHost = u"www.velmora.example";

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
            return QStringLiteral("http://%1%2").arg(WebHost, entry.suffix);
    }
    Q_UNREACHABLE();
}
