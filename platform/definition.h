#pragma once

#include <QColor>
#include <vector>

namespace platform {

enum class Kind { Label, Image, PictureButton, Frame, Timer, MediaPlayer };
enum class Align { Left, Center };

struct FontDef {
    const char* face = nullptr; // nullptr: the control shows no text
    double points = 0;
    bool bold = true;
};

// One row of a screen's control table. Positions and sizes are twips; a member of a
// control array has an index >= 0.
struct ControlDef {
    Kind kind;
    const char* name;
    int index = -1;
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    const char* text = "";
    QRgb foreColor = 0xFFFFFF;
    QRgb backColor = 0x000000;
    FontDef font = {};
    Align align = Align::Left;
    const char* picture = nullptr; // compiled-in artwork, ":/drill/Image1.gif"
    bool stretch = false;
    const char* dragIcon = nullptr;
    const char* tip = nullptr;
    const char* container = nullptr; // the frame that holds this control
};

struct WindowDef {
    const char* caption;
    double clientWidth, clientHeight; // twips
    QRgb backColor = 0x000000;
    const char* icon = ":/icon.ico";
    const char* focus = nullptr; // the control that has the focus when first shown
};

// A screen's whole fixed layout. Controls are listed front to back among labels and
// images (the first row is drawn in front); picture buttons and frames always lie
// above labels and images. The tab order lists the focusable controls.
struct FormDefinition {
    WindowDef window;
    std::vector<ControlDef> controls;
    std::vector<const char*> tabOrder;
};

} // namespace platform
