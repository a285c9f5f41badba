// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/definition.h"
#include "platform/scaled_picture.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <memory>

class QPainter;
class QWidget;

namespace core {
class RuntimeError;
}

namespace platform {

class Form;
class ControlWidget;
class TimerHandle;

// A control of a screen: a name (and an index inside a control array), a rectangle in
// twips relative to its container, and whether it is shown.
class Control {
public:
    Control(Form& form, const ControlDef& def);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    Kind kind() const { return kind_; }
    const QString& name() const { return name_; }
    int index() const { return index_; }
    // The id the screen's table gives this control, or its array.
    ControlRef id() const { return id_; }
    bool is(ControlRef id) const;
    // "Image5(3)" or "Label1", for messages and tests.
    QString displayName() const;

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void move(double left, double top);

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    const char* dragIcon() const { return dragIcon_; }

    // The widget that draws this control and takes its pointer events; none for the
    // invisible kinds (timers, the media player).
    QWidget* widget() const;
    virtual void paint(QPainter&) {}

protected:
    void createWidget(QWidget* parent, const char* tip);
    void resize(double width, double height);
    void repaint();
    // The device pixel ratio of the display the control is on.
    double pixelRatio() const;
    // A content fault met while painting (a finer picture read for a window moved to
    // another display) goes out as any handler's error, once the painting is over.
    void reportAfterPainting(const core::RuntimeError& error);

private:
    void placeWidget();

    Form& form_;
    Kind kind_;
    ControlRef id_;
    QString name_;
    int index_;
    double left_, top_, width_, height_;
    bool visible_;
    const char* dragIcon_;
    QPointer<ControlWidget> widget_;
};

// An opaque rectangle with one text in one font; the text wraps within the width and
// what does not fit the height is cut off.
class Label : public Control {
public:
    Label(Form& form, const ControlDef& def, QWidget* parent);
    const QString& text() const { return text_; }
    void setText(const QString& text);
    // The coloured bars have no font: they never show a text.
    bool showsText() const { return hasFont_; }
    void paint(QPainter& painter) override;

private:
    QString text_;
    QColor foreColor_, backColor_;
    QFont font_;
    bool hasFont_;
    Align align_;
};

// A windowless picture. At natural size the control takes the picture's size; when
// stretched the picture fills the rectangle. With no picture it draws nothing but still
// takes pointer events and drops over its whole rectangle.
class Image : public Control {
public:
    Image(Form& form, const ControlDef& def, QWidget* parent);

    // Loads the picture from a content path (backslashes allowed), every time.
    void loadPicture(const QString& contentPath);
    void clearPicture();
    bool hasPicture() const { return !picture_.isNull(); }
    // The path of the picture on view, empty when there is none.
    const QString& picturePath() const { return picturePath_; }

    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    void paint(QPainter& painter) override;

private:
    ScaledPicture picture_;
    QString picturePath_;
    bool stretch_;
    int borderStyle_ = 0;
};

// A push button whose face is a picture, centred and clipped; it takes the focus and
// answers Space and Enter as a click.
class PictureButton : public Control {
public:
    PictureButton(Form& form, const ControlDef& def, QWidget* parent);
    const QString& picturePath() const { return picturePath_; }
    void paint(QPainter& painter) override;

private:
    ScaledPicture face_;
    QString picturePath_;
};

// A box with its caption set into the top border; it holds child controls, whose
// positions are measured from its corner, and hides them when it is hidden.
class Frame : public Control {
public:
    Frame(Form& form, const ControlDef& def, QWidget* parent);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void paint(QPainter& painter) override;

private:
    QString caption_;
    QColor foreColor_, backColor_;
    QFont font_;
};

// An event-loop timer. Interval 0 keeps it idle; setting any interval restarts it.
class Timer : public Control {
public:
    Timer(Form& form, const ControlDef& def);
    ~Timer() override;
    int interval() const { return interval_; }
    void setInterval(int milliseconds);

private:
    int interval_ = 0;
    std::unique_ptr<TimerHandle> handle_;
};

// The invisible sound player: setting its file name starts playing that file.
class MediaPlayer : public Control {
public:
    MediaPlayer(Form& form, const ControlDef& def);
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& path);

private:
    QString fileName_;
};

// The class that draws each kind, for typed access through a control's id.
template <Kind K> struct ControlOf;
template <> struct ControlOf<Kind::Label> { using type = Label; };
template <> struct ControlOf<Kind::Image> { using type = Image; };
template <> struct ControlOf<Kind::PictureButton> { using type = PictureButton; };
template <> struct ControlOf<Kind::Frame> { using type = Frame; };
template <> struct ControlOf<Kind::Timer> { using type = Timer; };
template <> struct ControlOf<Kind::MediaPlayer> { using type = MediaPlayer; };

} // namespace platform
