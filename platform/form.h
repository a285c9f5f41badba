// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/control_array.h"
#include "platform/controls.h"
#include "platform/definition.h"
#include "platform/services.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QMouseEvent;

namespace platform {

class FormWindow;
class DragPicture;

enum class Event { Click, MouseDown, MouseMove, DragOver, DragDrop, Timer };

// Drag-over states, as the handlers receive them.
inline constexpr int dragEnter = 0, dragLeave = 1, dragOver = 2;

// What a handler receives; which fields matter depends on the event. x and y are twips
// relative to the control (or the window) under the pointer.
struct EventArgs {
    int index = -1;
    int button = 0; // 1 left, 2 right, 4 middle
    int shift = 0;  // 1 shift, 2 ctrl, 4 alt
    double x = 0, y = 0;
    Control* source = nullptr;
    int state = dragOver;
};

using Handler = std::function<void(const EventArgs&)>;

// The window itself, as the wiring names it for its own events.
struct WindowId {};
inline constexpr WindowId formWindow{};

// A screen's window with its controls, built afresh from the screen's definition. It
// delivers pointer, key and timer events to the handlers wired with on(), each through
// the program's dispatch, and carries out manual drag and drop.
class Form {
public:
    Form(const FormDefinition& definition, Services& services, EventDispatch& dispatch);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Services& services() { return services_; }
    QWidget& window();

    // Centred on the screen, visible, focus on the definition's focus control.
    void show();
    // Unloading: timers stop, a drag ends, the window goes away and takes no more events.
    void shutDown();
    std::function<void()> onCloseBox;

    // A control, or a control array, the screen's table defines; asking for one it does
    // not define is a fault of the screen, reported when the screen is built.
    template <Kind K> typename ControlOf<K>::type& get(ControlId<K> id) {
        return static_cast<typename ControlOf<K>::type&>(single(id));
    }
    ControlArray<Image>& get(ImagesId id);
    // A control or a member of an array, or nullptr.
    Control* find(ControlRef id, int index = -1) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Wiring a handler to a control the table does not define throws: such a handler
    // would never fire.
    void on(ControlRef control, Event event, Handler handler);
    void on(WindowId, Event event, Handler handler);
    // A click handler that needs none of the event's arguments.
    void onClick(ControlRef control, std::function<void()> handler);
    void onClick(WindowId, std::function<void()> handler);
    // Ends the program with a run-time error met outside any handler, as a handler's would.
    void report(const core::RuntimeError& error);

    // Starts a manual drag of `source` from inside its MouseDown handler; the drag lasts
    // until the button that started it is released.
    void beginDrag(Control& source);
    bool dragging() const { return dragSource_ != nullptr; }

    // Entry points of the widgets; control == nullptr is the window's background.
    void pointerPressed(Control* control, const QMouseEvent& event);
    void pointerMoved(Control* control, const QMouseEvent& event);
    // A release comes from the window itself, in its client coordinates: Qt drops a
    // release whose pressed widget was hidden while the button was held.
    void pointerReleased(const QPoint& windowPosition, Qt::MouseButton button);
    void keyClicked(Control* control);
    // A keyboard stop's handler, through the program's dispatch like every other.
    void deliver(const std::function<void()>& handler);
    // Runs after every handler: the keyboard path shows again where the focus is when a
    // handler has redrawn what showed it.
    std::function<void()> afterEvent;
    void timerTicked(Timer& timer);
    void closeRequested();

private:
    void build(const FormDefinition& definition);
    Control* findNamed(const QString& name, int index = -1) const;
    bool defines(ControlRef id) const;
    void require(ControlRef id) const;
    Control& single(ControlRef id) const;
    void wire(const QString& name, Event event, Handler handler);
    void fire(Control* control, Event event, EventArgs args);
    Control* controlAt(const QPoint& windowPosition) const;
    EventArgs pointerArgs(const QMouseEvent& event) const;
    void dragMovedTo(const QPoint& windowPosition);
    void dropAt(const QPoint& windowPosition);
    void endDrag();
    void setPressedLook(Control* control, bool pressed);
    bool releaseClicks(Control* pressed, const QPoint& windowPosition) const;

    Services& services_;
    EventDispatch& dispatch_;
    std::unique_ptr<FormWindow> window_widget_;
    ControlRef focus_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<QString, std::unique_ptr<ControlArray<Image>>> imageArrays_;
    std::map<std::pair<QString, Event>, Handler> handlers_;

    QPoint lastPointer_; // window coordinates of the last press
    Qt::MouseButton lastPressButton_ = Qt::NoButton;
    Qt::MouseButton dragButton_ = Qt::NoButton; // the button whose release ends the drag
    // What the primary button went down on: a control, or the window's background.
    Control* pressed_ = nullptr;
    bool pressedOnWindow_ = false;
    Control* dragSource_ = nullptr;
    Control* dragUnder_ = nullptr;             // the frontmost control under the dragging pointer
    std::unique_ptr<DragPicture> dragPicture_; // where the platform draws no picture cursor
    bool shutDown_ = false;

    friend class FormProbe; // tests read the wiring through it
};

} // namespace platform
