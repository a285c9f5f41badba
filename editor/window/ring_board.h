// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/answer_rules.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

// The drill's palette of groups and its ring, laid out by the drill's own table, on which a
// teacher builds an answer as a learner builds one: a group is dragged from the palette to a
// position, or placed with the drill's keys (Tab to the palette, arrows, Enter, then a
// position, then Enter; Delete empties a position). A group dragged off the ring is removed.
namespace editor::window {

class RingBoard : public QWidget {
public:
    explicit RingBoard(QWidget* parent = nullptr);

    // The group pictures come from the content folder being edited.
    void showFolder(const QString& folder);
    void setRing(const core::drill_rules::Ring& ring);
    const core::drill_rules::Ring& ring() const { return ring_; }

    // Called with the new ring after each change the teacher makes.
    std::function<void(const core::drill_rules::Ring&)> onChange;

    // The one palette cell and the one position that Tab stops at.
    QWidget* paletteStop() const;
    QWidget* ringStop() const;

    class Cell;
    class Slot;

    // What the cells and positions ask of the board.
    void pick(int group);
    void place(int position, int group, int fromPosition);
    void empty(int position);
    void cancelPick() {
        held_ = 0;
        renameSlots();
    }
    int held() const { return held_; }
    void moveCell(int group);
    void moveSlot(int position);
    QPixmap pictureOf(int group, int position) const;
    QPixmap highlightOf(int group) const; // the palette cell lit

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void renameSlots();

    core::drill_rules::Ring ring_{};
    int held_ = 0; // the group picked up with the keyboard or a click, to be placed
    std::array<Cell*, 21> cells_{};
    std::array<Slot*, 7> slots_{};
    int currentCell_ = 1, currentSlot_ = 1;
    QPoint origin_; // the drill's form position of the board's top left corner, in pixels
    QPixmap table_, yellowRing_, verticalBond_, horizontalBond_;
    // Per group: the lit palette cell, then the pictures for each side of the ring.
    std::array<std::array<QPixmap, 3>, 21> groupPictures_{};
};

} // namespace editor::window
