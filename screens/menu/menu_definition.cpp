// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/menu/menu_definition.h"

#include "screens/menu/menu_controls.h"

using platform::Align;
using platform::ControlDef;
using platform::FormDefinition;
using platform::Kind;

namespace screens {

namespace {

// The screen definition reads as a table, one control a row: keep it laid out by hand.
// clang-format off

constexpr QRgb white = 0xFFFFFF, navy = 0x000040;

// The six title tiles spell the program's name, three to a row.
struct TilePlace {
    double left, top;
    const char* picture;
};
constexpr TilePlace tilePlaces[] = {
    {1245, 450, ":/menu/Image1_0.gif"},  {3030, 450, ":/menu/Image1_1.gif"},
    {4815, 450, ":/menu/Image1_2.gif"},  {1245, 2190, ":/menu/Image1_3.gif"},
    {3030, 2190, ":/menu/Image1_4.gif"}, {4815, 2190, ":/menu/Image1_5.gif"},
};

FormDefinition makeDefinition() {
    FormDefinition d{
        .window = {.caption = "メニュー", .clientWidth = 11880, .clientHeight = 8490, .focus = menu::chartButton},
        .controls = {},
        .tabOrder = {menu::chartButton, menu::drillButton, menu::quitButton, menu::explanationButton},
    };
    auto& c = d.controls;
    // Labels and images, front to back: the open panel hides the benzene model.
    c.push_back({.id = menu::explanationText, .left = 315, .top = 4215, .width = 6630, .height = 3915,
                 .visible = false, .foreColor = white, .backColor = navy, .font = {"ＭＳ 明朝", 12.75, true},
                 .align = Align::Left});
    c.push_back({.id = menu::explanationFrame, .left = 180, .top = 4035, .width = 6855, .height = 4230,
                 .visible = false, .backColor = navy});
    c.push_back({.id = menu::redRing, .left = 7050, .top = 60, .width = 4200, .height = 4200,
                 .visible = false, .picture = ":/drill/Image6.gif"});
    c.push_back({.id = menu::yellowRing, .left = 7155, .top = 45, .width = 4200, .height = 4200,
                 .visible = false, .picture = ":/drill/Image1.gif"});
    for (int i = 0; i <= 5; ++i)
        c.push_back({.id = menu::titleTiles, .index = i, .left = tilePlaces[i].left,
                     .top = tilePlaces[i].top, .width = 1800, .height = 1725, .picture = tilePlaces[i].picture});
    c.push_back({.id = menu::benzeneModel, .left = 615, .top = 3795, .width = 6630, .height = 4575,
                 .picture = ":/menu/Image2.jpg", .stretch = true});
    // Picture buttons lie above all labels and images.
    c.push_back({.id = menu::chartButton, .left = 7590, .top = 4620, .width = 3075,
                 .height = 765, .picture = ":/menu/Command2.gif"});
    c.push_back({.id = menu::drillButton, .left = 7590, .top = 5685, .width = 3075,
                 .height = 765, .picture = ":/menu/Command1.gif"});
    c.push_back({.id = menu::quitButton, .left = 7590, .top = 6750, .width = 3075,
                 .height = 765, .picture = ":/menu/Command3.gif"});
    c.push_back({.id = menu::explanationButton, .left = 3225, .top = 5880, .width = 1395,
                 .height = 465, .picture = ":/menu/Command4.gif"});
    c.push_back({.id = menu::ringTimer, .visible = false});
    return d;
}

// clang-format on

} // namespace

const FormDefinition& menuDefinition() {
    static const FormDefinition d = makeDefinition();
    return d;
}

} // namespace screens
