#pragma once

#include "product_info.h"

#include <QRect>
#include <QSize>
#include <QStringView>

#include <array>

enum class ControlKind { Label, TextBox, DropDownList, PushButton, LinkLabel };

// One control of the window as designed: positions and sizes in twips (1440 to the inch).
// Controls of an array share a name and differ in their index; -1 marks a single control.
struct ControlDesign
{
    QStringView name;
    int index;
    ControlKind kind;
    QStringView text;
    QRect twips;
    int tabPosition;
};

namespace WindowDesign {

inline constexpr int TwipsPerInch = 1440;
inline constexpr QSize ClientAreaTwips{4104, 2676};

// The controls from top to bottom. Tab positions follow the input order; labels take no focus.
inline constexpr std::array<ControlDesign, 13> Controls{{
    {u"Label1", -1, ControlKind::Label, u"Loan amount ($/\u20AC/\u00A3)", {120, 120, 2052, 252}, 6},
    {u"Text1", -1, ControlKind::TextBox, u"250000", {2520, 120, 1452, 288}, 0},
    {u"Label2", 0, ControlKind::Label, u"Interest rate (%)", {120, 480, 2052, 252}, 7},
    {u"Text2", -1, ControlKind::TextBox, u"5", {2520, 480, 1452, 288}, 1},
    {u"Label2", 1, ControlKind::Label, u"Term in years", {120, 840, 2052, 252}, 8},
    {u"Text3", -1, ControlKind::TextBox, u"25", {2520, 840, 1452, 288}, 2},
    {u"Label2", 2, ControlKind::Label, u"Payment frequency", {120, 1200, 2052, 252}, 9},
    {u"Combo1", -1, ControlKind::DropDownList, u"", {2520, 1200, 1452, 288}, 3},
    {u"Label2",
     3,
     ControlKind::Label,
     u"Periodical payment ($/\u20AC/\u00A3)",
     {120, 1560, 2052, 252},
     10},
    {u"Text4", -1, ControlKind::TextBox, u"", {2520, 1560, 1452, 288}, 4},
    {u"Label3", 0, ControlKind::LinkLabel, ProductInfo::MakerName, {120, 1920, 2412, 252}, 11},
    {u"Command1", -1, ControlKind::PushButton, u"calc", {3000, 2160, 972, 372}, 5},
    {u"Label4", 1, ControlKind::LinkLabel, u"Get discounted mortgage", {120, 2280, 2412, 252}, 12},
}};

// The menu bar's commands, left to right: object name and caption.
struct MenuCommandDesign
{
    QStringView name;
    QStringView text;
};

inline constexpr std::array<MenuCommandDesign, 3> MenuCommands{{
    {u"OnlineCalc", u"Online calc..."},
    {u"Terms", u"Terms of Use..."},
    {u"About", u"About..."},
}};

// The link labels' font as designed; where it is missing the font system picks its substitute.
inline constexpr QStringView LinkFontFamily = u"MS Sans Serif";
inline constexpr double LinkFontPointSize = 7.8;

} // namespace WindowDesign
