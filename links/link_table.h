// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <QStringView>

#include <array>

// Where the window offers a link: as a link label, or as a command of the menu bar.
enum class LinkPlace { Label, MenuBar };

// One link of the window, everything about it in one row: the control or menu command that
// offers it (by object name), its caption, the suffix of its address on the maker's web site
// and, for a link label, its position in its control array and where it stands. Nothing of the
// window's contents is ever added to an address.
struct LinkDesign
{
    LinkPlace place;
    QStringView objectName;
    const char *caption; // untranslated; see linkCaption()
    QStringView suffix;
    int index = -1;      // a link label's position in its control array
    QRect twips{};       // a link label's place in the window, in twips; none for a command
    int tabPosition = 0; // a link label's place in the window's tab positions
};

// The rows, named after their control or command. The About command's row carries the home
// page that its box offers.
namespace Link {
// clang-format off
inline constexpr LinkDesign Label3{LinkPlace::Label, u"Label3", nullptr, u"/?tq1l1", 0, {120, 1920, 2412, 252}, 11};
inline constexpr LinkDesign Label4{LinkPlace::Label, u"Label4", QT_TRANSLATE_NOOP("Links", "Get discounted mortgage"), u"/?tq1l2", 1, {120, 2280, 2412, 252}, 12};
inline constexpr LinkDesign OnlineCalc{LinkPlace::MenuBar, u"OnlineCalc", QT_TRANSLATE_NOOP("Links", "Online calc..."), u"/?tq1"};
inline constexpr LinkDesign Terms{LinkPlace::MenuBar, u"Terms", QT_TRANSLATE_NOOP("Links", "Terms of Use..."), u"/?tq1t"};
inline constexpr LinkDesign About{LinkPlace::MenuBar, u"About", QT_TRANSLATE_NOOP("Links", "About..."), u"/?tq1a"};
// clang-format on
} // namespace Link

// Link labels from top to bottom, then the menu bar's commands from left to right.
inline constexpr std::array<LinkDesign, 5> Links{Link::Label3, Link::Label4, Link::OnlineCalc,
                                                 Link::Terms, Link::About};

// The row of the control or command with this object name; null for any other name.
const LinkDesign *linkOf(QStringView objectName);

// The caption in the user's language; the maker's name link shows the maker's name.
QString linkCaption(const LinkDesign &link);

// The page's address: the maker's host and the row's suffix.
QString linkUrl(const LinkDesign &link);
