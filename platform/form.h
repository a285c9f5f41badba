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

// A screen's window with its controls, built afresh from the screen's definition. It
// delivers pointer, key and timer events to the handlers wired with on(), each through
// the program's dispatch, and carries out manual drag and drop.
class Form {
public:
    // The name under which handlers of the window itself are wired.
    static constexpr const char* windowName = "Form";

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

    Label& label(const char* name);
    Image& image(const char* name);
    PictureButton& button(const char* name);
    Frame& frame(const char* name);
    Timer& timer(const char* name);
    MediaPlayer& mediaPlayer(const char* name);
    ControlArray<Image>& images(const char* name);
    Control* find(const QString& name, int index = -1) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    void on(const char* control, Event event, Handler handler);
    // A click handler that needs none of the event's arguments.
    void onClick(const char* control, std::function<void()> handler);
    // Ends the program with a run-time error met outside any handler, as a handler's would.
    void report(const RuntimeError& error);

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
    template <typename T> T& typed(const char* name, Kind kind);
    void fire(Control* control, Event event, EventArgs args);
    Control* controlAt(const QPoint& windowPosition) const;
    EventArgs pointerArgs(Control* control, const QMouseEvent& event) const;
    void dragMovedTo(const QPoint& windowPosition);
    void dropAt(const QPoint& windowPosition);
    void endDrag();
    void setPressedLook(Control* control, bool pressed);
    bool releaseClicks(Control* pressed, const QPoint& windowPosition) const;

    Services& services_;
    EventDispatch& dispatch_;
    std::unique_ptr<FormWindow> window_widget_;
    const char* focus_ = nullptr;
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
    Control* dragUnder_ = nullptr; // the frontmost control under the dragging pointer
    std::unique_ptr<DragPicture> dragPicture_; // where the platform draws no picture cursor
    bool shutDown_ = false;

    friend class FormProbe; // tests read the wiring through it
};

} // namespace platform
