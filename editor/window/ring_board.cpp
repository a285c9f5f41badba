// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "editor/window/ring_board.h"

#include "core/content_layout.h"
#include "editor/window/group_artwork.h"
#include "platform/accessibility.h"
#include "platform/twips.h"
#include "screens/drill/drill_controls.h"
#include "screens/drill/drill_definition.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDrag>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace editor::window {

namespace {

namespace drill = screens::drill;
using core::content::groupCount;
using core::content::ringPositions;

const QString groupMime = QStringLiteral("application/x-kavelo-group");

// A control's place on the drill's form, in pixels.
QRect placeOf(platform::ControlRef id, int index) {
    for (const platform::ControlDef& c : screens::drillDefinition().controls)
        if (QByteArrayView(c.id.name) == QByteArrayView(id.name) && c.index == index)
            return QRect(platform::toPixels(c.left), platform::toPixels(c.top),
                         platform::toPixels(c.width), platform::toPixels(c.height));
    return {};
}

QRect boardArea() {
    QRect area = placeOf(drill::paletteTable, -1) | placeOf(drill::yellowRing, -1);
    for (int k = 1; k <= ringPositions; ++k)
        area |= placeOf(drill::ringPositions, k);
    return area.adjusted(-4, -4, 4, 4);
}

QMimeData* groupData(int group, int fromPosition) {
    auto* data = new QMimeData;
    data->setData(groupMime, QByteArray::number(group) + ',' + QByteArray::number(fromPosition));
    return data;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// A focused cell or position is framed, as the drill frames them.
void frameIfFocused(QPainter& painter, const QWidget& widget) {
    if (!widget.hasFocus())
        return;
    painter.setPen(QPen(Qt::red, 2, Qt::DashLine));
    painter.drawRect(widget.rect().adjusted(1, 1, -2, -2));
}

// Starts a drag once the pointer has moved far enough from where it was pressed.
class DragStart {
public:
    void press(QMouseEvent* e) { from_ = e->position().toPoint(); }
    bool far(QMouseEvent* e) const {
        return (e->buttons() & Qt::LeftButton) &&
               (e->position().toPoint() - from_).manhattanLength() >=
                   QApplication::startDragDistance();
    }

private:
    QPoint from_;
};

} // namespace

class RingBoard::Cell : public QAbstractButton {
public:
    Cell(RingBoard& board, int group, QWidget* palette)
        : QAbstractButton(palette), board_(board), group_(group) {
        setAccessibleName(core::content::groupFormula(group));
        setFocusPolicy(Qt::ClickFocus);
        connect(this, &QAbstractButton::clicked, this, [this] { board_.pick(group_); });
    }

protected:
    void paintEvent(QPaintEvent*) override {
        // The table under the cell shows the formula; the group picked up is lit, as in the drill.
        QPainter painter(this);
        if (board_.held() == group_)
            painter.drawPixmap(rect(), board_.highlightOf(group_));
        frameIfFocused(painter, *this);
    }
    void mousePressEvent(QMouseEvent* e) override {
        drag_.press(e);
        QAbstractButton::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!drag_.far(e))
            return;
        setDown(false);
        auto* drag = new QDrag(this);
        drag->setMimeData(groupData(group_, 0));
        drag->setPixmap(board_.pictureOf(group_, 1));
        drag->exec(Qt::CopyAction);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const int column = (group_ - 1) % screens::paletteColumns;
        const int row = (group_ - 1) / screens::paletteColumns;
        const auto to = [&](int c, int r) {
            c = (c + screens::paletteColumns) % screens::paletteColumns;
            r = (r + screens::paletteRows) % screens::paletteRows;
            board_.moveCell(r * screens::paletteColumns + c + 1);
        };
        switch (e->key()) {
        case Qt::Key_Left:
            return to(column - 1, row);
        case Qt::Key_Right:
            return to(column + 1, row);
        case Qt::Key_Up:
            return to(column, row - 1);
        case Qt::Key_Down:
            return to(column, row + 1);
        default:
            if (isEnter(e->key()))
                return board_.pick(group_);
            QAbstractButton::keyPressEvent(e);
        }
    }
    void focusInEvent(QFocusEvent* e) override {
        board_.moveCell(group_);
        QAbstractButton::focusInEvent(e);
    }

private:
    RingBoard& board_;
    int group_;
    DragStart drag_;
};

