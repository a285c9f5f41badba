#include "screens/menu/menu_definition.h"

using platform::Align;
using platform::ControlDef;
using platform::FormDefinition;
using platform::Kind;

namespace {

// The screen definition reads as a table, one control a row: keep it laid out by hand.
// clang-format off

constexpr QRgb white = 0xFFFFFF, navy = 0x000040;

// The six title tiles spell the program's name, three to a row.
struct TilePlace {
    double left, top;
    const char* picture;
};
constexpr TilePlace titleTiles[] = {
    {1245, 450, ":/menu/Image1_0.gif"},  {3030, 450, ":/menu/Image1_1.gif"},
    {4815, 450, ":/menu/Image1_2.gif"},  {1245, 2190, ":/menu/Image1_3.gif"},
    {3030, 2190, ":/menu/Image1_4.gif"}, {4815, 2190, ":/menu/Image1_5.gif"},
};

FormDefinition makeDefinition() {
    FormDefinition d{
        .window = {.caption = "メニュー", .clientWidth = 11880, .clientHeight = 8490, .focus = "Command2"},
        .controls = {},
        .tabOrder = {"Command2", "Command1", "Command3", "Command4"},
    };
    auto& c = d.controls;
    // Labels and images, front to back: the open panel hides the benzene model.
    c.push_back({.kind = Kind::Label, .name = "Label2", .left = 315, .top = 4215, .width = 6630, .height = 3915,
                 .visible = false, .foreColor = white, .backColor = navy, .font = {"ＭＳ 明朝", 12.75, true},
                 .align = Align::Left});
    c.push_back({.kind = Kind::Label, .name = "Label1", .left = 180, .top = 4035, .width = 6855, .height = 4230,
                 .visible = false, .backColor = navy});
    c.push_back({.kind = Kind::Image, .name = "Image4", .left = 7050, .top = 60, .width = 4200, .height = 4200,
                 .visible = false, .picture = ":/drill/Image6.gif"});
    c.push_back({.kind = Kind::Image, .name = "Image3", .left = 7155, .top = 45, .width = 4200, .height = 4200,
                 .visible = false, .picture = ":/drill/Image1.gif"});
    for (int i = 0; i <= 5; ++i)
        c.push_back({.kind = Kind::Image, .name = "Image1", .index = i, .left = titleTiles[i].left,
                     .top = titleTiles[i].top, .width = 1800, .height = 1725, .picture = titleTiles[i].picture});
    c.push_back({.kind = Kind::Image, .name = "Image2", .left = 615, .top = 3795, .width = 6630, .height = 4575,
                 .picture = ":/menu/Image2.jpg", .stretch = true});
    // Picture buttons lie above all labels and images.
    c.push_back({.kind = Kind::PictureButton, .name = "Command2", .left = 7590, .top = 4620, .width = 3075,
                 .height = 765, .picture = ":/menu/Command2.gif"});
    c.push_back({.kind = Kind::PictureButton, .name = "Command1", .left = 7590, .top = 5685, .width = 3075,
                 .height = 765, .picture = ":/menu/Command1.gif"});
    c.push_back({.kind = Kind::PictureButton, .name = "Command3", .left = 7590, .top = 6750, .width = 3075,
                 .height = 765, .picture = ":/menu/Command3.gif"});
    c.push_back({.kind = Kind::PictureButton, .name = "Command4", .left = 3225, .top = 5880, .width = 1395,
                 .height = 465, .picture = ":/menu/Command4.gif"});
    c.push_back({.kind = Kind::Timer, .name = "Timer1", .visible = false});
    return d;
}

// clang-format on

} // namespace

const FormDefinition& menuDefinition() {
    static const FormDefinition d = makeDefinition();
    return d;
}
