#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <array>

// The pages of the maker's web site that the window opens. Every address is the maker's host
// with a suffix of its own; nothing of the window's contents is ever added to it.
enum class Link { MakerName, DiscountedMortgage, OnlineCalc, TermsOfUse, AboutHomePage };

// Where the window offers a link: as a link label, or as a command of the menu bar.
enum class LinkPlace { Label, MenuBar };

// One link: the control or menu command that offers it (by object name), its caption and the
// suffix of its address. The About command's row carries the home page its box offers.
struct LinkDesign
{
    Link link;
    LinkPlace place;
    QStringView objectName;
    const char *caption; // untranslated; see linkCaption()
    QStringView suffix;
};

// Link labels in window order, then the menu bar's commands from left to right.
inline constexpr std::array<LinkDesign, 5> Links{{
    {Link::MakerName, LinkPlace::Label, u"Label3", nullptr, u"/?tq1l1"},
    {Link::DiscountedMortgage, LinkPlace::Label, u"Label4",
     QT_TRANSLATE_NOOP("Links", "Get discounted mortgage"), u"/?tq1l2"},
    {Link::OnlineCalc, LinkPlace::MenuBar, u"OnlineCalc",
     QT_TRANSLATE_NOOP("Links", "Online calc..."), u"/?tq1"},
    {Link::TermsOfUse, LinkPlace::MenuBar, u"Terms", QT_TRANSLATE_NOOP("Links", "Terms of Use..."),
     u"/?tq1t"},
    {Link::AboutHomePage, LinkPlace::MenuBar, u"About", QT_TRANSLATE_NOOP("Links", "About..."),
     u"/?tq1a"},
}};

const LinkDesign &linkDesign(Link link);

// The caption in the user's language; the maker's name link shows the maker's name.
QString linkCaption(const LinkDesign &design);

QString LinkUrl(Link link);
