// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "screens/drill/drill.h"

#include "core/content_layout.h"
#include "platform/accessibility.h"
#include "screens/drill/drill_definition.h"

namespace screens {

// The drill played from the keyboard. Two stops follow the six buttons in the tab order:
// the palette, where the arrow keys light a group as the pointer does and Enter or Space
// picks it up, and the ring, where the arrow keys or the digits choose a position that
// shows the frame a click shows and Enter or Space places the group there as a drop does.

namespace {

constexpr int paletteSize = core::content::groupCount;
constexpr int ringSize = core::content::ringPositions;

bool pressesKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace

void DrillScreen::wireKeyboardPath() {
    platform::Form& screen = form();
    // Each stop lies over what it stands for, so a magnifier follows the focus there: the
    // palette's table, and the ring's six drop zones together.
    const platform::TwipsRect table = platform::boundsOf(definition(), drill::paletteTable);
    const platform::TwipsRect ring = platform::boundsOf(definition(), drill::ringPositions);
    paletteStop =
        new platform::KeyboardStop(screen, QAccessible::List, QStringLiteral("官能基の表"),
                                   table.left, table.top, table.width, table.height);
    ringStop = new platform::KeyboardStop(screen, QAccessible::List, QStringLiteral("ベンゼン環"),
                                          ring.left, ring.top, ring.width, ring.height);
    paletteStop->setObjectName(QStringLiteral("palette"));
    ringStop->setObjectName(QStringLiteral("ring"));
    paletteStop->followInTabOrder(tryAgainButton.widget());
    ringStop->followInTabOrder(paletteStop);
    paletteStop->onKey = [this](int key) { return PaletteKey(key); };
    paletteStop->onFocusIn = [this] { PaletteFocusIn(); };
    paletteStop->onFocusOut = [this] { PaletteFocusOut(); };
    ringStop->onKey = [this](int key) { return RingKey(key); };
    ringStop->onFocusIn = [this] { RingFocusIn(); };
    ringStop->onFocusOut = [this] { RingFocusOut(); };
    screen.afterEvent = [this] { ShowKeyboardFocusAgain(); };
    nameForScreenReaders();
}

bool DrillScreen::PaletteKey(int key) {
    int n = keyPaletteItem;
    switch (key) {
    case Qt::Key_Left:
        n = n == 1 ? paletteSize : n - 1;
        break;
    case Qt::Key_Right:
        n = n == paletteSize ? 1 : n + 1;
        break;
    case Qt::Key_Up:
        n = n > paletteColumns ? n - paletteColumns : n;
        break;
    case Qt::Key_Down:
        n = n <= paletteSize - paletteColumns ? n + paletteColumns : n;
        break;
    default:
        if (!pressesKey(key))
            return false;
        PickUpKeyGroup();
        return true;
    }
    keyPaletteItem = static_cast<std::int16_t>(n);
    LightKeyPaletteItem();
    return true;
}

// The focused group shows the highlight that the pointer resting on it shows.
void DrillScreen::LightKeyPaletteItem() {
    if (litPaletteItem > 0 && litPaletteItem != keyPaletteItem)
        paletteItems(litPaletteItem).clearPicture();
    hoverPaletteItem = litPaletteItem = keyPaletteItem;
    dragGroupText = QString::number(keyPaletteItem);
    paletteItems(keyPaletteItem).loadPicture(highlightPicturePath(keyPaletteItem));
    platform::setKeyboardItem(paletteItems(keyPaletteItem).widget());
}

void DrillScreen::PaletteFocusIn() {
    if (!keyCarrying)
        LightKeyPaletteItem();
}

// As when the pointer leaves the palette for the bare screen.
void DrillScreen::PaletteFocusOut() {
    if (keyCarrying)
        return;
    paletteItems(keyPaletteItem).clearPicture();
    litPaletteItem = -1;
    platform::setKeyboardItem(nullptr);
}

// What pressing the pointer on the group does, but the group waits for the ring instead
// of following the pointer. After the finish, as with the pointer, nothing is picked up.
void DrillScreen::PickUpKeyGroup() {
    if (drillFinished != 0)
        return;
    TakeGroup(keyPaletteItem);
    keyCarrying = true;
    ringStop->setFocus(Qt::OtherFocusReason);
}

bool DrillScreen::RingKey(int key) {
    const int k = keyRingPosition;
    if (key >= Qt::Key_1 && key < Qt::Key_1 + ringSize) {
        MoveKeyRingPosition(key - Qt::Key_1 + 1);
    } else if (key == Qt::Key_Right || key == Qt::Key_Down) {
        MoveKeyRingPosition(k % ringSize + 1);
    } else if (key == Qt::Key_Left || key == Qt::Key_Up) {
        MoveKeyRingPosition((k + ringSize - 2) % ringSize + 1);
    } else if (pressesKey(key)) {
        if (keyCarrying)
            PlaceKeyGroup();
    } else if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        if (keyCarrying)
            return true;
        // 基削除 on the focused position; the focus stays there, and what the position
        // holds now is said, as the focus is not moving to say it.
        selectedPosition = static_cast<std::int16_t>(k);
        deleteGroupButton_Click();
        ShowKeyRingPosition();
        platform::announce(ringStop, RingPositionName(k));
    } else if (key == Qt::Key_Escape && keyCarrying) {
        PutBackKeyGroup();
        paletteStop->setFocus(Qt::OtherFocusReason);
    } else {
        return false;
    }
    return true;
}

void DrillScreen::MoveKeyRingPosition(int position) {
    if (keyCarrying)
        LeaveKeyPreview();
    else if (ringGroups.at(keyRingPosition) == 0)
        ringPositions(keyRingPosition).setBorderStyle(0);
    keyRingPosition = static_cast<std::int16_t>(position);
    ShowKeyRingPosition();
}

// Carrying a group, the position previews it as a drag entering it does; otherwise the
// position is selected as a click selects it, with the frame shown on an empty one too so
// that the focus is always seen. A hidden position (the ring blinks after a right answer)
// takes no preview, as it takes no drag.
void DrillScreen::ShowKeyRingPosition() {
    const int k = keyRingPosition;
    if (keyCarrying) {
        if (ringPositions(k).visible() && keyPreviewPosition != k) {
            ringPositions_DragOver(k, platform::dragEnter);
            keyPreviewPosition = static_cast<std::int16_t>(k);
        }
    } else {
        ringPositions_Click(k);
        ringPositions(k).setBorderStyle(1);
    }
    platform::setKeyboardItem(ringPositions(k).widget());
}

void DrillScreen::LeaveKeyPreview() {
    if (keyPreviewPosition == 0)
        return;
    ringPositions_DragOver(keyPreviewPosition, platform::dragLeave);
    keyPreviewPosition = 0;
}

// A drop on a hidden position falls on the ring behind it, which puts the group back.
void DrillScreen::PlaceKeyGroup() {
    const int k = keyRingPosition;
    keyPreviewPosition = 0;
    const bool placed = ringPositions(k).visible();
    if (placed)
        ringPositions_DragDrop(k);
    else
        paletteItems(dragGroup).clearPicture();
    keyCarrying = false;
    platform::nameChanged(ringPositions(k).widget());
    paletteStop->setFocus(Qt::OtherFocusReason);
    platform::announce(ringStop, placed ? RingPositionName(k) : PutBackWords());
}

void DrillScreen::PutBackKeyGroup() {
    LeaveKeyPreview();
    paletteItems(dragGroup).clearPicture();
    keyCarrying = false;
    platform::announce(paletteStop, PutBackWords());
}

QString DrillScreen::PutBackWords() const {
    return QStringLiteral("%1 を表に戻しました").arg(core::content::groupFormula(dragGroup));
}

void DrillScreen::RingFocusIn() { ShowKeyRingPosition(); }

// Leaving the ring puts a carried group back; a selection stays, showing its frame only
// on a filled position, as after a click.
void DrillScreen::RingFocusOut() {
    if (keyCarrying)
        PutBackKeyGroup();
    else if (ringGroups.at(keyRingPosition) == 0)
        ringPositions(keyRingPosition).setBorderStyle(0);
    platform::setKeyboardItem(nullptr);
}

// A handler may have redrawn what showed the focus (a new question empties the ring and
// drops the selection): show it again.
void DrillScreen::ShowKeyboardFocusAgain() {
    QWidget* focus = form().window().focusWidget();
    if (focus == paletteStop && !keyCarrying && !paletteItems(keyPaletteItem).hasPicture())
        LightKeyPaletteItem();
    if (focus != ringStop)
        return;
    const int k = keyRingPosition;
    if (keyCarrying ? keyPreviewPosition == 0
                    : selectedPosition != k || ringPositions(k).borderStyle() != 1)
        ShowKeyRingPosition();
}

} // namespace screens
