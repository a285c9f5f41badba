// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/chart/chart_definition.h"

#include "core/content_layout.h"
#include "screens/chart/chart_controls.h"

using platform::Align;
using platform::ControlDef;
using platform::FormDefinition;
using platform::Kind;

namespace screens {

namespace {

// The screen definition reads as a table, one control a row: keep it laid out by hand.
// clang-format off

constexpr QRgb navy = 0x000040, darkBlue = 0x0000C0, red = 0xFF0000, yellow = 0xFFFF00;

// Click zone n lies on the chart's box of letter n (1 = A … 24 = X).
struct ZonePlace {
    double left, top;
};
constexpr ZonePlace letterZones[] = {
    {8505, 3030},  {9840, 3030},  {11340, 3030}, {13005, 3045}, {9855, 5700}, {11835, 5700},
    {5520, 3030},  {4095, 3030},  {2730, 3030},  {1125, 3030},  {150, 1680},  {150, 4350},
    {8085, 5715},  {6105, 5715},  {2730, 5715},  {4110, 4710},  {930, 5490},  {2730, 1680},
    {7110, 1695},  {7110, 345},   {9090, 345},   {9840, 1695},  {12975, 1680}, {4095, 1680},
};

FormDefinition makeDefinition() {
    FormDefinition d{
        .window = {.caption = "系統図", .clientWidth = 13665, .clientHeight = 7500, .focus = chart::backButton},
        .controls = {},
        .tabOrder = {chart::backButton, chart::quitButton},
    };
    auto& c = d.controls;
    // Labels and images, front to back: the zones take the clicks over the letters.
    c.push_back({.id = chart::instructionText, .left = 1380, .top = 6720, .width = 6675, .height = 360,
                 .text = "調べたい化合物（Ａ～Ｘ）をクリックしてください", .foreColor = yellow,
                 .backColor = darkBlue, .font = {"ＭＳ Ｐ明朝", 14.25, true}, .align = Align::Center});
    c.push_back({.id = chart::instructionBar, .left = 1260, .top = 6600, .width = 6885, .height = 525,
                 .backColor = darkBlue});
    c.push_back({.id = chart::benzeneBox, .left = 6990, .top = 2760, .width = 780, .height = 885,
                 .tip = "ベンゼン"});
    for (int n = 1; n <= core::content::compoundCount; ++n)
        c.push_back({.id = chart::compoundLetters, .index = n, .left = letterZones[n - 1].left,
                     .top = letterZones[n - 1].top, .width = 525, .height = 405});
    c.push_back({.id = chart::chartPicture, .left = 135, .top = 195, .width = 13500, .height = 5985,
                 .picture = ":/chart/Image1.bmp"});
    // The panel and the buttons lie above everything; the picture lives in the panel.
    c.push_back({.id = chart::compoundPanel, .left = 5085, .top = 2490, .width = 3375, .height = 1980,
                 .visible = false, .foreColor = red, .backColor = navy, .font = {"ＭＳ Ｐ明朝", 11.25, true}});
    c.push_back({.id = chart::compoundPicture, .left = 840, .top = 465, .width = 1215, .height = 1395,
                 .visible = false, .container = chart::compoundPanel});
    c.push_back({.id = chart::backButton, .left = 9885, .top = 6675, .width = 1560,
                 .height = 500, .picture = ":/drill/Command4.gif"});
    c.push_back({.id = chart::quitButton, .left = 11580, .top = 6675, .width = 1560,
                 .height = 500, .picture = ":/drill/Command3.gif"});
    return d;
}

// clang-format on

} // namespace

const FormDefinition& chartDefinition() {
    static const FormDefinition d = makeDefinition();
    return d;
}

} // namespace screens
