// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill_definition.h"

#include "core/content_layout.h"
#include "core/score_rules.h"
#include "platform/twips.h"
#include "screens/drill/drill_controls.h"

#include <iterator>

using platform::Align;
using platform::ControlDef;
using platform::FontDef;
using platform::FormDefinition;
using platform::Kind;

namespace screens {

namespace {

// The screen definition reads as a table, one control a row: keep it laid out by hand.
// clang-format off

constexpr QRgb white = 0xFFFFFF, blue = 0x0000FF, darkBlue = 0x0000C0, yellow = 0xFFFF00,
               orange = 0xFF8000;
constexpr FontDef mincho(double points) { return {"ＭＳ 明朝", points, true}; }
constexpr FontDef pMincho(double points) { return {"ＭＳ Ｐ明朝", points, true}; }

// A ring position and a palette cell are the size of one group picture.
constexpr double groupCellWidth = core::content::groupPictureWidth * platform::twipsPerPixel;
constexpr double groupCellHeight = core::content::groupPictureHeight * platform::twipsPerPixel;

// Palette item n lies over cell n of the palette table, a row of cells at a time.
constexpr double paletteColumnLefts[] = {885, 3000, 5115, 7230, 9345};
constexpr double paletteRowTops[] = {1035, 1470, 1905, 2340};
static_assert(std::size(paletteColumnLefts) == paletteColumns &&
              std::size(paletteRowTops) == paletteRows);

// Ring position k: its drop zone and the bond stroke that joins it to the ring.
struct RingPlace {
    double zoneLeft, zoneTop, bondLeft, bondTop, bondWidth, bondHeight;
};
constexpr RingPlace ringPlaces[] = {
    {5745, 3060, 5910, 3465, 30, 285}, // 1 top
    {7680, 4385, 7425, 4620, 285, 30}, // 2 upper right
    {7680, 6065, 7425, 6300, 285, 30}, // 3 lower right
    {5745, 7470, 5910, 7185, 30, 285}, // 4 bottom
    {2055, 6065, 4125, 6300, 285, 30}, // 5 lower left
    {2055, 4385, 4125, 4620, 285, 30}, // 6 upper left
};
static_assert(std::size(ringPlaces) == core::content::ringPositions);

const char* const streakDigitPictures[] = {":/drill/Image9_0.gif", ":/drill/Image9_1.gif",
                                           ":/drill/Image9_2.gif", ":/drill/Image9_3.gif",
                                           ":/drill/Image9_4.gif", ":/drill/Image9_5.gif"};
// The column shows every streak from none to the one that earns the bonus, each its own picture.
static_assert(std::size(streakDigitPictures) == core::drillScoring.streakForBonus + 1);

FormDefinition makeDefinition() {
    FormDefinition d{
        .window = {.caption = "ドリル", .clientWidth = 11910, .clientHeight = 8520, .focus = drill::deleteAllButton},
        .controls = {},
        .tabOrder = {drill::deleteAllButton, drill::deleteGroupButton, drill::quitButton, drill::backButton, drill::judgeButton, drill::tryAgainButton},
    };
    auto& c = d.controls;
    // Labels and images, front to back.
    c.push_back({.id = drill::medal, .left = 4515, .top = 3900, .width = 2760, .height = 3165,
                 .visible = false, .picture = ":/drill/Image11.gif", .stretch = true});
    for (int digit = 0; digit <= core::drillScoring.streakForBonus; ++digit)
        c.push_back({.id = drill::streakDigits, .index = digit, .left = 795,
                     .top = 7395.0 - 735 * digit, .width = 720, .height = 690, .visible = digit == 0,
                     .picture = streakDigitPictures[digit]});
    c.push_back({.id = drill::bonusBanner, .left = 3795, .top = 4710, .width = 4230, .height = 1500,
                 .visible = false, .picture = ":/drill/Image8.gif"});
    c.push_back({.id = drill::scoreLabel, .left = 10005, .top = 3780, .width = 1575, .height = 450,
                 .foreColor = white, .backColor = orange, .font = mincho(24), .align = Align::Center});
    c.push_back({.id = drill::scorePanel, .left = 9975, .top = 3180, .width = 1695, .height = 1125,
                 .picture = ":/drill/Image7.bmp"});
    c.push_back({.id = drill::redRing, .left = 3780, .top = 3450, .width = 4200, .height = 4200,
                 .visible = false, .picture = ":/drill/Image6.gif"});
    c.push_back({.id = drill::questionText, .left = 2535, .top = 330, .width = 5505, .height = 390,
                 .foreColor = yellow, .backColor = blue, .font = pMincho(18)});
    c.push_back({.id = drill::ordinalSuffix, .left = 1695, .top = 330, .width = 540, .height = 390,
                 .text = "問", .backColor = blue, .font = mincho(15.75), .align = Align::Center});
    c.push_back({.id = drill::questionNumber, .left = 1155, .top = 330, .width = 555, .height = 390,
                 .backColor = blue, .font = mincho(15.75), .align = Align::Center});
    c.push_back({.id = drill::ordinalPrefix, .left = 690, .top = 330, .width = 540, .height = 390,
                 .text = "第", .backColor = blue, .font = mincho(15.75), .align = Align::Center});
    c.push_back({.id = drill::questionBar, .left = 660, .top = 240, .width = 7530, .height = 500,
                 .backColor = blue});
    c.push_back({.id = drill::instructionText, .left = 2745, .top = 7455, .width = 6420, .height = 390,
                 .text = "官能基をドラッグして化学式を作って下さい", .backColor = darkBlue,
                 .font = mincho(14.25), .align = Align::Center});
    c.push_back({.id = drill::instructionBar, .left = 2595, .top = 7350, .width = 6735, .height = 540,
                 .backColor = darkBlue});
    c.push_back({.id = drill::messageText, .left = 2865, .top = 5265, .width = 6225, .height = 345,
                 .visible = false, .backColor = blue, .font = mincho(14.25), .align = Align::Center});
    for (int k = 1; k <= core::content::ringPositions; ++k)
        c.push_back({.id = drill::ringPositions, .index = k, .left = ringPlaces[k - 1].zoneLeft,
                     .top = ringPlaces[k - 1].zoneTop, .width = groupCellWidth, .height = groupCellHeight});
    for (int k = 1; k <= core::content::ringPositions; ++k) {
        const RingPlace& r = ringPlaces[k - 1];
        const bool vertical = r.bondHeight > r.bondWidth;
        c.push_back({.id = drill::bonds, .index = k, .left = r.bondLeft, .top = r.bondTop,
                     .width = r.bondWidth, .height = r.bondHeight, .visible = false,
                     .picture = vertical ? ":/drill/Image4_vertical.bmp" : ":/drill/Image4_horizontal.bmp"});
    }
    for (int n = 1; n <= core::content::groupCount; ++n)
        c.push_back({.id = drill::paletteItems, .index = n, .left = paletteColumnLefts[(n - 1) % paletteColumns],
                     .top = paletteRowTops[(n - 1) / paletteColumns], .width = groupCellWidth, .height = groupCellHeight,
                     .dragIcon = ":/drill/Image3.ico"});
    c.push_back({.id = drill::paletteTable, .left = 870, .top = 1020, .width = 10590, .height = 1755,
                 .picture = ":/drill/Image2.gif"});
    c.push_back({.id = drill::yellowRing, .left = 3885, .top = 3405, .width = 4200, .height = 4200,
                 .picture = ":/drill/Image1.gif"});
    c.push_back({.id = drill::messageBox, .left = 2715, .top = 5145, .width = 6495, .height = 570,
                 .visible = false, .backColor = blue});
    c.push_back({.id = drill::streakColumn, .left = 660, .top = 3015, .width = 990, .height = 5130,
                 .picture = ":/drill/Image10.bmp"});
    // Picture buttons lie above all labels and images.
    c.push_back({.id = drill::backButton, .left = 8415, .top = 240, .width = 1560,
                 .height = 500, .picture = ":/drill/Command4.gif"});
    c.push_back({.id = drill::quitButton, .left = 10110, .top = 240, .width = 1560,
                 .height = 500, .picture = ":/drill/Command3.gif"});
    c.push_back({.id = drill::judgeButton, .left = 5130, .top = 5190, .width = 1560,
                 .height = 500, .picture = ":/drill/Command5.gif"});
    c.push_back({.id = drill::tryAgainButton, .left = 10110, .top = 6420, .width = 1560,
                 .height = 500, .visible = false, .picture = ":/drill/Command6.gif"});
    c.push_back({.id = drill::deleteAllButton, .left = 10110, .top = 7020, .width = 1560,
                 .height = 500, .picture = ":/drill/Command1.gif"});
    c.push_back({.id = drill::deleteGroupButton, .left = 10110, .top = 7620, .width = 1560,
                 .height = 500, .picture = ":/drill/Command2.gif"});
    for (platform::TimerId timer : {drill::hintTimer, drill::wrongTimer, drill::blinkTimer,
                                    drill::correctTimer, drill::bonusTimer, drill::finishTimer})
        c.push_back({.id = timer, .visible = false});
    c.push_back({.id = drill::soundPlayer, .left = 1875, .top = 8040, .width = 15,
                 .height = 30, .visible = false});
    return d;
}

// clang-format on

} // namespace

const FormDefinition& drillDefinition() {
    static const FormDefinition d = makeDefinition();
    return d;
}

} // namespace screens