class RingBoard::Slot : public QAbstractButton {
public:
    Slot(RingBoard& board, int position, QWidget* ring)
        : QAbstractButton(ring), board_(board), position_(position) {
        setFocusPolicy(Qt::ClickFocus);
        setAcceptDrops(true);
        connect(this, &QAbstractButton::clicked, this, [this] {
            if (board_.held() != 0)
                board_.place(position_, board_.held(), 0);
        });
    }
    void rename() {
        const int group = board_.ring()[position_];
        if (board_.held() != 0 && hasFocus())
            setAccessibleName(QStringLiteral("位置%1 に %2")
                                  .arg(position_)
                                  .arg(core::content::groupFormula(board_.held())));
        else
            setAccessibleName(
                QStringLiteral("位置%1 %2")
                    .arg(position_)
                    .arg(group == 0 ? QStringLiteral("空き") : core::content::groupFormula(group)));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int group = board_.ring()[position_];
        if (group != 0) {
            painter.drawPixmap(rect(), board_.pictureOf(group, position_));
        } else {
            painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
            painter.drawText(rect(), Qt::AlignCenter, QString::number(position_));
        }
        frameIfFocused(painter, *this);
    }
    void mousePressEvent(QMouseEvent* e) override {
        drag_.press(e);
        QAbstractButton::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const int group = board_.ring()[position_];
        if (group == 0 || !drag_.far(e))
            return;
        setDown(false);
        auto* drag = new QDrag(this);
        drag->setMimeData(groupData(group, position_));
        drag->setPixmap(board_.pictureOf(group, position_));
        drag->exec(Qt::MoveAction);
    }
    void dragEnterEvent(QDragEnterEvent* e) override {
        if (e->mimeData()->hasFormat(groupMime))
            e->acceptProposedAction();
    }
    void dropEvent(QDropEvent* e) override {
        const QList<QByteArray> parts = e->mimeData()->data(groupMime).split(',');
        if (parts.size() != 2)
            return;
        board_.place(position_, parts[0].toInt(), parts[1].toInt());
        e->acceptProposedAction();
    }
    void keyPressEvent(QKeyEvent* e) override {
        const int key = e->key();
        if (key >= Qt::Key_1 && key < Qt::Key_1 + ringPositions)
            return board_.moveSlot(key - Qt::Key_1 + 1);
        switch (key) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            return board_.moveSlot(position_ % ringPositions + 1);
        case Qt::Key_Left:
        case Qt::Key_Up:
            return board_.moveSlot((position_ + ringPositions - 2) % ringPositions + 1);
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return board_.empty(position_);
        case Qt::Key_Escape:
            if (board_.held() != 0)
                return board_.cancelPick();
            break;
        default:
            if (isEnter(key) && board_.held() != 0)
                return board_.place(position_, board_.held(), 0);
        }
        QAbstractButton::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override {
        board_.moveSlot(position_);
        rename();
        QAbstractButton::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        rename();
        QAbstractButton::focusOutEvent(e);
    }

private:
    RingBoard& board_;
    int position_;
    DragStart drag_;
};

RingBoard::RingBoard(QWidget* parent) : QWidget(parent) {
    const QRect area = boardArea();
    origin_ = area.topLeft();
    setFixedSize(area.size());
    setAcceptDrops(true);
    table_ = artwork(QStringLiteral(":/drill/Image2.gif"));
    yellowRing_ = artwork(QStringLiteral(":/drill/Image1.gif"));
    verticalBond_ = artwork(QStringLiteral(":/drill/Image4_vertical.bmp"));
    horizontalBond_ = artwork(QStringLiteral(":/drill/Image4_horizontal.bmp"));
    // The cells and the positions stand in two named groups, as in the drill, so that a
    // screen reader says 「官能基の表」 or 「ベンゼン環」 as the focus enters one. The groups
    // are see-through: the board paints the table and the ring under them.
    const auto group = [this](const QString& name, const QRect& place) {
        auto* g = new QGroupBox(this);
        g->setFlat(true);
        g->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
        g->setAccessibleName(name);
        g->setGeometry(place.translated(-origin_));
        return g;
    };
    QRect ring = placeOf(drill::yellowRing, -1);
    for (int k = 1; k <= ringPositions; ++k)
        ring |= placeOf(drill::ringPositions, k);
    QWidget* palette = group(QStringLiteral("官能基の表"), placeOf(drill::paletteTable, -1));
    QWidget* ringGroup = group(QStringLiteral("ベンゼン環"), ring);
    for (int n = 1; n <= groupCount; ++n) {
        cells_[n] = new Cell(*this, n, palette);
        cells_[n]->setGeometry(placeOf(drill::paletteItems, n)
                                   .translated(-placeOf(drill::paletteTable, -1).topLeft()));
    }
    for (int k = 1; k <= ringPositions; ++k) {
        slots_[k] = new Slot(*this, k, ringGroup);
        slots_[k]->setGeometry(placeOf(drill::ringPositions, k).translated(-ring.topLeft()));
    }
    // The ring's positions go round in Tab order after the palette.
    moveCell(1);
    moveSlot(1);
    renameSlots();
}

