// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "links/link_table.h"

#include <QCoreApplication>
#include <QRect>
#include <QSize>
#include <QStringView>

#include <algorithm>
#include <array>

enum class ControlKind { Label, TextBox, DropDownList, PushButton, LinkLabel };

// One control of the window as designed: positions and sizes in twips (1440 to the inch).
// Controls of an array share a name and differ in their index; -1 marks a single control.
struct ControlDesign
{
    QStringView name;
    int index;
    ControlKind kind;
    // A caption, marked for translation, or a text box's initial text; a link label's caption
    // comes from its link.
    const char *text;
    QRect twips;
    int tabPosition;
};

namespace WindowDesign {

inline constexpr int TwipsPerInch = 1440;
inline constexpr QSize ClientAreaTwips{4104, 2676};

// The controls other than the link labels, from top to bottom. Tab positions follow the input
// order; labels take no focus.
// clang-format off
inline constexpr std::array<ControlDesign, 11> FormControls{{
    {u"Label1", -1, ControlKind::Label, QT_TRANSLATE_NOOP("Form1", "Loan amount ($/€/£)"), {120, 120, 2052, 252}, 6},
    {u"Text1", -1, ControlKind::TextBox, "250000", {2520, 120, 1452, 288}, 0},
    {u"Label2", 0, ControlKind::Label, QT_TRANSLATE_NOOP("Form1", "Interest rate (%)"), {120, 480, 2052, 252}, 7},
    {u"Text2", -1, ControlKind::TextBox, "5", {2520, 480, 1452, 288}, 1},
    {u"Label2", 1, ControlKind::Label, QT_TRANSLATE_NOOP("Form1", "Term in years"), {120, 840, 2052, 252}, 8},
    {u"Text3", -1, ControlKind::TextBox, "25", {2520, 840, 1452, 288}, 2},
    {u"Label2", 2, ControlKind::Label, QT_TRANSLATE_NOOP("Form1", "Payment frequency"), {120, 1200, 2052, 252}, 9},
    {u"Combo1", -1, ControlKind::DropDownList, "", {2520, 1200, 1452, 288}, 3},
    {u"Label2", 3, ControlKind::Label, QT_TRANSLATE_NOOP("Form1", "Periodical payment ($/€/£)"), {120, 1560, 2052, 252}, 10},
    {u"Text4", -1, ControlKind::TextBox, "", {2520, 1560, 1452, 288}, 4},
    {u"Command1", -1, ControlKind::PushButton, QT_TRANSLATE_NOOP("Form1", "calc"), {3000, 2160, 972, 372}, 5},
}};
// clang-format on

inline constexpr std::size_t LinkLabelCount =
    std::size_t(std::ranges::count(Links, LinkPlace::Label, &LinkDesign::place));

// Every control from top to bottom: the form's own and a link label for each link table row
// placed as a label, where its row puts it. A link label's caption comes from its row.
inline constexpr std::array<ControlDesign, FormControls.size() + LinkLabelCount> Controls = [] {
    std::array<ControlDesign, FormControls.size() + LinkLabelCount> controls{};
    std::size_t count = 0;
    const auto insert = [&](const ControlDesign &control) {
        std::size_t i = count++;
        for (; i > 0 && controls[i - 1].twips.y() > control.twips.y(); --i)
            controls[i] = controls[i - 1];
        controls[i] = control;
    };
    for (const ControlDesign &control : FormControls)
        insert(control);
    for (const LinkDesign &link : Links) {
        if (link.place == LinkPlace::Label)
            insert({link.objectName, link.index, ControlKind::LinkLabel, nullptr, link.twips,
                    link.tabPosition});
    }
    return controls;
}();

// Shown by the calc command when the run left no result.
inline constexpr const char *CorrectionMessage =
    QT_TRANSLATE_NOOP("Form1", "Please correct the value in the fields marked in yellow and try "
                               "again.\r\nFields can include only digits.");

// The link labels' font as designed; where it is missing the font system picks its substitute.
inline constexpr QStringView LinkFontFamily = u"MS Sans Serif";
inline constexpr double LinkFontPointSize = 7.8;

} // namespace WindowDesign
