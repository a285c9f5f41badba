// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
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

// A control as the code names it. The kind is part of the type, so a member or a handler
// can only be bound to a control of that kind, and a misspelt role does not compile. The
// name is the one the layout table gives the control, and is the form's own business; the
// role is the id's own name in the screen's list of controls, which a fault in the table
// is reported by.
template <Kind K> struct ControlId {
    const char* name;
    const char* role = nullptr;
};
// A control array: its members share the name and differ by index.
template <Kind K> struct ArrayId {
    const char* name;
    const char* role = nullptr;
};
// The id types a screen's list of controls is written with.
using LabelId = ControlId<Kind::Label>;
using ImageId = ControlId<Kind::Image>;
using ButtonId = ControlId<Kind::PictureButton>;
using FrameId = ControlId<Kind::Frame>;
using TimerId = ControlId<Kind::Timer>;
using MediaPlayerId = ControlId<Kind::MediaPlayer>;
using ImagesId = ArrayId<Kind::Image>;

// Any control or control array, as a table row and the wiring name it; an empty name is
// no control.
struct ControlRef {
    Kind kind = Kind::Label;
    const char* name = nullptr;
    bool array = false;
    const char* role = nullptr;

    constexpr ControlRef() = default;
    template <Kind K>
    constexpr ControlRef(ControlId<K> id) : kind(K), name(id.name), role(id.role) {}
    template <Kind K>
    constexpr ControlRef(ArrayId<K> id) : kind(K), name(id.name), array(true), role(id.role) {}
};

// One row of a screen's control table. Positions and sizes are twips; a member of a
// control array has an index >= 0.
struct ControlDef {
    ControlRef id;
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
    ControlRef container = {}; // the frame that holds this control
};

struct WindowDef {
    const char* caption;
    double clientWidth, clientHeight; // twips
    QRgb backColor = 0x000000;
    const char* icon = ":/icon.ico";
    ControlRef focus = {}; // the control that has the focus when first shown
};

// A screen's whole fixed layout. Controls are listed front to back among labels and
// images (the first row is drawn in front); picture buttons and frames always lie
// above labels and images. The tab order lists the focusable controls.
struct FormDefinition {
    WindowDef window;
    std::vector<ControlDef> controls;
    std::vector<ControlRef> tabOrder;
};

// A rectangle in twips, as the table places controls.
struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};
// What a control covers in the table, or all the members of a control array together: what
// lies over them (a keyboard stop) takes its place from the table rather than a copy of it.
// A control the table does not define is a fault of the screen and throws.
TwipsRect boundsOf(const FormDefinition& definition, ControlRef id);

// Each designer name in the table belongs to one role, and each control (or member of an
// array) stands in it once. Otherwise the form would build both and hand the second role's
// handlers and look-ups the first one's control: this throws, naming the name and both
// roles.
void refuseSharedNames(const FormDefinition& definition);

} // namespace platform