void RingBoard::showFolder(const QString& folder) {
    for (int n = 1; n <= groupCount; ++n)
        for (int variant : {core::content::leftToRightVariant, core::content::rightToLeftVariant})
            groupPictures_[n][variant] = groupPicture(folder, n, variant);
    for (int n = 1; n <= groupCount; ++n)
        groupPictures_[n][0] = highlightPicture(folder, n);
    update();
    for (int n = 1; n <= groupCount; ++n)
        cells_[n]->update();
    renameSlots();
}

QPixmap RingBoard::pictureOf(int group, int position) const {
    if (group < 1 || group > groupCount)
        return {};
    return groupPictures_[group][core::content::groupPictureVariant(position)];
}

QPixmap RingBoard::highlightOf(int group) const {
    return group >= 1 && group <= groupCount ? groupPictures_[group][0] : QPixmap();
}

void RingBoard::setRing(const core::drill_rules::Ring& ring) {
    // What the focused position now holds is said, as the drill says it: a name that changes
    // under the focus is not read again.
    auto* focused = dynamic_cast<Slot*>(QApplication::focusWidget());
    const QString before = focused ? focused->accessibleName() : QString();
    ring_ = ring;
    renameSlots();
    update();
    if (focused && focused->accessibleName() != before)
        platform::announce(focused, focused->accessibleName());
}

QWidget* RingBoard::paletteStop() const { return cells_[currentCell_]; }
QWidget* RingBoard::ringStop() const { return slots_[currentSlot_]; }

void RingBoard::moveCell(int group) {
    cells_[currentCell_]->setFocusPolicy(Qt::ClickFocus);
    currentCell_ = group;
    cells_[group]->setFocusPolicy(Qt::StrongFocus);
    // Arrows move the focus itself; a click or the focus arriving only moves the stop.
    if (dynamic_cast<Cell*>(QApplication::focusWidget()) && !cells_[group]->hasFocus())
        cells_[group]->setFocus(Qt::OtherFocusReason);
}

void RingBoard::moveSlot(int position) {
    slots_[currentSlot_]->setFocusPolicy(Qt::ClickFocus);
    currentSlot_ = position;
    slots_[position]->setFocusPolicy(Qt::StrongFocus);
    if (dynamic_cast<Slot*>(QApplication::focusWidget()) && !slots_[position]->hasFocus())
        slots_[position]->setFocus(Qt::OtherFocusReason);
}

void RingBoard::pick(int group) {
    held_ = group;
    for (int n = 1; n <= groupCount; ++n)
        cells_[n]->update();
    // The picked group goes to the ring: the keyboard follows it there.
    if (dynamic_cast<Cell*>(QApplication::focusWidget()))
        slots_[currentSlot_]->setFocus(Qt::OtherFocusReason);
    renameSlots();
}

void RingBoard::place(int position, int group, int fromPosition) {
    if (group < 1 || group > groupCount)
        return;
    core::drill_rules::Ring changed = ring_;
    if (fromPosition >= 1 && fromPosition <= ringPositions)
        changed[fromPosition] = 0;
    changed[position] = static_cast<std::int16_t>(group);
    held_ = 0;
    for (int n = 1; n <= groupCount; ++n)
        cells_[n]->update();
    setRing(changed);
    if (onChange)
        onChange(ring_);
}

void RingBoard::empty(int position) {
    if (ring_[position] == 0)
        return;
    core::drill_rules::Ring changed = ring_;
    changed[position] = 0;
    setRing(changed);
    if (onChange)
        onChange(ring_);
}

void RingBoard::renameSlots() {
    for (int k = 1; k <= ringPositions; ++k)
        slots_[k]->rename();
}

void RingBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(placeOf(drill::paletteTable, -1).translated(-origin_), table_);
    painter.drawPixmap(placeOf(drill::yellowRing, -1).translated(-origin_), yellowRing_);
    for (int k = 1; k <= ringPositions; ++k) {
        if (ring_[k] == 0)
            continue;
        const QRect bond = placeOf(drill::bonds, k).translated(-origin_);
        painter.drawPixmap(bond, bond.height() > bond.width() ? verticalBond_ : horizontalBond_);
    }
}

// A group dragged from the ring and let go anywhere but on a position leaves the ring.
void RingBoard::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(groupMime))
        event->acceptProposedAction();
}

void RingBoard::dropEvent(QDropEvent* event) {
    const QList<QByteArray> parts = event->mimeData()->data(groupMime).split(',');
    if (parts.size() == 2 && parts[1].toInt() >= 1 && parts[1].toInt() <= ringPositions) {
        empty(parts[1].toInt());
        event->acceptProposedAction();
    }
}

} // namespace editor::window
