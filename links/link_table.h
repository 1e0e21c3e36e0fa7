#pragma once

#include <QString>

// The pages of the maker's web site that the window opens. Every address is the maker's host
// with a suffix of its own; nothing of the window's contents is ever added to it.
enum class Link {
    MakerName,          // the link label with the maker's name
    DiscountedMortgage, // the "Get discounted mortgage" link label
    OnlineCalc,         // the "Online calc..." menu command
    TermsOfUse,         // the "Terms of Use..." menu command
    AboutHomePage,      // OK in the About box
};

QString LinkUrl(Link link);
